#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// The World Handicap System index, kept beside the slope-system index of the handicap
// engine. Every figure is held in whole tenths of a stroke, so that a half is exactly a
// half when it is rounded.
namespace core {

// numerator / denominator rounded to a whole number, a half away from zero.
long long RoundHalfAwayFromZero(long long numerator, long long denominator);

// A rating or slope as whole tenths: 72.3 -> 723, 113 -> 1130.
int ToTenths(double value);

// (113 / slope) x (adjusted gross - rating), in tenths.
int ScoreDifferentialTenths(int adjustedGross, int ratingTenths, int slopeTenths);

// How many of the lowest differentials count and what is added to their average, for a
// number of differentials (more than 20 count as 20); nothing below 3.
struct WhsCountingRule {
    int used = 0;
    int adjustmentTenths = 0;
};
std::optional<WhsCountingRule> WhsCountingRuleFor(int differentials);

// The highest index there is.
inline constexpr int WhsIndexLimitTenths = 540;

// An index of `averageTenths` held against the low index: the soft cap halves what lies
// more than 3.0 above it, the hard cap keeps it within 5.0.
struct CappedIndex {
    int indexTenths = 0;
    bool softCap = false;
    bool hardCap = false;
};
CappedIndex ApplyWhsCaps(int averageTenths, int lowIndexTenths);

// One round as the WHS needs it.
struct WhsRound {
    double date = 0; // day number
    int adjustedGross = 0;
    int ratingTenths = 0;
    int slopeTenths = 0;
};

// What the WHS shows after one round.
struct WhsRoundResult {
    size_t savedPosition = 0; // where the round is among the rounds as saved
    double date = 0;
    int differentialTenths = 0;
    std::optional<int> indexBefore; // the index in force when the round was played
    int reductionTenths = 0;        // exceptional score reduction it brings: 0, 10 or 20
    std::optional<int> indexTenths; // the index after it; nothing with fewer than 3
    std::optional<int> lowIndexTenths;
    bool softCap = false;
    bool hardCap = false;
};

// The rounds in play order and the state after the newest one.
struct WhsHistory {
    std::vector<WhsRoundResult> rounds; // by date, same-day rounds in the order saved
    std::optional<int> indexTenths;
    std::optional<int> lowIndexTenths;
    bool softCap = false;
    bool hardCap = false;
    int reductionTenths = 0; // the exceptional score reductions among the recent 20
    // Positions in `rounds` of the 20 most recent, newest first, and whether each counts.
    std::vector<size_t> recent;
    std::vector<bool> counting;
};

// Replays the rounds (given in the order they were saved) from the first.
WhsHistory ComputeWhsHistory(const std::vector<WhsRound>& roundsAsSaved);

// Course handicap = index x slope / 113 + (rating - par), a half away from zero.
int WhsCourseHandicap(int indexTenths, int slopeTenths, int ratingTenths, int par);

// Strokes a player of this course handicap receives on a hole of this stroke index; a
// plus handicap gives strokes back from stroke index 18 down (a negative number). A stroke
// index outside 1..18 (not set) receives only the whole 18s.
int StrokesReceived(int courseHandicap, int strokeIndex);

// A round's adjusted gross score with every hole capped at net double bogey (par + 2 +
// strokes received), or at par + 5 without a course handicap.
int NetDoubleBogeyScore(const std::array<int, 18>& strokes, const std::array<int, 18>& pars,
                        const std::array<int, 18>& strokeIndexes,
                        std::optional<int> courseHandicap);

// An index as golfers write it: "12.3", "0.0", a plus index "+1.4", "NH" without one.
std::string WhsIndexText(std::optional<int> indexTenths);
// Tenths as "#0.0": "12.3", "-1.4".
std::string TenthsText(int tenths);

} // namespace core
