#include "core/round_entry.h"

#include "core/course_handicap.h"
#include "core/day_number.h"
#include "core/number_text.h"

#include <cmath>

namespace core {
namespace {

constexpr int RoundsForAnIndex = 5;

// The characters of a UTF-8 text, each non-ASCII one standing as '?', so that positions
// count characters as the user sees them.
std::string CharactersOf(std::string_view text) {
    std::string characters;
    for (unsigned char c : text) {
        if (c < 0x80)
            characters += static_cast<char>(c);
        else if ((c & 0xC0) != 0x80)
            characters += '?';
    }
    return characters;
}

bool WholeInRange(std::string_view part, int minimum, int maximum, int& value) {
    double number = ReadNumber(part);
    if (number < minimum || number > maximum || number != std::floor(number))
        return false;
    value = static_cast<int>(number);
    return true;
}

} // namespace

int HoleValueFromText(std::string_view text) {
    return RoundToWhole(ReadNumber(text));
}

RoundDateCheck ValidateRoundDate(std::string_view boxText, double today) {
    std::string text = CharactersOf(boxText);
    if (text.size() != 10)
        text = FormatDate(today, "mm/dd/yyyy");
    int month = 0;
    int day = 0;
    int year = 0;
    if (!WholeInRange(text.substr(0, 2), 1, 12, month) ||
        !WholeInRange(text.substr(3, 2), 1, 31, day) ||
        !WholeInRange(text.substr(6, 4), 1753, 2078, year))
        return {};
    return {true, DayNumberFromDate(year, month, day)};
}

HandicapBand HandicapBandFor(const HandicapState& handicap, float courseSlope) {
    if (handicap.RoundCount < RoundsForAnIndex)
        return HandicapBand::ThirtyThreeUp;
    int courseHandicap = CourseHandicap(handicap.HandicapIndex, courseSlope);
    if (courseHandicap <= 0)
        return HandicapBand::ZeroOrPlus;
    if (courseHandicap <= 18)
        return HandicapBand::OneTo18;
    if (courseHandicap <= 32)
        return HandicapBand::NineteenTo32;
    return HandicapBand::ThirtyThreeUp;
}

int HandedOverAdjustedScore(const RoundFigures& figures, const HandicapState& handicap,
                            float courseSlope) {
    return figures.StandardEscTotals[static_cast<int>(HandicapBandFor(handicap, courseSlope))];
}

} // namespace core
