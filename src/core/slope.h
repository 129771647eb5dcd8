#pragma once

// The numbers of the slope system, named once for every rule that uses them.
namespace core {

// A course of standard difficulty: an index is a handicap on a tee of this slope.
inline constexpr int StandardSlope = 113;

// The range of a slope rating.
inline constexpr int LowestSlope = 80;
inline constexpr int HighestSlope = 150;

inline bool IsValidSlope(float slope) {
    return slope >= LowestSlope && slope <= HighestSlope;
}

} // namespace core
