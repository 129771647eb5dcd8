#include "core/slope_converter.h"

#include "core/number_text.h"
#include "core/slope.h"

#include <cmath>

namespace core {

std::string ConverterIndexText(float handicapIndex) {
    return handicapIndex == 0 ? std::string() : SignedText(handicapIndex);
}

std::string ConvertedHandicapText(std::string_view indexText, std::string_view slopeText) {
    double index = ReadNumber(indexText);
    double slope = ReadNumber(slopeText);
    double handicap = index * slope / StandardSlope;
    // Rounded as a double: no range applies to what is typed, so the result may not fit
    // an integer.
    return SignedText(std::nearbyint(handicap));
}

} // namespace core
