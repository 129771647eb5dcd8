#pragma once

#include "core/handicap_state.h"

#include <array>
#include <optional>

// The handicap engine: the store of the last 20 rounds and the handicaps computed from
// it. Precision matters here: what the old program held in single precision is a float,
// so that stored differentials and indexes come out digit for digit as they always did.
namespace core {

// One validated round, as the handicap window hands it over.
struct HandicapRound {
    double date = 0; // day number
    float adjustedScore = 0;
    float courseRating = 0;
    float slopeRating = 0;
    bool tournament = false;
    // A tournament round's gross score; without one the adjusted score stands in.
    std::optional<double> grossScore;
};

// What the window shows after a round: how many differentials count, and the highest
// of them (both 0 with fewer than 5 rounds).
struct CountingResult {
    int counting = 0;
    float highest = 0;
};

// Adds a round to the store (newest first, the 21st slot is work space) and recomputes
// the pre-slope handicap, the handicap index and the counting mark.
CountingResult AddRound(HandicapState& handicap, const HandicapRound& round);

// How many of the lowest differentials count for n stored rounds (more than 20 count
// as 20).
int CountingNumber(int storedRounds);

// Cuts a number to the first four characters of its plain text and reads them back: a
// cut toward zero whose decimals depend on the size (13.108 -> 13.1, 9.5678 -> 9.56,
// -12.34 -> -12).
float TruncateToFourCharacters(float value);
double TruncateToFourCharacters(double value);

// One row of the pre-slope table: x from `from` up to, not including, `below`.
struct PreSlopeRow {
    double from;
    double below;
    int handicap;
};
constexpr int PreSlopeRowCount = 42;
const std::array<PreSlopeRow, PreSlopeRowCount>& PreSlopeTable();

// The pre-slope handicap for x, ten times the average of the counting pre-slope
// differentials; nothing when x is below the table.
std::optional<int> PreSlopeHandicapFor(double x);

// The allowance added to the mean of two tournament differentials, for c tournament
// rounds among the stored ones; 0 when c is below 2.
double TournamentAllowance(int tournamentRounds);

// Lowers HandicapIndex after exceptional tournament scores.
void ApplyTournamentReduction(HandicapState& handicap);

} // namespace core
