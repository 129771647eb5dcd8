#pragma once

#include "core/course_state.h"
#include "core/slope.h"

#include <optional>
#include <string>
#include <string_view>

namespace core {

// Sums over holes first..last, as the hole grids show them.
int ParSum(const CourseState& course, int first, int last);
double YardsSum(const CourseState& course, int first, int last);

// A refusal of the new-course window: its message box, and the box to correct.
struct NewCourseRefusal {
    std::string message;
    std::string title;
};

// Every hole needs a par, then a yardage, then a hole handicap before a course can be
// created; the first one missing is refused.
std::optional<NewCourseRefusal> CheckHolesComplete(const CourseState& course);

// The defaults a new course takes once its holes are complete: "Standard" tees and
// "N/A" for a missing course or player name, the total par for a rating outside
// 50..80, and the standard slope for a slope of 0.
void ApplyNewCourseDefaults(CourseState& course);

// A slope outside 80..150, once the defaults are in, is refused.
std::optional<NewCourseRefusal> CheckNewCourseSlope(const CourseState& course);

// A new course starts today: FirstDate as a date value, LastDate as a day number.
void DateNewCourse(CourseState& course, double today);

} // namespace core
