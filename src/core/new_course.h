#pragma once

#include "core/course_state.h"

namespace core {

constexpr float DefaultSlope = 113;
constexpr float LowestSlope = 80;
constexpr float HighestSlope = 150;

// Sums over holes first..last, as the hole grids show them.
int ParSum(const CourseState& course, int first, int last);
double YardsSum(const CourseState& course, int first, int last);

// The defaults a new course takes once its holes are complete: "Standard" tees and
// "N/A" for a missing course or player name, the total par for a rating outside
// 50..80, and the standard slope 113 for a slope of 0.
void ApplyNewCourseDefaults(CourseState& course);

bool IsValidSlope(float slope);

// A new course starts today: FirstDate as a date value, LastDate as a day number.
void DateNewCourse(CourseState& course, double today);

} // namespace core
