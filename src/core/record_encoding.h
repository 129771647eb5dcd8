#pragma once

#include "core/course_state.h"

#include <string>
#include <string_view>

// The record text encoding of the data files: one record per line ended by CR LF,
// fields separated by single commas, texts between double quotes, numbers in plain
// decimal form, and dates held as date values written as #yyyy-mm-dd#.
namespace core {

class RecordWriter {
public:
    RecordWriter& text(std::string_view value);
    RecordWriter& number(int value);
    RecordWriter& number(float value);  // up to 7 significant digits
    RecordWriter& number(double value); // up to 15 significant digits
    RecordWriter& date(const VariantDate& value);
    RecordWriter& zeros(int count);
    RecordWriter& endLine();

    const std::string& content() const { return content_; }

    // The reader refuses infinities and NaN: the first such number written, as "line L,
    // field F holds inf", or empty when every number can be read back.
    const std::string& unreadableNumber() const { return unreadable_; }

private:
    void separate();
    void checkReadable(double value);
    std::string content_;
    bool lineStarted_ = false;
    int line_ = 1;
    int field_ = 0;
    std::string unreadable_;
};

// Texts cannot hold a line break (it would end the record). There is no escape for a
// double quote: a text holding one is written without quotes, which only works when
// it holds no comma, has no blank at either end and does not start with the quote.
bool IsStorableText(std::string_view text);

std::string DateLiteral(double dayNumber);

// Takes fields back one after another, across line ends. The first failure is kept
// (naming the file, line and field) and every later read returns an empty value.
class RecordReader {
public:
    RecordReader(std::string_view content, std::string fileName);

    std::string text(std::string_view field);
    double number(std::string_view field); // a date literal reads as its day number
    int integer(std::string_view field);
    float single(std::string_view field);
    VariantDate date(std::string_view field);

    // Nothing but blank lines is left.
    bool atEnd() const;
    bool failed() const { return !error_.empty(); }
    const std::string& error() const { return error_; }
    int line() const { return line_; }

private:
    // A number outside [lowest, highest] is an error.
    double number(std::string_view field, double lowest, double highest);
    bool nextField(std::string_view field, std::string& raw, bool& quoted);
    void fail(std::string_view field, std::string_view why);
    void skipBlanks();

    std::string_view content_;
    std::string fileName_;
    size_t position_ = 0;
    size_t contentEnd_ = 0; // after the last character that is not blank
    int line_ = 1;
    std::string error_;
};

} // namespace core
