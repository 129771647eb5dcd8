#pragma once

#include "core/command_line.h"

#include <iosfwd>

// tarnwick --import-handicap-rounds ROUNDS.csv FILE.hcp
// tarnwick --export-handicap-rounds FILE.hcp
namespace core {

// Saves every row of the file as "Save Differential" would, journal included; all or
// nothing.
int RunImportHandicapRoundsCommand(const CommandArguments& arguments, std::ostream& out,
                                   std::ostream& err);

// The journaled rounds of a handicap file as CSV on out.
int RunExportHandicapRoundsCommand(const CommandArguments& arguments, std::ostream& out,
                                   std::ostream& err);

} // namespace core
