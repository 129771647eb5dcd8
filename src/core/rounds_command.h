#pragma once

#include "core/command_line.h"

#include <iosfwd>

// tarnwick --export-rounds FILE.crs
// tarnwick --import-rounds ROUNDS.csv FILE.crs
namespace core {

int RunExportRoundsCommand(const CommandArguments& arguments, std::ostream& out, std::ostream& err);
int RunImportRoundsCommand(const CommandArguments& arguments, std::ostream& out, std::ostream& err);

} // namespace core
