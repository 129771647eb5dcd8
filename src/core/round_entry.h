#pragma once

#include "core/handicap_state.h"
#include "core/round_folding.h"

#include <string>
#include <string_view>

// Rules of the score-entry window that need no window.
namespace core {

// Entries that are possible but unlikely enough to ask about.
constexpr int ScoreQueryFrom = 15;
constexpr int PuttsQueryFrom = 10;

// The whole number a score or putt box stands for.
int HoleValueFromText(std::string_view text);

struct RoundDateCheck {
    bool valid = false;
    double dayNumber = 0; // the round's date when valid
};

// Reads the date box "mm/dd/yyyy": month 1..12, day 1..31, year 1753..2078, a day past the
// month's end running on into the next month. The separators are not checked. A text of
// any length other than 10 stands for today and is never refused.
RoundDateCheck ValidateRoundDate(std::string_view boxText, double today);

// The four bands of the course handicap, beside the four standard stroke-control totals.
enum class HandicapBand { ZeroOrPlus = 0, OneTo18 = 1, NineteenTo32 = 2, ThirtyThreeUp = 3 };

// The band of the player's course handicap on a course of the given slope. A player with
// fewer than 5 stored rounds has no index yet and is placed in the highest band, whose
// total caps each hole at par + 4.
HandicapBand HandicapBandFor(const HandicapState& handicap, float courseSlope);

// The adjusted gross score handed to the handicap window: the standard total of the
// player's band.
int HandedOverAdjustedScore(const RoundFigures& figures, const HandicapState& handicap,
                            float courseSlope);

} // namespace core
