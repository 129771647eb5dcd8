#pragma once

#include <string>
#include <string_view>

// What the entry boxes let in, whether a key is pressed or a whole text arrives at once
// (pasted, dropped, committed by an input method).
namespace core {

// The key filter of the numeric entry boxes: a digit is accepted only when the text
// with the digit in place of the selection reads as a value inside [minimum, maximum].
bool AcceptsDigit(std::string_view text, int selectionStart, int selectionLength, char digit,
                  double minimum, double maximum);

// The whole text of such a box: only digits, as the keys allow, and a value inside
// [minimum, maximum]; the empty box is always allowed.
bool IsDigitBoxText(std::string_view text, double minimum, double maximum);

// Whether a numeric box may go from `before` to `after` however the change arrives:
// taking characters out is always allowed, as backspace is; any other change must leave
// a text that IsDigitBoxText accepts, so a paste is refused exactly as the key would be.
bool AcceptsDigitBoxChange(std::string_view before, std::string_view after, double minimum,
                           double maximum);

// The rating box of a new course takes digits and the point, whatever the value.
bool AcceptsDecimalCharacter(char32_t character);
bool IsDecimalBoxText(std::string_view text);

// Texts stored in the data files cannot hold a double quote or a line break.
bool AcceptsTextCharacter(char32_t character);

} // namespace core
