#include "core/key_filter.h"

#include "core/number_text.h"
#include "core/record_encoding.h"

#include <algorithm>

namespace core {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool ValueInRange(std::string_view text, double minimum, double maximum) {
    double value = ReadNumber(text);
    return value >= minimum && value <= maximum;
}

// `shorter` is `longer` with some characters taken out.
bool IsTakenOutOf(std::string_view shorter, std::string_view longer) {
    if (shorter.size() >= longer.size())
        return false;
    size_t i = 0;
    for (char c : longer)
        if (i < shorter.size() && shorter[i] == c)
            ++i;
    return i == shorter.size();
}

} // namespace

bool AcceptsDigit(std::string_view text, int selectionStart, int selectionLength, char digit,
                  double minimum, double maximum) {
    if (!IsDigit(digit))
        return false;
    size_t start = std::min<size_t>(std::max(selectionStart, 0), text.size());
    size_t length = std::min<size_t>(std::max(selectionLength, 0), text.size() - start);
    std::string candidate(text);
    candidate.replace(start, length, 1, digit);
    return ValueInRange(candidate, minimum, maximum);
}

bool IsDigitBoxText(std::string_view text, double minimum, double maximum) {
    if (text.empty())
        return true;
    return std::all_of(text.begin(), text.end(), IsDigit) && ValueInRange(text, minimum, maximum);
}

bool AcceptsDigitBoxChange(std::string_view before, std::string_view after, double minimum,
                           double maximum) {
    return after == before || IsTakenOutOf(after, before) ||
           IsDigitBoxText(after, minimum, maximum);
}

bool AcceptsDecimalCharacter(char32_t character) {
    return (character >= U'0' && character <= U'9') || character == U'.';
}

bool IsDecimalBoxText(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return AcceptsDecimalCharacter(static_cast<char32_t>(c)); });
}

bool AcceptsTextCharacter(char32_t character) {
    if (character > 0x7F)
        return true;
    const char ascii = static_cast<char>(character);
    return IsStorableText(std::string_view(&ascii, 1));
}

} // namespace core
