#include "core/record_encoding.h"

#include "core/day_number.h"
#include "core/number_text.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace core {
namespace {

// #yyyy-mm-dd#, from the year 100 on: dates are written from that year to 9999, and a
// date the writer cannot write would not survive a rewrite.
bool ParseDateLiteral(std::string_view raw, double& dayNumber) {
    if (raw.size() < 2 || raw.front() != '#' || raw.back() != '#')
        return false;
    std::string_view inner = raw.substr(1, raw.size() - 2);
    int parts[3] = {0, 0, 0};
    size_t start = 0;
    for (int i = 0; i < 3; ++i) {
        size_t end = i < 2 ? inner.find('-', start) : inner.size();
        if (end == std::string_view::npos || end == start)
            return false;
        auto [ptr, ec] = std::from_chars(inner.data() + start, inner.data() + end, parts[i]);
        if (ec != std::errc() || ptr != inner.data() + end)
            return false;
        start = end + 1;
    }
    if (parts[0] < 100 || parts[0] > 9999 || parts[1] < 1 || parts[1] > 12 || parts[2] < 1 ||
        parts[2] > 31)
        return false;
    dayNumber = DayNumberFromDate(parts[0], parts[1], parts[2]);
    return true;
}

// A plain decimal number, with or without a zero before the point.
bool ParsePlainNumber(std::string_view raw, double& value) {
    if (raw.empty())
        return false;
    std::string text(raw);
    if (text.front() == '+')
        text.erase(0, 1);
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && ptr == text.data() + text.size() && std::isfinite(value);
}

// The largest number a field may hold: written with 15 digits, a number closer to the
// largest double would round beyond it and never read back.
constexpr double LargestNumber = 1e308;

// A bad field is quoted in messages, but only its beginning: a file that is no data
// file at all may hold megabytes of anything in one field.
std::string Excerpt(std::string_view raw) {
    constexpr size_t Longest = 40;
    size_t end = raw.size();
    if (raw.size() > Longest) {
        end = Longest - 3;
        while (end > 0 && (static_cast<unsigned char>(raw[end]) & 0xC0) == 0x80)
            --end; // not inside a character
    }
    std::string shown = "\"";
    for (char c : raw.substr(0, end))
        shown += static_cast<unsigned char>(c) < 0x20 || c == 0x7f ? '?' : c;
    if (end < raw.size())
        shown += "...";
    return shown + "\"";
}

// A text with a double quote cannot go between quotes; it can be written bare when
// the reader takes it back unchanged that way: no comma or line break, no blank at
// either end, and no quote at the start (it would open a quoted text).
bool NeedsBareText(std::string_view text) {
    return text.find('"') != std::string_view::npos;
}

bool CanBeBare(std::string_view text) {
    auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    return !text.empty() && text.find_first_of(",\r\n") == std::string_view::npos &&
           text.front() != '"' && !isBlank(text.front()) && !isBlank(text.back());
}

// What a number becomes once written with the writer's digits and read back: the
// reader keeps only what the file can hold, so that rewriting a file changes nothing.
double AsWritten(double value) {
    double stored = 0;
    return ParsePlainNumber(PlainText(value), stored) ? stored : value;
}

float AsWritten(float value) {
    double stored = 0;
    return ParsePlainNumber(PlainText(value), stored) ? static_cast<float>(stored) : value;
}

} // namespace

void RecordWriter::separate() {
    if (lineStarted_)
        content_ += ',';
    lineStarted_ = true;
    ++field_;
}

void RecordWriter::checkReadable(double value) {
    if (std::isfinite(value) || !unreadable_.empty())
        return;
    unreadable_ = "line " + std::to_string(line_) + ", field " + std::to_string(field_) +
                  " holds " +
                  (std::isnan(value) ? "nan"
                   : value > 0       ? "inf"
                                     : "-inf");
}

RecordWriter& RecordWriter::text(std::string_view value) {
    separate();
    if (NeedsBareText(value)) {
        content_ += value;
        return *this;
    }
    content_ += '"';
    content_ += value;
    content_ += '"';
    return *this;
}

RecordWriter& RecordWriter::number(int value) {
    separate();
    content_ += std::to_string(value);
    return *this;
}

RecordWriter& RecordWriter::number(float value) {
    separate();
    checkReadable(value);
    content_ += PlainText(value);
    return *this;
}

RecordWriter& RecordWriter::number(double value) {
    separate();
    checkReadable(value);
    content_ += PlainText(value);
    return *this;
}

RecordWriter& RecordWriter::date(const VariantDate& value) {
    if (value.isDateValue) {
        separate();
        content_ += DateLiteral(value.dayNumber);
        return *this;
    }
    return number(value.dayNumber);
}

RecordWriter& RecordWriter::zeros(int count) {
    for (int i = 0; i < count; ++i)
        number(0);
    return *this;
}

