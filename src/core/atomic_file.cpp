#include "core/atomic_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace core {
namespace {

std::string Reason(int error) {
    return std::strerror(error);
}

std::string FolderOf(const std::string& path) {
    size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

} // namespace

FileResult ReadWholeFile(const std::string& path, std::string& content) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return FileResult::failure(path + " could not be opened: " + Reason(errno) + ".");
    std::ostringstream buffer;
    buffer << in.rdbuf();
    if (in.bad())
        return FileResult::failure(path + " could not be read: " + Reason(errno) + ".");
    content = buffer.str();
    return FileResult::success();
}

FileResult WriteFileAtomically(const std::string& path, std::string_view content) {
    if (path.empty())
        return FileResult::failure("The file could not be written: no file name was given.");
    // Renaming over a file would replace it even when it is read-only; a file the user
    // cannot write stays as it is.
    if (access(path.c_str(), F_OK) == 0 && faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0)
        return FileResult::failure(path + " could not be written: " + Reason(errno) + ".");
    std::string temporary = path + ".XXXXXX";
    int fd = mkstemp(temporary.data());
    if (fd < 0)
        return FileResult::failure(path + " could not be written: " + Reason(errno) + ".");
    auto fail = [&](int error) {
        close(fd);
        unlink(temporary.c_str());
        return FileResult::failure(path + " could not be written: " + Reason(error) + ".");
    };
    // A replaced file keeps the permissions it had; a new one gets the usual ones.
    struct stat existing {};
    mode_t mode = 0666;
    if (stat(path.c_str(), &existing) == 0) {
        mode = existing.st_mode & 07777;
    } else {
        mode_t mask = umask(0);
        umask(mask);
        mode &= ~mask;
    }
    if (fchmod(fd, mode) != 0)
        return fail(errno);
    size_t written = 0;
    while (written < content.size()) {
        ssize_t n = write(fd, content.data() + written, content.size() - written);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return fail(errno);
        }
        written += static_cast<size_t>(n);
    }
    if (fsync(fd) != 0)
        return fail(errno);
    if (close(fd) != 0) {
        int error = errno;
        unlink(temporary.c_str());
        return FileResult::failure(path + " could not be written: " + Reason(error) + ".");
    }
    if (rename(temporary.c_str(), path.c_str()) != 0) {
        int error = errno;
        unlink(temporary.c_str());
        return FileResult::failure(path + " could not be written: " + Reason(error) + ".");
    }
    int folder = open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY);
    if (folder >= 0) {
        fsync(folder);
        close(folder);
    }
    return FileResult::success();
}

} // namespace core
