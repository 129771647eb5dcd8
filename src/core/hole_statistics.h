#pragma once

#include "core/course_state.h"

#include <array>
#include <string>

// Hole-by-hole figures: results against par per hole, the ranking of the holes from
// best to worst, and one hole's results as percentages.
namespace core {

// Results of a hole are counted in five classes, par-3 .. par+1; "others" is what is
// left of the rounds.
constexpr int ResultClassCount = 5;

// Rounds whose score on the hole fell outside the five classes.
float HoleOthers(const CourseState& course, int hole);

// One hole's column of the hole-by-hole window.
struct HoleColumn {
    std::string par;
    std::array<std::string, ResultClassCount> results; // double eagle .. bogey
    std::string others;
    std::string average;
    friend bool operator==(const HoleColumn&, const HoleColumn&) = default;
};

using HoleTable = OneBased<HoleColumn, HoleCount>;

HoleTable ComputeHoleTable(const CourseState& course);

// The ranking: entries 1..18 are the ranked positions, best (lowest average minus par)
// first; entry 0 is unused.
struct HoleRanking {
    OneBased<float, HoleCount> value{}; // average strokes minus par
    OneBased<float, HoleCount> hole{};
    OneBased<int, HoleCount> handicap{};
};

// Sorted by average minus par; holes with equal values keep hole order.
HoleRanking RankHoles(const CourseState& course);

struct RankingRow {
    std::string hole;
    std::string handicap; // empty when the hole has no handicap rating
    std::string plusMinus;
    friend bool operator==(const RankingRow&, const RankingRow&) = default;
};

// The ranking panel, rows 1..18 top to bottom.
OneBased<RankingRow, HoleCount> ComputeRankingRows(const CourseState& course);

// One hole's results as percentages of the rounds: double eagles, eagles, birdies,
// pars, bogeys, others.
struct HolePercentages {
    std::string caption;
    std::array<std::string, ResultClassCount + 1> values;
};

HolePercentages ComputeHolePercentages(const CourseState& course, int hole);

} // namespace core
