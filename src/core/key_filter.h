#pragma once

#include <string>
#include <string_view>

namespace core {

// The key filter of the numeric entry boxes: a digit is accepted only when the text
// with the digit in place of the selection reads as a value inside [minimum, maximum].
bool AcceptsDigit(std::string_view text, int selectionStart, int selectionLength, char digit,
                  double minimum, double maximum);

// Texts stored in the data files cannot hold a double quote.
bool AcceptsTextCharacter(char32_t character);

} // namespace core
