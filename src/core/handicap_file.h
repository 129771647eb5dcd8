#pragma once

#include "core/atomic_file.h"
#include "core/file_result.h"
#include "core/handicap_state.h"

#include <string>

namespace core {

// The 24 lines of a handicap file.
std::string HandicapFileText(const HandicapState& handicap);
// The file of a new player: name, home slope, no rounds and no handicaps.
std::string NewHandicapFileText(const std::string& playerName, int homeSlope);

// Reads a whole handicap file. On success `handicap` holds it, with HandicapFileName
// set to `path`, and `stamp` (when given) what the file held; on failure it is
// untouched.
FileResult LoadHandicapFile(const std::string& path, HandicapState& handicap,
                            FileStamp* stamp = nullptr);
FileResult ParseHandicapFile(const std::string& content, const std::string& fileName,
                             HandicapState& handicap);

// Refuses a state the file cannot hold (a name it could not read back); the writer
// checks this first.
FileResult CheckHandicapCanBeWritten(const HandicapState& handicap);

// Rewrites the file named by HandicapFileName, atomically; `stamp` (when given)
// receives what was written.
FileResult SaveHandicapFile(const HandicapState& handicap, FileStamp* stamp = nullptr);

// Empties the stored rounds and the handicaps, as in a newly created file.
void ClearHandicapRounds(HandicapState& handicap);

} // namespace core
