#pragma once

#include "core/file_result.h"

#include <string>
#include <string_view>

namespace core {

// Reads a whole file.
FileResult ReadWholeFile(const std::string& path, std::string& content);

// Replaces a file without ever leaving it missing or half written: the content goes
// to a temporary file beside it, is flushed to disk, and is then renamed over it.
FileResult WriteFileAtomically(const std::string& path, std::string_view content);

} // namespace core
