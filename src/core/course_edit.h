#pragma once

#include "core/course_state.h"
#include "core/file_result.h"

#include <optional>
#include <string>
#include <string_view>

// Rules of the course-edit window's "Save".
namespace core {

// What the course file's 16-bit fields hold, and the largest rating it is given.
inline constexpr int LowestFileInteger = -32768;
inline constexpr int HighestFileInteger = 32767;
inline constexpr float RatingLimit = 10000;

enum class CourseEditBox { Par, Yards, Handicap, Rating, Slope };

// The box whose value cannot be saved; hole 0 for the rating and slope boxes.
struct CourseEditRefusal {
    CourseEditBox box;
    int hole = 0;
};

// The first value the file must not take, in this order: a yardage above 999 on any
// hole, then a par or hole handicap outside -32768..32767, then a rating or slope that
// is not a finite number below 10000.
std::optional<CourseEditRefusal> CheckEditedCourse(const CourseState& course);

// The message box of a refusal, quoting the box's text as typed.
std::string CourseEditRefusalMessage(const CourseEditRefusal& refusal, std::string_view boxText);
std::string CourseEditRefusalTitle(const CourseEditRefusal& refusal);

// Counts the length classes again and rewrites the file: a course without rounds keeps
// zeros for its statistics, one with rounds is rewritten whole, and a journal of its
// rounds is kept describing it.
FileResult SaveEditedCourse(CourseState& course);

} // namespace core
