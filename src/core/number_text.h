#pragma once

#include <string>
#include <string_view>

// The program's number texts, shared by every window, file and report.
namespace core {

// Shortest decimal form with one blank before a value that is not negative and
// no zero before the point: " 5", " .5", "-.25". Singles keep 7 significant
// digits, doubles 15.
std::string SignedText(float value);
std::string SignedText(double value);
std::string SignedText(int value);

// The same digits without the blank and with a leading zero: "5", "0.5", "-0.25".
std::string PlainText(float value);
std::string PlainText(double value);

// Formats with a numeric pattern: '#' optional digit, '0' required digit, '.'
// the decimal point, '\x' the literal x, a bare '%' multiplies by 100 and shows
// a percent sign; everything else is copied. Halves round away from zero.
// A pattern of only '#' gives the empty text for 0.
std::string FormatNumber(float value, std::string_view pattern);
std::string FormatNumber(double value, std::string_view pattern);
std::string FormatNumber(int value, std::string_view pattern);

// Reads a typed number leniently: leading blanks skipped, an optional sign,
// digits with at most one decimal point up to the first other character.
// Empty or non-numeric text reads as 0.
double ReadNumber(std::string_view text);

// Whole-number conversion: a half goes to the even neighbour (12.5 -> 12, 13.5 -> 14).
int RoundToWhole(double value);

// Drops the fraction, toward zero (85.7 -> 85).
int WholePart(double value);

// Right-aligns text in a field of width characters; longer text stays whole.
std::string RightAlign(std::string_view text, int width);

} // namespace core
