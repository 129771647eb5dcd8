#include "core/new_course.h"

namespace core {

int ParSum(const CourseState& course, int first, int last) {
    int sum = 0;
    for (int h = first; h <= last; ++h)
        sum += course.HolePar[h];
    return sum;
}

double YardsSum(const CourseState& course, int first, int last) {
    double sum = 0;
    for (int h = first; h <= last; ++h)
        sum += course.HoleYards[h];
    return sum;
}

void ApplyNewCourseDefaults(CourseState& course) {
    if (course.TeeName.empty())
        course.TeeName = "Standard";
    if (course.CourseName.empty())
        course.CourseName = "N/A";
    if (course.PlayerName.empty())
        course.PlayerName = "N/A";
    if (course.CourseRating < 50 || course.CourseRating > 80)
        course.CourseRating = static_cast<float>(ParSum(course, 1, HoleCount));
    if (course.CourseSlope == 0)
        course.CourseSlope = DefaultSlope;
}

bool IsValidSlope(float slope) {
    return slope >= LowestSlope && slope <= HighestSlope;
}

void DateNewCourse(CourseState& course, double today) {
    course.FirstDate = {today, true};
    course.LastDate = today;
}

} // namespace core
