#pragma once

#include <string>
#include <string_view>

// The slope index converter: the handicap an index gives on a course of any slope.
namespace core {

// What the index box starts with: nothing for an index of 0.
std::string ConverterIndexText(float handicapIndex);

// index x slope / 113 in double precision, rounded to a whole number (halves to the
// even neighbour), as signed text: " 13", "-2". Texts that are not numbers count as 0.
std::string ConvertedHandicapText(std::string_view indexText, std::string_view slopeText);

} // namespace core
