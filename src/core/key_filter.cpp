#include "core/key_filter.h"

#include "core/number_text.h"

#include <algorithm>

namespace core {

bool AcceptsDigit(std::string_view text, int selectionStart, int selectionLength, char digit,
                  double minimum, double maximum) {
    if (digit < '0' || digit > '9')
        return false;
    size_t start = std::min<size_t>(std::max(selectionStart, 0), text.size());
    size_t length = std::min<size_t>(std::max(selectionLength, 0), text.size() - start);
    std::string candidate(text);
    candidate.replace(start, length, 1, digit);
    double value = ReadNumber(candidate);
    return value >= minimum && value <= maximum;
}

bool AcceptsTextCharacter(char32_t character) {
    return character != U'"';
}

} // namespace core
