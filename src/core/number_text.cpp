#include "core/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace core {
namespace {

constexpr int SingleDigits = 7;
constexpr int DoubleDigits = 15;

std::string ShortestForm(double value, int significantDigits, bool leadingZero) {
    if (value == 0.0)
        return "0"; // also catches -0
    // std::to_chars, unlike printf, ignores the user's locale: the point stays a point.
    char buffer[64];
    auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general,
                             significantDigits)
                   .ptr;
    std::string text(buffer, end);
    std::replace(text.begin(), text.end(), 'e', 'E');
    if (!leadingZero) {
        if (text.rfind("0.", 0) == 0)
            text.erase(0, 1);
        else if (text.rfind("-0.", 0) == 0)
            text.erase(1, 1);
    }
    return text;
}

std::string WithSignBlank(std::string text) {
    return text.front() == '-' ? text : " " + text;
}

struct Pattern {
    std::string prefix; // literals before the first digit placeholder
    std::string suffix; // literals after it, in order
    int integerRequired = 0;
    bool hasPoint = false;
    int fractionPlaces = 0;
    int fractionRequired = 0;
    bool percent = false;
};

Pattern ParsePattern(std::string_view text) {
    Pattern p;
    bool seenDigit = false;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        std::string literal;
        if (c == '\\' && i + 1 < text.size()) {
            literal = text[++i];
        } else if (c == '#' || c == '0') {
            seenDigit = true;
            if (p.hasPoint) {
                ++p.fractionPlaces;
                if (c == '0')
                    p.fractionRequired = p.fractionPlaces;
            } else if (c == '0') {
                ++p.integerRequired;
            }
            continue;
        } else if (c == '.' && !p.hasPoint) {
            seenDigit = true;
            p.hasPoint = true;
            continue;
        } else if (c == '%') {
            p.percent = true;
            literal = "%";
        } else {
            literal = c;
        }
        (seenDigit ? p.suffix : p.prefix) += literal;
    }
    return p;
}

void Increment(std::string& digits) {
    for (size_t i = digits.size(); i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return;
        }
        digits[i] = '0';
    }
    digits.insert(digits.begin(), '1');
}

// |value| x 10^places rounded half away from zero, taken from the value's
// decimal form with the given number of significant digits.
std::string ScaledDigits(double magnitude, int places, int significantDigits) {
    if (magnitude == 0.0 || !std::isfinite(magnitude))
        return "0";
    char buffer[64];
    auto end = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                             std::chars_format::scientific, significantDigits - 1)
                   .ptr;
    std::string mantissa;
    const char* p = buffer;
    for (; p != end && *p != 'e'; ++p)
        if (*p != '.')
            mantissa += *p;
    int exponent = std::atoi(std::string(p + 1, static_cast<const char*>(end)).c_str());
    int keep = exponent + 1 + places; // digits left of the rounding point
    if (keep < 0)
        return "0";
    if (keep == 0)
        return mantissa[0] >= '5' ? "1" : "0";
    std::string result = mantissa.substr(0, std::min<size_t>(keep, mantissa.size()));
    if (static_cast<size_t>(keep) < mantissa.size()) {
        if (mantissa[keep] >= '5')
            Increment(result);
    } else {
        result.append(keep - mantissa.size(), '0');
    }
    size_t firstNonZero = result.find_first_not_of('0');
    return firstNonZero == std::string::npos ? "0" : result.substr(firstNonZero);
}

std::string Format(double value, std::string_view patternText, int significantDigits) {
    Pattern p = ParsePattern(patternText);
    if (p.percent)
        value *= 100.0;
    std::string scaled = ScaledDigits(std::fabs(value), p.fractionPlaces, significantDigits);
    if (scaled.size() <= static_cast<size_t>(p.fractionPlaces))
        scaled.insert(0, p.fractionPlaces - scaled.size() + 1, '0');
    std::string integer = scaled.substr(0, scaled.size() - p.fractionPlaces);
    std::string fraction = scaled.substr(scaled.size() - p.fractionPlaces);
    bool isZero = scaled.find_first_not_of('0') == std::string::npos;

    integer.erase(0, std::min(integer.find_first_not_of('0'), integer.size()));
    if (integer.size() < static_cast<size_t>(p.integerRequired))
        integer.insert(0, p.integerRequired - integer.size(), '0');
    while (fraction.size() > static_cast<size_t>(p.fractionRequired) && fraction.back() == '0')
        fraction.pop_back();

    std::string text = (value < 0 && !isZero) ? "-" : "";
    text += p.prefix + integer;
    if (p.hasPoint)
        text += "." + fraction;
    return text + p.suffix;
}

} // namespace

std::string SignedText(float value) {
    return WithSignBlank(ShortestForm(value, SingleDigits, false));
}

std::string SignedText(double value) {
    return WithSignBlank(ShortestForm(value, DoubleDigits, false));
}

std::string SignedText(int value) {
    return WithSignBlank(std::to_string(value));
}

std::string PlainText(float value) {
    return ShortestForm(value, SingleDigits, true);
}

std::string PlainText(double value) {
    return ShortestForm(value, DoubleDigits, true);
}

std::string FormatNumber(float value, std::string_view pattern) {
    return Format(value, pattern, SingleDigits);
}

std::string FormatNumber(double value, std::string_view pattern) {
    return Format(value, pattern, DoubleDigits);
}

std::string FormatNumber(int value, std::string_view pattern) {
    return Format(value, pattern, DoubleDigits);
}

double ReadNumber(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    std::string number;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        number += text[i++];
    bool seenPoint = false;
    bool seenDigit = false;
    for (; i < text.size(); ++i) {
        char c = text[i];
        if (c >= '0' && c <= '9') {
            seenDigit = true;
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
        } else {
            break;
        }
        number += c;
    }
    if (!seenDigit)
        return 0.0;
    if (number.front() == '+')
        number.erase(0, 1);
    double value = 0.0;
    std::from_chars(number.data(), number.data() + number.size(), value);
    return value;
}

// Converting a double beyond int's range is undefined; a typed 99999999999 must not be.
static int ClampToInt(double value) {
    if (std::isnan(value))
        return 0;
    constexpr double lowest = std::numeric_limits<int>::min();
    constexpr double highest = std::numeric_limits<int>::max();
    return static_cast<int>(std::clamp(value, lowest, highest));
}

int RoundToWhole(double value) {
    return ClampToInt(std::nearbyint(value));
}

int WholePart(double value) {
    return ClampToInt(std::trunc(value));
}

std::string RightAlign(std::string_view text, int width) {
    std::string result(text);
    if (result.size() < static_cast<size_t>(width))
        result.insert(0, width - result.size(), ' ');
    return result;
}

} // namespace core
