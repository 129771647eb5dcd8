#include "core/atomic_file.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace core {
namespace {

constexpr int MaxLinkHops = 40;

std::string Reason(int error) {
    return std::strerror(error);
}

std::string FolderOf(const std::string& path) {
    size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

uint64_t Fnv1a(std::string_view bytes) {
    uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : bytes) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    return hash;
}

// Temporary files are named after a hash of the file's name, not the name itself: a
// name near the system's limit of 255 bytes leaves no room for a suffix, and the hash
// still tells which file an abandoned temporary belonged to.
std::string TemporaryPrefix(const std::string& target) {
    char hash[17];
    std::snprintf(hash, sizeof hash, "%016llx",
                  static_cast<unsigned long long>(Fnv1a(NameOf(target))));
    return ".tarnwick-save-" + std::string(hash) + "-";
}
constexpr size_t TemporarySuffixLength = 6; // mkstemp's XXXXXX

// The file a save must replace: a symbolic link is followed to its end, so that the
// link stays and the file it names gets the new content.
bool FollowLinks(const std::string& path, std::string& target) {
    target = path;
    for (int hop = 0; hop < MaxLinkHops; ++hop) {
        struct stat info {};
        if (lstat(target.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return true;
        std::vector<char> buffer(static_cast<size_t>(info.st_size > 0 ? info.st_size : 255) + 1);
        ssize_t length = readlink(target.c_str(), buffer.data(), buffer.size());
        if (length < 0)
            return true;
        std::string next(buffer.data(), static_cast<size_t>(length));
        if (next.empty())
            return true;
        target = next.front() == '/' ? next : FolderOf(target) + "/" + next;
    }
    errno = ELOOP;
    return false;
}

// A save killed before its rename leaves its temporary file behind. A live save holds
// a lock on its own, so only abandoned ones are removed.
void RemoveAbandonedTemporaries(const std::string& folder, const std::string& prefix) {
    DIR* dir = opendir(folder.c_str());
    if (!dir)
        return;
    std::vector<std::string> abandoned;
    while (dirent* entry = readdir(dir)) {
        std::string_view name = entry->d_name;
        if (name.size() == prefix.size() + TemporarySuffixLength && name.starts_with(prefix))
            abandoned.emplace_back(name);
    }
    closedir(dir);
    for (const std::string& name : abandoned) {
        std::string path = folder + "/" + name;
        int fd = open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat info {};
        if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && flock(fd, LOCK_EX | LOCK_NB) == 0)
            unlink(path.c_str());
        close(fd);
    }
}

// A file-size limit (ulimit -f) would otherwise end the program in the middle of a
// save; ignored, the write fails with EFBIG and is reported like any other failure.
void IgnoreFileSizeSignal() {
    static const bool ignored = [] {
        struct sigaction current {};
        if (sigaction(SIGXFSZ, nullptr, &current) == 0 && current.sa_handler == SIG_DFL) {
            struct sigaction ignore {};
            ignore.sa_handler = SIG_IGN;
            sigemptyset(&ignore.sa_mask);
            sigaction(SIGXFSZ, &ignore, nullptr);
        }
        return true;
    }();
    (void)ignored;
}

FileResult WriteFailure(const std::string& path, int error) {
    return FileResult::failure(path + " could not be written: " + Reason(error) + ".");
}

// Creates and locks the temporary file, checking that no other save removed it as
// abandoned between its creation and the lock.
int CreateTemporary(const std::string& pattern, std::string& name) {
    for (int attempt = 0; attempt < 3; ++attempt) {
        name = pattern;
        int fd = mkostemp(name.data(), O_CLOEXEC);
        if (fd < 0)
            return -1;
        struct stat info {};
        if (flock(fd, LOCK_EX) == 0 && fstat(fd, &info) == 0 && info.st_nlink > 0)
            return fd;
        close(fd);
    }
    errno = EAGAIN;
    return -1;
}

} // namespace

FileStamp StampOf(std::string_view content) {
    return {true, content.size(), Fnv1a(content)};
}

FileResult ReadWholeFile(const std::string& path, std::string& content, size_t maxSize,
                         FileStamp* stamp) {
    // Not blocking on open: a named pipe chosen by mistake is refused, not waited on.
    int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return FileResult::failure(path + " could not be opened: " + Reason(errno) + ".");
    auto fail = [&](const std::string& message) {
        close(fd);
        return FileResult::failure(message);
    };
    struct stat info {};
    if (fstat(fd, &info) != 0)
        return fail(path + " could not be read: " + Reason(errno) + ".");
    if (!S_ISREG(info.st_mode))
        return fail(path + " could not be opened: it is not a file.");
    const std::string tooLarge = path + " is too large to be read: it holds more than " +
                                 std::to_string(maxSize) + " bytes.";
    if (static_cast<uint64_t>(info.st_size) > maxSize)
        return fail(tooLarge);
    std::string read;
    read.reserve(static_cast<size_t>(info.st_size));
    char chunk[65536];
    // The file may grow after fstat: one byte more than allowed is enough to refuse it.
    while (read.size() <= maxSize) {
        ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return fail(path + " could not be read: " + Reason(errno) + ".");
        }
        if (n == 0)
            break;
        read.append(chunk, static_cast<size_t>(n));
    }
    close(fd);
    if (read.size() > maxSize)
        return FileResult::failure(tooLarge);
    if (stamp)
        *stamp = StampOf(read);
    content = std::move(read);
    return FileResult::success();
}

