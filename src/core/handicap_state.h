#pragma once

#include "core/course_state.h"

#include <string>

namespace core {

constexpr int HandicapSlots = 21; // 20 stored rounds, newest first; the 21st is work space
constexpr int PlusOneCode = 99;   // the pre-slope handicap "+1"

// One player's handicap file: the last 20 rounds submitted and the handicaps computed last.
struct HandicapState {
    std::string HandicapFileName;

    std::string HandicapPlayerName;
    int HomeSlope = 0;
    int RoundCount = 0;
    OneBased<double, HandicapSlots> LastScoreDate{};
    OneBased<int, HandicapSlots> LastAdjustedScore{};
    OneBased<float, HandicapSlots> PreSlopeDifferential{};
    OneBased<float, HandicapSlots> SlopeDifferential{};
    OneBased<float, HandicapSlots> TournamentDifferential{};
    OneBased<float, HandicapSlots> CountingMark{};
    OneBased<float, HandicapSlots> SpareMark{};
    int PreSlopeHandicap = 0;
    float HandicapIndex = 0;

    friend bool operator==(const HandicapState&, const HandicapState&) = default;
};

} // namespace core
