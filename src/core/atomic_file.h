#pragma once

#include "core/file_result.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace core {

// No data file of the program comes near this size; anything larger is refused before
// it is read, so a wrong file chosen by mistake costs nothing.
inline constexpr size_t MaxDataFileSize = 1 << 20;

// What a file held when the program last read or wrote it, so that a change made by
// another program in the meantime can be noticed before the file is rewritten.
struct FileStamp {
    bool known = false; // false: nothing was read or written yet, there is nothing to lose
    uint64_t size = 0;
    uint64_t contentHash = 0;
    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

FileStamp StampOf(std::string_view content);

// Reads a whole regular file of at most `maxSize` bytes; a larger file or anything
// else (a folder, a pipe, a device) is refused at once. `stamp`, when given, receives
// what was read.
FileResult ReadWholeFile(const std::string& path, std::string& content,
                         size_t maxSize = MaxDataFileSize, FileStamp* stamp = nullptr);

// Replaces a file without ever leaving it missing or half written: the content goes
// to a temporary file beside it, is flushed to disk, and is then renamed over it.
// A symbolic link keeps pointing at the file, which is the one rewritten. Temporary
// files that an earlier save of the same file left behind (the program was killed)
// are removed. `stamp`, when given, receives what was written.
FileResult WriteFileAtomically(const std::string& path, std::string_view content,
                               FileStamp* stamp = nullptr);

// Whether the file still holds what `stamp` describes. A file that is missing,
// unreadable or different says no; an unknown stamp always says yes.
bool FileUnchangedSince(const std::string& path, const FileStamp& stamp);

// What the file holds now; unknown when it cannot be read. For a file just written by a
// routine that does not hand back its stamp.
FileStamp CurrentFileStamp(const std::string& path);

} // namespace core
