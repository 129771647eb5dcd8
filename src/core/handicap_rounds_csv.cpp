#include "core/handicap_rounds_csv.h"

#include "core/day_number.h"
#include "core/handicap_entry.h"
#include "core/number_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <optional>

namespace core {
namespace {

constexpr std::array<std::string_view, 8> ColumnNames = {
    "date",       "adjusted_score", "course_rating",      "slope_rating",
    "tournament", "gross_score",    "whs_adjusted_score", "par"};

std::string_view Trimmed(std::string_view text) {
    size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    size_t last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

std::vector<std::string_view> Fields(std::string_view row) {
    std::vector<std::string_view> fields;
    size_t start = 0;
    while (true) {
        size_t comma = row.find(',', start);
        fields.push_back(Trimmed(row.substr(start, comma - start)));
        if (comma == std::string_view::npos)
            return fields;
        start = comma + 1;
    }
}

// A number typed in full: anything after it is a mistake, not the end of the number.
std::optional<double> StrictNumber(std::string_view text) {
    if (text.empty())
        return std::nullopt;
    if (text.front() == '+')
        text.remove_prefix(1);
    double value = 0;
    auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<double> IsoDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    auto part = [&](size_t from, size_t count) -> std::optional<int> {
        int value = 0;
        auto [end, error] = std::from_chars(text.data() + from, text.data() + from + count, value);
        if (error != std::errc() || end != text.data() + from + count)
            return std::nullopt;
        return value;
    };
    std::optional<int> year = part(0, 4), month = part(5, 2), day = part(8, 2);
    if (!year || !month || !day || *year < 1753 || *year > 2078)
        return std::nullopt;
    double number = DayNumberFromDate(*year, *month, *day);
    // A date that does not exist (2023-02-30) is a typing mistake in a file.
    CalendarDate back = DateFromDayNumber(number);
    if (back.year != *year || back.month != *month || back.day != *day)
        return std::nullopt;
    return number;
}

std::string OptionalNumber(const std::optional<int>& value) {
    return value ? std::to_string(*value) : std::string();
}

} // namespace

std::string HandicapRoundRow(const JournalRound& r) {
    return FormatDate(r.date, "yyyy-mm-dd") + "," + std::to_string(r.adjustedScore) + "," +
           PlainText(r.courseRating) + "," + PlainText(r.slopeRating) + "," +
           (r.tournament ? "1" : "0") + "," + OptionalNumber(r.grossScore) + "," +
           std::to_string(r.whsAdjustedScore) + "," + OptionalNumber(r.par);
}

std::string HandicapRoundsCsv(const std::vector<JournalRound>& rounds) {
    std::string text(HandicapRoundsHeader);
    text += '\n';
    for (const JournalRound& round : rounds)
        text += HandicapRoundRow(round) + '\n';
    return text;
}

std::variant<JournalRound, RoundRowError> ParseHandicapRoundRow(std::string_view row) {
    std::vector<std::string_view> f = Fields(row);
    if (f.size() != ColumnNames.size())
        return RoundRowError{static_cast<int>(std::min(f.size(), ColumnNames.size()) + 1),
                             "expected " + std::to_string(ColumnNames.size()) + " fields, found " +
                                 std::to_string(f.size())};
    auto refuse = [](int column, std::string why) { return RoundRowError{column, std::move(why)}; };
    auto wholeNumber = [](std::string_view text) -> std::optional<int> {
        std::optional<double> value = StrictNumber(text);
        if (!value || std::fabs(*value) > MaxGrossScore)
            return std::nullopt;
        return WholePart(*value);
    };

    JournalRound r;
    std::optional<double> date = IsoDate(f[0]);
    if (!date)
        return refuse(1, std::string("\"").append(f[0]).append("\" is not a date yyyy-mm-dd"));
    r.date = *date;

    std::optional<double> score = StrictNumber(f[1]);
    if (!score)
        return refuse(2, "the adjusted score is not a number");
    for (int column : {3, 4})
        if (!f[column - 1].empty() && !StrictNumber(f[column - 1]))
            return refuse(column,
                          "the " + std::string(ColumnNames[column - 1]) + " is not a number");
    float adjusted = WholeScore(static_cast<float>(std::fabs(*score) > 100000 ? 0 : *score));
    float rating = f[2].empty() ? DefaultCourseRating : EntryRatingValue(f[2]);
    float slope = f[3].empty() ? DefaultSlopeRating : EntryRatingValue(f[3]);
    if (std::optional<EntryRefusal> refusal = CheckRoundEntry(adjusted, rating, slope))
        return refuse(refusal->box == EntryBox::Score    ? 2
                      : refusal->box == EntryBox::Rating ? 3
                                                         : 4,
                      refusal->message);
    r.adjustedScore = static_cast<int>(adjusted);
    r.courseRating = rating;
    r.slopeRating = slope;

    if (f[4] != "0" && f[4] != "1")
        return refuse(5, "the tournament flag must be 0 or 1");
    r.tournament = f[4] == "1";

    if (!f[5].empty()) {
        r.grossScore = wholeNumber(f[5]);
        if (!r.grossScore)
            return refuse(6, "the gross score is not a number");
    }
    r.whsAdjustedScore = r.adjustedScore;
    if (!f[6].empty()) {
        std::optional<int> whs = wholeNumber(f[6]);
        if (!whs || *whs <= 0 || *whs >= 200)
            return refuse(7, "the WHS adjusted score must be a number from 1 to 199");
        r.whsAdjustedScore = *whs;
    }
    if (!f[7].empty()) {
        std::optional<int> par = wholeNumber(f[7]);
        if (!par || *par <= 0 || *par >= 200)
            return refuse(8, "the par must be a number from 1 to 199");
        r.par = par;
    }
    return r;
}

std::variant<std::vector<JournalRound>, std::string>
ParseHandicapRoundsCsv(std::string_view text, const std::string& fileName) {
    std::vector<JournalRound> rounds;
    int lineNumber = 0;
    bool headerSeen = false;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        std::string_view line =
            Trimmed(text.substr(start, end == std::string_view::npos ? end : end - start));
        start = end == std::string_view::npos ? text.size() : end + 1;
        ++lineNumber;
        if (line.empty())
            continue;
        if (!headerSeen) {
            if (line != HandicapRoundsHeader)
                return fileName + " line " + std::to_string(lineNumber) +
                       ": the first line must be the header " + std::string(HandicapRoundsHeader);
            headerSeen = true;
            continue;
        }
        auto parsed = ParseHandicapRoundRow(line);
        if (const RoundRowError* error = std::get_if<RoundRowError>(&parsed))
            return fileName + " line " + std::to_string(lineNumber) + ", column " +
                   std::to_string(error->column) +
                   (error->column <= static_cast<int>(ColumnNames.size())
                        ? " (" + std::string(ColumnNames[error->column - 1]) + ")"
                        : std::string()) +
                   ": " + error->message;
        rounds.push_back(std::get<JournalRound>(parsed));
    }
    if (!headerSeen)
        return fileName + ": the file is empty; its first line must be the header " +
               std::string(HandicapRoundsHeader);
    return rounds;
}

} // namespace core
