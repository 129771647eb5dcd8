#pragma once

namespace core {

// The course handicap for an index on a tee of the given slope: index x slope / 113 in
// single precision, rounded to a whole number with a half going to the even neighbour.
int CourseHandicap(float handicapIndex, float slope);

} // namespace core