RecordWriter& RecordWriter::endLine() {
    content_ += "\r\n";
    lineStarted_ = false;
    ++line_;
    field_ = 0;
    return *this;
}

bool IsStorableText(std::string_view text) {
    if (NeedsBareText(text))
        return CanBeBare(text);
    return text.find_first_of("\r\n") == std::string_view::npos;
}

std::string DateLiteral(double dayNumber) {
    return std::string("#").append(FormatDate(dayNumber, "yyyy-mm-dd")).append("#");
}

RecordReader::RecordReader(std::string_view content, std::string fileName)
    : content_(content), fileName_(std::move(fileName)) {
    size_t last = content_.find_last_not_of(" \t\r\n");
    contentEnd_ = last == std::string_view::npos ? 0 : last + 1;
}

void RecordReader::skipBlanks() {
    while (position_ < content_.size() &&
           (content_[position_] == ' ' || content_[position_] == '\t'))
        ++position_;
}

bool RecordReader::atEnd() const {
    return position_ >= contentEnd_;
}

void RecordReader::fail(std::string_view field, std::string_view why) {
    if (failed())
        return;
    error_ = fileName_ + ", line " + std::to_string(line_) + ", field " + std::string(field) +
             ": " + std::string(why);
}

bool RecordReader::nextField(std::string_view field, std::string& raw, bool& quoted) {
    raw.clear();
    quoted = false;
    if (failed())
        return false;
    if (atEnd()) {
        fail(field, "the file ends here");
        return false;
    }
    skipBlanks();
    if (position_ < content_.size() && content_[position_] == '"') {
        size_t close = content_.find('"', position_ + 1);
        if (close == std::string_view::npos) {
            fail(field, "a text has no closing quote");
            return false;
        }
        raw = std::string(content_.substr(position_ + 1, close - position_ - 1));
        if (raw.find_first_of("\r\n") != std::string::npos) {
            fail(field, "a text runs over the end of its line");
            return false;
        }
        quoted = true;
        position_ = close + 1;
        skipBlanks();
    } else {
        size_t end = position_;
        while (end < content_.size() && content_[end] != ',' && content_[end] != '\r' &&
               content_[end] != '\n')
            ++end;
        std::string_view value = content_.substr(position_, end - position_);
        while (!value.empty() && (value.back() == ' ' || value.back() == '\t'))
            value.remove_suffix(1);
        raw = std::string(value);
        position_ = end;
    }
    // The field ends at a comma or at the end of its line.
    if (position_ < content_.size()) {
        char c = content_[position_];
        if (c == ',') {
            ++position_;
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && position_ + 1 < content_.size() && content_[position_ + 1] == '\n')
                ++position_;
            ++position_;
            ++line_;
        } else {
            fail(field, "unexpected text after a quoted text");
            return false;
        }
    }
    return true;
}

std::string RecordReader::text(std::string_view field) {
    std::string raw;
    bool quoted = false;
    nextField(field, raw, quoted);
    return raw;
}

double RecordReader::number(std::string_view field) {
    return AsWritten(number(field, -LargestNumber, LargestNumber));
}

double RecordReader::number(std::string_view field, double lowest, double highest) {
    std::string raw;
    bool quoted = false;
    int line = line_;
    if (!nextField(field, raw, quoted))
        return 0;
    double value = 0;
    if (!quoted && (raw.empty() || ParsePlainNumber(raw, value) || ParseDateLiteral(raw, value))) {
        if (value >= lowest && value <= highest)
            return value;
        line_ = line;
        fail(field, Excerpt(raw) + " is out of range");
        return 0;
    }
    line_ = line;
    fail(field, Excerpt(raw) + " is not a number");
    return 0;
}

int RecordReader::integer(std::string_view field) {
    return RoundToWhole(
        number(field, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

float RecordReader::single(std::string_view field) {
    return AsWritten(static_cast<float>(
        number(field, -std::numeric_limits<float>::max(), std::numeric_limits<float>::max())));
}

VariantDate RecordReader::date(std::string_view field) {
    std::string raw;
    bool quoted = false;
    int line = line_;
    if (!nextField(field, raw, quoted))
        return {};
    VariantDate value;
    if (!quoted && ParseDateLiteral(raw, value.dayNumber)) {
        value.isDateValue = true;
        return value;
    }
    if (!quoted && (raw.empty() || ParsePlainNumber(raw, value.dayNumber))) {
        if (std::abs(value.dayNumber) > LargestNumber) {
            line_ = line;
            fail(field, Excerpt(raw) + " is out of range");
            return {};
        }
        value.dayNumber = AsWritten(value.dayNumber);
        return value;
    }
    line_ = line;
    fail(field, Excerpt(raw) + " is not a date");
    return {};
}

} // namespace core
