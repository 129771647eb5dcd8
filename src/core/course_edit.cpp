#include "core/course_edit.h"

#include "core/round_history.h"

#include "core/course_file.h"
#include "core/number_text.h"

#include <cmath>

namespace core {
namespace {

constexpr double HighestYardage = 999;
// A message quotes no more of a box than fits on a line.
constexpr size_t QuotedCharacters = 40;

bool FitsFileInteger(int value) {
    return value >= LowestFileInteger && value <= HighestFileInteger;
}

bool IsStorableRating(float value) {
    return std::isfinite(value) && std::fabs(value) < RatingLimit;
}

std::string Quoted(std::string_view text) {
    size_t first = text.find_first_not_of(' ');
    text = first == std::string_view::npos ? std::string_view() : text.substr(first);
    std::string quoted = "\"";
    if (text.size() <= QuotedCharacters)
        return quoted.append(text).append("\"");
    // Cut at a character boundary of the UTF-8 text.
    size_t cut = QuotedCharacters;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut;
    return quoted.append(text.substr(0, cut)).append("...\"");
}

std::string WholeNumberRange() {
    return "a whole number from " + std::to_string(LowestFileInteger) + " to " +
           std::to_string(HighestFileInteger);
}

} // namespace

std::optional<CourseEditRefusal> CheckEditedCourse(const CourseState& course) {
    for (int h = 1; h <= HoleCount; ++h)
        if (course.HoleYards[h] > HighestYardage)
            return CourseEditRefusal{CourseEditBox::Yards, h};
    for (int h = 1; h <= HoleCount; ++h) {
        if (!FitsFileInteger(course.HolePar[h]))
            return CourseEditRefusal{CourseEditBox::Par, h};
        if (!FitsFileInteger(course.HoleHandicap[h]))
            return CourseEditRefusal{CourseEditBox::Handicap, h};
    }
    if (!IsStorableRating(course.CourseRating))
        return CourseEditRefusal{CourseEditBox::Rating, 0};
    if (!IsStorableRating(course.CourseSlope))
        return CourseEditRefusal{CourseEditBox::Slope, 0};
    return std::nullopt;
}

std::string CourseEditRefusalMessage(const CourseEditRefusal& refusal, std::string_view boxText) {
    const std::string hole = "Hole #" + SignedText(refusal.hole);
    const std::string cannot = " cannot be stored. ";
    const std::string below = "a number below " + std::to_string(static_cast<int>(RatingLimit));
    switch (refusal.box) {
    case CourseEditBox::Yards:
        return "The yardage entered for " + hole + " is incorrect.";
    case CourseEditBox::Par:
        return "The par entered for " + hole + ", " + Quoted(boxText) + "," + cannot +
               "A par must be " + WholeNumberRange() + ".";
    case CourseEditBox::Handicap:
        return "The hole handicap entered for " + hole + ", " + Quoted(boxText) + "," + cannot +
               "A hole handicap must be " + WholeNumberRange() + ".";
    case CourseEditBox::Rating:
        return "The Course Rating entered, " + Quoted(boxText) + "," + cannot +
               "A course rating must be " + below + ".";
    case CourseEditBox::Slope:
        return "The Slope Rating entered, " + Quoted(boxText) + "," + cannot +
               "A slope rating must be " + below + ".";
    }
    return {};
}

std::string CourseEditRefusalTitle(const CourseEditRefusal& refusal) {
    switch (refusal.box) {
    case CourseEditBox::Yards:
        return "Incorrect Yardage";
    case CourseEditBox::Par:
        return "Incorrect Par";
    case CourseEditBox::Handicap:
        return "Incorrect Hole Handicap";
    case CourseEditBox::Rating:
        return "Incorrect Course Rating";
    case CourseEditBox::Slope:
        return "Incorrect Slope Rating";
    }
    return {};
}

FileResult SaveEditedCourse(CourseState& course) {
    ComputeLengthClasses(course);
    CourseFileKind kind =
        course.GamesRecorded == 0 ? CourseFileKind::EditedWithoutRounds : CourseFileKind::Rewrite;
    return WriteCourseKeepingJournal(course, kind);
}

} // namespace core
