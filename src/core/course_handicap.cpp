#include "core/course_handicap.h"

#include "core/number_text.h"
#include "core/slope.h"

namespace core {

int CourseHandicap(float handicapIndex, float slope) {
    float product = handicapIndex * slope;
    float handicap = product / StandardSlope;
    return RoundToWhole(handicap);
}

} // namespace core
