#pragma once

#include "core/course_state.h"
#include "core/handicap_engine.h"
#include "core/handicap_journal.h"
#include "core/round_folding.h"
#include "core/state.h"

#include <string>
#include <variant>

// How a round entered in a window becomes a journaled round.
namespace core {

// The round the score-entry window hands to the handicap window, as the WHS adjusts it:
// each hole capped at net double bogey for the player's WHS course handicap on the open
// course (par + 5 without one).
struct WhsHandOver {
    int whsAdjustedScore = 0;
    int par = 0; // 0 when the course's par is not known
};
WhsHandOver HandedOverWhsRound(const TypedRound& round, const CourseState& course,
                               const HandicapState& handicap);

// The journal's record of a round saved by "Save Differential": the handed-over WHS
// score when the adjusted score is still the one handed over, otherwise the adjusted
// score for both systems.
JournalRound JournalRoundOf(const HandicapRound& round, const EntryState& entry);

// A round as typed into the history's correction boxes.
struct RoundEditTexts {
    std::string date; // mm/dd/yyyy
    std::string adjustedScore;
    std::string courseRating;
    std::string slopeRating;
    bool tournament = false;
    std::string grossScore;
    std::string whsAdjustedScore;
    std::string par;
};
RoundEditTexts EditTextsOf(const JournalRound& round);
// The corrected round, or the message that refuses it (the checks of "Save
// Differential", an empty rating meaning 72 and an empty slope 113).
std::variant<JournalRound, std::string> CheckEditedRound(const RoundEditTexts& texts);

} // namespace core
