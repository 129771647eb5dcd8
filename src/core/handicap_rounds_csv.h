#pragma once

#include "core/handicap_journal.h"

#include <string>
#include <string_view>
#include <variant>
#include <vector>

// Handicap rounds as comma-separated values: what --import-handicap-rounds reads,
// --export-handicap-rounds writes, and the journal holds one row of per round.
namespace core {

inline constexpr std::string_view HandicapRoundsHeader =
    "date,adjusted_score,course_rating,slope_rating,tournament,gross_score,whs_adjusted_score,par";

// The largest whole number a row holds.
inline constexpr double MaxGrossScore = 999999999;

std::string HandicapRoundRow(const JournalRound& round);
std::string HandicapRoundsCsv(const std::vector<JournalRound>& rounds);

// A row refused: the 1-based column and why.
struct RoundRowError {
    int column = 0;
    std::string message;
};
// One row checked as "Save Differential" checks a round: an empty rating is 72, an
// empty slope 113, the scores lose their fraction, and the same ranges apply.
std::variant<JournalRound, RoundRowError> ParseHandicapRoundRow(std::string_view row);

// A whole file: the header, then the rows. A refusal names the file, line and column.
std::variant<std::vector<JournalRound>, std::string>
ParseHandicapRoundsCsv(std::string_view text, const std::string& fileName);

} // namespace core
