#pragma once

#include "core/file_result.h"
#include "core/handicap_engine.h"
#include "core/handicap_state.h"
#include "core/whs_index.h"

#include <optional>
#include <string>
#include <vector>

// The handicap journal: every round saved into a handicap file, kept in a file beside it
// ("Smith.hcp.journal"), so that the WHS index can look further back than the 20 rows of
// the handicap file and a round can be corrected or removed by replaying the rest.
namespace core {

// One round as it was saved.
struct JournalRound {
    double date = 0;       // day number
    int adjustedScore = 0; // for the slope system
    float courseRating = 0;
    float slopeRating = 0;
    bool tournament = false;
    std::optional<int> grossScore;
    int whsAdjustedScore = 0;
    std::optional<int> par;

    friend bool operator==(const JournalRound&, const JournalRound&) = default;
};

struct HandicapJournal {
    // The handicap file before the first journaled round; replays start from it.
    std::string baseFile;
    std::vector<JournalRound> rounds; // in the order saved
    // Digests of the handicap file written with the last round and of the one before.
    std::string fileDigest;
    std::string previousDigest;
    // Why the journal no longer matches its handicap file; kept once found.
    std::string disagreement;
};

std::string JournalPathFor(const std::string& handicapPath);
// A digest of a file's bytes, enough to tell two versions apart.
std::string ContentDigest(const std::string& content);

std::string JournalText(const HandicapJournal& journal);
// nullopt with `error` set when the text is not a journal.
std::optional<HandicapJournal> ParseJournal(const std::string& text, std::string& error);

// The journal beside a handicap file, and whether it describes the handicap state.
struct JournalReading {
    enum class Status { Missing, Agrees, Disagrees, Unreadable };
    Status status = Status::Missing;
    HandicapJournal journal;
    std::string reason; // for Disagrees and Unreadable: one line for the user
    bool editable() const { return status == Status::Agrees; }
};
JournalReading ReadJournalFor(const HandicapState& handicap);

// The round as the handicap engine takes it.
HandicapRound EngineRound(const JournalRound& round);
WhsRound WhsRoundOf(const JournalRound& round);
std::vector<WhsRound> WhsRoundsOf(const HandicapJournal& journal);

// Adds a round to the handicap state and writes the journal, then the handicap file:
// a crash between the two leaves a journal whose digest the file does not have.
struct JournaledSave {
    FileResult handicapFile;
    FileResult journal;
};
JournaledSave AddJournaledRounds(HandicapState& handicap, const std::vector<JournalRound>& rounds,
                                 std::vector<CountingResult>* results = nullptr);

// The handicap state of the journal's base with its rounds added in the order saved.
// `oldIndexes`, when given, gets the slope-system differential and index after each round.
struct EngineStep {
    float slopeDifferential = 0;
    float handicapIndex = 0;
};
std::optional<HandicapState> ReplayJournal(const HandicapJournal& journal,
                                           const std::string& handicapFileName,
                                           std::vector<EngineStep>* steps = nullptr);

// Replaces the journal's rounds (after a correction or removal), replays them and
// rewrites the journal and the handicap file. Refused when the journal disagrees.
JournaledSave RewriteJournaledRounds(HandicapState& handicap, std::vector<JournalRound> rounds);

} // namespace core
