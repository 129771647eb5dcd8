#pragma once

#include "core/round_journal.h"

#include <string>
#include <vector>

// What the "Round History" window shows.
namespace core {

struct RoundListRow {
    size_t index = 0; // in the journal, 0 = the oldest
    std::string date; // mm/dd/yyyy
    std::string front, back, total, putts, fairways, greens, penalties;
};

// The journaled rounds, newest first.
std::vector<RoundListRow> RoundListNewestFirst(const CourseState& course,
                                               const std::vector<TypedRound>& rounds);

// The line about rounds in the totals that the history cannot list; empty when none.
std::string EarlierRoundsText(int earlierRounds);

// Why the rounds can be looked at but not changed; empty when they can be changed.
std::string ReadOnlyText(const RoundHistory& history);

inline constexpr std::string_view HandicapNoteText =
    "Correcting or removing a round here does not change a handicap already handed over.";

} // namespace core
