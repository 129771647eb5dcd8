#pragma once

// No Qt here: the core tests use this too.
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace testing_support {

// Makes a folder refuse new files for as long as it lives. An administrator ignores
// folder permissions, so when the tests run as root the process also takes on an
// ordinary user's identity meanwhile.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(std::string folder) : folder_(std::move(folder)) {
        chmod(folder_.c_str(), 0555);
        if (geteuid() == 0 && seteuid(65534) == 0)
            switched_ = true;
    }
    ~ReadOnlyFolder() {
        if (switched_ && seteuid(0) != 0)
            _exit(99); // cannot go on with the wrong identity
        chmod(folder_.c_str(), 0755);
    }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

private:
    std::string folder_;
    bool switched_ = false;
};

} // namespace testing_support
