#include "core/round_csv.h"

#include "core/atomic_file.h"
#include "core/day_number.h"

#include <charconv>

namespace core {
namespace {

constexpr int FieldCount = 1 + 2 * HoleCount + 5;

std::string ColumnName(int index) {
    static const char* const optional[] = {"fairways", "penalties", "sand_shots", "sand_saves",
                                           "sand_attempts"};
    if (index == 0)
        return "date";
    if (index <= HoleCount)
        return std::string("s").append(std::to_string(index));
    if (index <= 2 * HoleCount)
        return std::string("p").append(std::to_string(index - HoleCount));
    return optional[index - 2 * HoleCount - 1];
}

std::string NumberText(float value) {
    char buffer[32];
    auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return error == std::errc() ? std::string(buffer, end) : std::string("0");
}

std::vector<std::string_view> SplitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    size_t start = 0;
    while (true) {
        size_t comma = line.find(',', start);
        fields.push_back(line.substr(start, comma - start));
        if (comma == std::string_view::npos)
            return fields;
        start = comma + 1;
    }
}

bool IsDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// Plain decimal: digits, optionally a point and more digits; no sign, no exponent.
bool IsPlainDecimal(std::string_view text) {
    size_t point = text.find('.');
    if (point == std::string_view::npos)
        return IsDigits(text);
    return IsDigits(text.substr(0, point)) && IsDigits(text.substr(point + 1));
}

std::string OutOfRange(std::string_view text, int lowest, int highest) {
    return std::string("\"")
        .append(text)
        .append("\" is not a number from ")
        .append(std::to_string(lowest))
        .append(" to ")
        .append(std::to_string(highest));
}

// A whole number from lowest to highest, as the entry boxes take it.
bool ReadWhole(std::string_view text, int lowest, int highest, int& value, std::string& problem) {
    if (!IsDigits(text) || text.size() > 3) {
        problem = OutOfRange(text, lowest, highest);
        return false;
    }
    std::from_chars(text.data(), text.data() + text.size(), value);
    if (value < lowest || value > highest) {
        problem = OutOfRange(text, lowest, highest);
        return false;
    }
    return true;
}

bool ReadDecimal(std::string_view text, int highest, float& value, std::string& problem) {
    if (!IsPlainDecimal(text) || text.size() > 12) {
        problem = OutOfRange(text, 0, highest);
        return false;
    }
    std::from_chars(text.data(), text.data() + text.size(), value);
    if (value > static_cast<float>(highest)) {
        problem = OutOfRange(text, 0, highest);
        return false;
    }
    return true;
}

// yyyy-mm-dd, a real calendar day in the years the date box accepts.
bool ReadDate(std::string_view text, double& dayNumber, std::string& problem) {
    problem = std::string("\"").append(text).append("\" is not a date written yyyy-mm-dd");
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return false;
    if (!IsDigits(text.substr(0, 4)) || !IsDigits(text.substr(5, 2)) ||
        !IsDigits(text.substr(8, 2)))
        return false;
    int year = 0, month = 0, day = 0;
    std::from_chars(text.data(), text.data() + 4, year);
    std::from_chars(text.data() + 5, text.data() + 7, month);
    std::from_chars(text.data() + 8, text.data() + 10, day);
    if (year < 1753 || year > 2078)
        return false;
    dayNumber = DayNumberFromDate(year, month, day);
    if (DateFromDayNumber(dayNumber) != CalendarDate{year, month, day})
        return false;
    return true;
}

} // namespace

std::string RoundsCsvHeader() {
    std::string header;
    for (int i = 0; i < FieldCount; ++i)
        header.append(i ? "," : "").append(ColumnName(i));
    return header;
}

