#include "core/handicap_entry.h"

#include "core/day_number.h"
#include "core/number_text.h"

#include <cmath>
#include <vector>

namespace core {
namespace {

// Start of every character of a UTF-8 text, and the end.
std::vector<size_t> CharacterStarts(std::string_view text) {
    std::vector<size_t> starts;
    for (size_t i = 0; i < text.size(); ++i)
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
            starts.push_back(i);
    starts.push_back(text.size());
    return starts;
}

// A part of the date: digits, perhaps with blanks around them.
std::optional<int> DatePart(std::string_view part) {
    size_t first = part.find_first_not_of(' ');
    size_t last = part.find_last_not_of(' ');
    if (first == std::string_view::npos)
        return std::nullopt;
    int value = 0;
    for (char c : part.substr(first, last - first + 1)) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

} // namespace

EntryDateReading ReadEntryDate(std::string_view text, double today) {
    std::string todayText;
    std::vector<size_t> starts = CharacterStarts(text);
    if (starts.size() != 11) {
        todayText = FormatDate(today, "mm/dd/yyyy");
        text = todayText;
        starts = CharacterStarts(text);
    }
    auto part = [&](int from, int count) {
        return DatePart(text.substr(starts[from], starts[from + count] - starts[from]));
    };
    std::optional<int> month = part(0, 2);
    std::optional<int> day = part(3, 2);
    std::optional<int> year = part(6, 4);
    if (!month || !day || !year || *month < 1 || *month > 12 || *day < 1 || *day > 31 ||
        *year < 1753 || *year > 2078)
        return {};
    return {true, DayNumberFromDate(*year, *month, *day)};
}

std::string InvalidDateMessage(std::string_view boxText) {
    return std::string(boxText) + " is not a valid Date. " + "Should be in the form  mm/dd/yyyy";
}

float EntryScoreValue(std::string_view text) {
    return static_cast<float>(ReadNumber(text));
}

float EntryRatingValue(std::string_view text) {
    return static_cast<float>(ReadNumber(FormatNumber(ReadNumber(text), "#0.0")));
}

float WholeScore(float score) {
    return std::trunc(score);
}

std::optional<double> GrossScoreValue(std::string_view text) {
    if (text.empty())
        return std::nullopt;
    return std::trunc(ReadNumber(text));
}

std::string MissingRatingQuestion() {
    const std::string br = "\r\n";
    return "You have not specified a course and/or slope rating." + br + br +
           "This information can be obtained from the scorecard" + " or Golf Professional." + br +
           br +
           "Defaults will be used for Incorrect or missing ratings. This could make your "
           "handicap" +
           br + "statistics inaccurate." + br + br + "Do you wish to Continue?";
}

bool RatingsMissing(std::string_view ratingText, std::string_view slopeText) {
    return ratingText.empty() || slopeText.empty();
}

void ApplyRatingDefaults(EntryState& entry, std::string_view ratingText,
                         std::string_view slopeText) {
    if (ratingText.empty())
        entry.EntryCourseRating = DefaultCourseRating;
    if (slopeText.empty())
        entry.EntrySlopeRating = DefaultSlopeRating;
}

std::optional<EntryRefusal> CheckRoundEntry(float score, float rating, float slope) {
    const std::string verify = " Please verify!";
    if (score <= 0 || score >= 200)
        return EntryRefusal{EntryBox::Score,
                            "Your score of " + SignedText(score) +
                                " is outside the scope of this program." + verify,
                            "Invalid Score"};
    if (rating <= 50 || rating >= 100)
        return EntryRefusal{EntryBox::Rating,
                            "The Rating of " + SignedText(rating) + " is invalid." + verify,
                            "Invalid Rating"};
    // A slope rounded to 79.1 .. 79.9 has always passed: only 79 and below are refused.
    if (slope <= LowestSlope - 1 || slope > HighestSlope)
        return EntryRefusal{EntryBox::Slope,
                            "The Slope Rating of " + SignedText(slope) + " is invalid." + verify,
                            "Invalid slope"};
    return std::nullopt;
}

std::optional<EntryRefusal> CheckGrossScore(std::optional<double> grossScore) {
    constexpr double HighestFileInteger = 32767;
    if (!grossScore || std::fabs(*grossScore) <= HighestFileInteger)
        return std::nullopt;
    return EntryRefusal{EntryBox::GrossScore,
                        "Your score of " + SignedText(*grossScore) +
                            " is outside the scope of this program. Please verify!",
                        "Invalid Score"};
}

} // namespace core
