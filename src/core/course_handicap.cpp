#include "core/course_handicap.h"

#include "core/number_text.h"

namespace core {

int CourseHandicap(float handicapIndex, float slope) {
    float product = handicapIndex * slope;
    float handicap = product / 113.0f;
    return RoundToWhole(handicap);
}

} // namespace core