std::string RoundCsvRow(const TypedRound& r) {
    std::string row = FormatDate(r.EntryDate, "yyyy-mm-dd");
    for (int h = 1; h <= HoleCount; ++h)
        row.append(",").append(std::to_string(r.HoleScore[h]));
    for (int h = 1; h <= HoleCount; ++h)
        row.append(",").append(std::to_string(r.HolePutts[h]));
    for (float value : {r.RoundFairways, r.RoundPenalties, r.RoundSandShots, r.RoundSandSaves,
                        r.RoundSandAttempts})
        row.append(",").append(NumberText(value));
    return row;
}

std::string RoundsCsv(const std::vector<TypedRound>& rounds) {
    std::string text = RoundsCsvHeader() + "\n";
    for (const TypedRound& round : rounds)
        text.append(RoundCsvRow(round)).append("\n");
    return text;
}

std::variant<TypedRound, std::string> ParseRoundCsvRow(std::string_view line) {
    std::vector<std::string_view> fields = SplitFields(line);
    if (fields.size() != FieldCount)
        return "expected " + std::to_string(FieldCount) + " columns, found " +
               std::to_string(fields.size());
    TypedRound round;
    std::string problem;
    auto failure = [&](int column) {
        return std::string("column ").append(ColumnName(column)).append(": ").append(problem);
    };
    if (!ReadDate(fields[0], round.EntryDate, problem))
        return failure(0);
    for (int h = 1; h <= HoleCount; ++h) {
        if (!ReadWhole(fields[h], 0, 99, round.HoleScore[h], problem))
            return failure(h);
        if (!ReadWhole(fields[HoleCount + h], 0, 99, round.HolePutts[h], problem))
            return failure(HoleCount + h);
    }
    const int first = 2 * HoleCount + 1;
    int whole = 0;
    // Fairways and sand saves are whole numbers up to 18, as their boxes allow.
    if (!ReadWhole(fields[first], 0, HoleCount, whole, problem))
        return failure(first);
    round.RoundFairways = static_cast<float>(whole);
    if (!ReadDecimal(fields[first + 1], 99, round.RoundPenalties, problem))
        return failure(first + 1);
    if (!ReadDecimal(fields[first + 2], 99, round.RoundSandShots, problem))
        return failure(first + 2);
    if (!ReadWhole(fields[first + 3], 0, HoleCount, whole, problem))
        return failure(first + 3);
    round.RoundSandSaves = static_cast<float>(whole);
    if (!ReadDecimal(fields[first + 4], 99, round.RoundSandAttempts, problem))
        return failure(first + 4);
    return round;
}

std::variant<std::vector<TypedRound>, std::string> ParseRoundsCsv(std::string_view text,
                                                                  std::string_view fileName) {
    std::vector<TypedRound> rounds;
    int lineNumber = 0;
    bool headerSeen = false;
    int blankLine = 0;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        std::string_view line = text.substr(start, end - start);
        start = end == std::string_view::npos ? text.size() : end + 1;
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        auto where = std::string(fileName) + " line " + std::to_string(lineNumber) + ": ";
        if (!headerSeen) {
            if (line != RoundsCsvHeader())
                return where + "the first line must be the header " + RoundsCsvHeader();
            headerSeen = true;
            continue;
        }
        if (line.empty()) {
            if (blankLine == 0)
                blankLine = lineNumber;
            continue;
        }
        // Blank lines may end the file, but a round after one would be misnumbered.
        if (blankLine != 0)
            return std::string(fileName) + " line " + std::to_string(blankLine) +
                   ": an empty line between rounds";
        auto row = ParseRoundCsvRow(line);
        if (auto* problem = std::get_if<std::string>(&row))
            return where + *problem;
        rounds.push_back(std::get<TypedRound>(row));
    }
    if (!headerSeen)
        return std::string(fileName) + " line 1: the first line must be the header " +
               RoundsCsvHeader();
    return rounds;
}

FileResult WriteRoundsCsv(const std::string& path, const std::vector<TypedRound>& rounds) {
    return WriteFileAtomically(path, RoundsCsv(rounds));
}

} // namespace core
