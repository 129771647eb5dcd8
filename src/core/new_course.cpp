#include "core/new_course.h"

#include <algorithm>
#include <limits>

namespace core {
namespace {

const std::string Break = "\r\n";

} // namespace

int ParSum(const CourseState& course, int first, int last) {
    long long sum = 0;
    for (int h = first; h <= last; ++h)
        sum += course.HolePar[h];
    // Pars read from a damaged file may be anything an int holds.
    return static_cast<int>(std::clamp<long long>(sum, std::numeric_limits<int>::min(),
                                                  std::numeric_limits<int>::max()));
}

double YardsSum(const CourseState& course, int first, int last) {
    double sum = 0;
    for (int h = first; h <= last; ++h)
        sum += course.HoleYards[h];
    return sum;
}

std::optional<NewCourseRefusal> CheckHolesComplete(const CourseState& course) {
    struct Check {
        bool (*missing)(const CourseState&, int);
        const char* text;
        const char* title;
    };
    const Check checks[] = {
        {[](const CourseState& c, int h) { return c.HolePar[h] == 0; },
         "Missing Hole Par information. You must fill in", "Hole Par Error!"},
        {[](const CourseState& c, int h) { return c.HoleYards[h] == 0; },
         "Missing yardage information. You must fill in", "Yardage Error!"},
        {[](const CourseState& c, int h) { return c.HoleHandicap[h] == 0; },
         "Missing Hole Handicap information. You must fill in", "Hole Handicap Error!"},
    };
    for (const Check& check : checks)
        for (int h = 1; h <= HoleCount; ++h)
            if (check.missing(course, h))
                return NewCourseRefusal{
                    "Unable to create a course file." + Break + Break + check.text +
                        " the specifications for ALL holes before "
                        "continuing." +
                        Break + Break + "This information can be found on your scorecard.",
                    check.title};
    return std::nullopt;
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
        course.CourseSlope = StandardSlope;
}

std::optional<NewCourseRefusal> CheckNewCourseSlope(const CourseState& course) {
    if (IsValidSlope(course.CourseSlope))
        return std::nullopt;
    return NewCourseRefusal{"Slope rating Invalid. Must be between " + std::to_string(LowestSlope) +
                                " and " + std::to_string(HighestSlope),
                            "Incorect Slope Rating"};
}

void DateNewCourse(CourseState& course, double today) {
    course.FirstDate = {today, true};
    course.LastDate = today;
}

} // namespace core
