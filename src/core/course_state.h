#pragma once

#include <array>
#include <string>

namespace core {

// Holes are numbered 1..18 and recent rounds 1..21: element 0 of those arrays is unused,
// so code reads like the rules it follows.
template <typename T, int Last> using OneBased = std::array<T, Last + 1>;

constexpr int HoleCount = 18;
constexpr int RecentSlots = 21; // 20 kept, the 21st is work space
constexpr int LengthClassCount = 9;

// Nine classes of par and yardage, in the order the course file stores them.
enum LengthClass {
    ShortPar3 = 0,
    ShortPar4 = 1,
    ShortPar5 = 2,
    MediumPar3 = 3,
    MediumPar4 = 4,
    MediumPar5 = 5,
    LongPar3 = 6,
    LongPar4 = 7,
    LongPar5 = 8,
};

// A date that may be held either as a date value (written #yyyy-mm-dd#) or as a
// day number (written as a plain number); the form survives a rewrite.
struct VariantDate {
    double dayNumber = 0;
    bool isDateValue = false;
    friend bool operator==(const VariantDate&, const VariantDate&) = default;
};

// One course as played from one set of tees, with the statistics of every round
// recorded on it. Counters the old files hold in 16 bits are widened here; the file
// format is unchanged.
struct CourseState {
    std::string CourseFileName;

    VariantDate FirstDate;
    double LastDate = 0;
    std::string PlayerName;
    std::string CourseName;
    std::string TeeName;
    float CourseRating = 0;
    float CourseSlope = 0;
    int FairwaysPerRound = 0;
    OneBased<int, HoleCount> HolePar{};
    OneBased<int, HoleCount> HoleHandicap{};
    OneBased<double, HoleCount> HoleYards{};
    std::array<int, LengthClassCount> LengthClassHoles{};

    float GamesRecorded = 0;
    int FrontStrokesTotal = 0;
    int BackStrokesTotal = 0;
    int RoundStrokesTotal = 0;
    int BestRound = 0;
    int BestFront = 0;
    int BestBack = 0;
    int RoundsUnder100 = 0;
    int RoundsUnder90 = 0;
    int RoundsUnder80 = 0;
    int RoundsUnder70 = 0;
    OneBased<int, HoleCount> HoleStrokes{};
    // Per hole, rounds scored par-3, par-2, par-1, par, par+1 (classes 0..4).
    OneBased<std::array<int, 5>, HoleCount> HoleResults{};
    int FrontUnder40 = 0;
    int BackUnder40 = 0;
    int FrontPuttsTotal = 0;
    int BackPuttsTotal = 0;
    int RoundPuttsTotal = 0;
    float LowFrontPutts = 0;
    float LowBackPutts = 0;
    float LowRoundPutts = 0;
    std::array<int, 3> ParHolesPlayed{};  // par 3, 4, 5
    std::array<int, 3> ParStrokesTotal{}; // par 3, 4, 5
    float OnePuttTotal = 0;
    float TwoPuttTotal = 0;
    float ThreePuttTotal = 0;
    float ChipInTotal = 0;
    float SandSaveTotal = 0;
    float GreensInRegulationTotal = 0;
    float GreensInRegulationPutts = 0;
    float FairwaysHitTotal = 0;
    float ParsTotal = 0;
    float BogeysTotal = 0;
    float BirdiesTotal = 0;
    float EaglesTotal = 0;
    float DoubleEaglesTotal = 0;
    float OthersTotal = 0;
    int PenaltyTotal = 0;
    std::array<int, LengthClassCount> LengthClassStrokes{};
    double HighestRound = 0;
    double MostSubParHoles = 0;
    double MostPars = 0;
    int MostOverParHoles = 0;
    double RecentCount = 0;
    OneBased<int, RecentSlots> RecentRoundScore{};
    OneBased<int, RecentSlots> RecentFrontScore{};
    OneBased<int, RecentSlots> RecentBackScore{};
    OneBased<int, RecentSlots> RecentRoundPutts{};
    OneBased<int, RecentSlots> RecentFrontPutts{};
    OneBased<int, RecentSlots> RecentBackPutts{};
    OneBased<int, RecentSlots> RecentFairways{};
    OneBased<int, RecentSlots> RecentGreens{};
    double BunkerShotTotal = 0;
    int SandSaveAttempts = 0;

    friend bool operator==(const CourseState&, const CourseState&) = default;
};

} // namespace core
