#pragma once

#include "core/file_result.h"
#include "core/round_folding.h"

#include <string>
#include <string_view>
#include <variant>
#include <vector>

// Rounds as comma-separated text, one round per line under a header: the format of
// "Export Rounds...", of --export-rounds and --import-rounds, and of the rows of the
// round journal. Numbers are plain decimal with "." whatever the locale; dates yyyy-mm-dd.
namespace core {

// date,s1..s18,p1..p18,fairways,penalties,sand_shots,sand_saves,sand_attempts
std::string RoundsCsvHeader();

// One round as a line, without its line end.
std::string RoundCsvRow(const TypedRound& round);

// The header and one line per round, each ended by a line feed.
std::string RoundsCsv(const std::vector<TypedRound>& rounds);

// Reads one line of rounds. On failure the string names the column and what is wrong.
std::variant<TypedRound, std::string> ParseRoundCsvRow(std::string_view line);

// Reads a whole file of rounds; a failure names the file, the line and the column.
std::variant<std::vector<TypedRound>, std::string> ParseRoundsCsv(std::string_view text,
                                                                  std::string_view fileName);

// Writes the rounds, header first, to a file (atomically).
FileResult WriteRoundsCsv(const std::string& path, const std::vector<TypedRound>& rounds);

} // namespace core