FileResult WriteFileAtomically(const std::string& path, std::string_view content,
                               FileStamp* stamp) {
    if (path.empty())
        return FileResult::failure("The file could not be written: no file name was given.");
    IgnoreFileSizeSignal();
    std::string target;
    if (!FollowLinks(path, target))
        return WriteFailure(path, errno);
    // Renaming over a file would replace it even when it is read-only; a file the user
    // cannot write stays as it is.
    if (access(target.c_str(), F_OK) == 0 &&
        faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0)
        return WriteFailure(path, errno);

    const std::string folder = FolderOf(target);
    const std::string prefix = TemporaryPrefix(target);
    RemoveAbandonedTemporaries(folder, prefix);
    std::string temporary;
    int fd =
        CreateTemporary(folder + "/" + prefix + std::string(TemporarySuffixLength, 'X'), temporary);
    if (fd < 0) {
        if (errno == EACCES || errno == EPERM)
            return FileResult::failure(path + " could not be written: the folder " + folder +
                                       " does not allow new files, and saving needs one.");
        return WriteFailure(path, errno);
    }
    auto fail = [&](int error) {
        close(fd);
        unlink(temporary.c_str());
        return WriteFailure(path, error);
    };
    // A replaced file keeps the permissions it had; a new one gets the usual ones.
    struct stat existing {};
    mode_t mode = 0666;
    if (stat(target.c_str(), &existing) == 0) {
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
    // The lock goes with the descriptor, after the rename: until then the temporary
    // file must not look abandoned.
    if (rename(temporary.c_str(), target.c_str()) != 0)
        return fail(errno);
    if (close(fd) != 0)
        return WriteFailure(path, errno);
    int folderFd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd >= 0) {
        fsync(folderFd);
        close(folderFd);
    }
    if (stamp)
        *stamp = StampOf(content);
    return FileResult::success();
}

bool FileUnchangedSince(const std::string& path, const FileStamp& stamp) {
    if (!stamp.known)
        return true;
    std::string content;
    // Anything larger than what was read is a change; reading the rest is not needed.
    size_t limit = static_cast<size_t>(stamp.size);
    if (!ReadWholeFile(path, content, limit))
        return false;
    return StampOf(content) == stamp;
}

FileStamp CurrentFileStamp(const std::string& path) {
    std::string content;
    FileStamp stamp;
    if (!ReadWholeFile(path, content, MaxDataFileSize, &stamp))
        return {};
    return stamp;
}

} // namespace core
