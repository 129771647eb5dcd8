#pragma once

#include "core/file_result.h"
#include "core/handicap_state.h"

#include <string>

namespace core {

// The 24 lines of a handicap file.
std::string HandicapFileText(const HandicapState& handicap);
// The file of a new player: name, home slope, no rounds and no handicaps.
std::string NewHandicapFileText(const std::string& playerName, int homeSlope);

// Reads a whole handicap file. On success `handicap` holds it, with HandicapFileName
// set to `path`; on failure it is untouched.
FileResult LoadHandicapFile(const std::string& path, HandicapState& handicap);
FileResult ParseHandicapFile(const std::string& content, const std::string& fileName,
                             HandicapState& handicap);

// Rewrites the file named by HandicapFileName, atomically.
FileResult SaveHandicapFile(const HandicapState& handicap);

// Empties the stored rounds and the handicaps, as in a newly created file.
void ClearHandicapRounds(HandicapState& handicap);

} // namespace core
