#pragma once

#include <string>

namespace core {

// The outcome of reading or writing a data file: ok, or a message that names the
// file and what went wrong.
struct FileResult {
    bool ok = true;
    std::string error;

    static FileResult success() { return {}; }
    static FileResult failure(std::string message) { return {false, std::move(message)}; }
    explicit operator bool() const { return ok; }
};

} // namespace core
