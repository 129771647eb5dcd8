#include "core/atomic_file.h"

#include "file_fixtures.h"
#include "../support/read_only_folder.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using file_fixtures::ReadBytes;
using file_fixtures::TempFolder;
using file_fixtures::WriteBytes;

bool IsSymlink(const std::string& path) {
    struct stat info {};
    return lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
}

std::vector<std::string> Sorted(std::vector<std::string> names) {
    std::sort(names.begin(), names.end());
    return names;
}

TEST(AtomicFile, ASymbolicLinkStaysAndItsTargetIsRewritten) {
    TempFolder folder;
    std::filesystem::create_directory(folder.file("data"));
    WriteBytes(folder.file("data/home.crs"), "old");
    // A relative link, reached through a second link: both stay links.
    ASSERT_EQ(symlink("data/home.crs", folder.file("link.crs").c_str()), 0);
    ASSERT_EQ(symlink("link.crs", folder.file("outer.crs").c_str()), 0);

    core::FileResult result = core::WriteFileAtomically(folder.file("outer.crs"), "new");

    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_TRUE(IsSymlink(folder.file("outer.crs")));
    EXPECT_TRUE(IsSymlink(folder.file("link.crs")));
    EXPECT_EQ(ReadBytes(folder.file("data/home.crs")), "new");
    EXPECT_EQ(Sorted(folder.entries()),
              (std::vector<std::string>{"data", "link.crs", "outer.crs"}));
    std::vector<std::string> data;
    for (const auto& entry : std::filesystem::directory_iterator(folder.file("data")))
        data.push_back(entry.path().filename().string());
    EXPECT_EQ(data, std::vector<std::string>{"home.crs"});
}

TEST(AtomicFile, ADanglingLinkCreatesItsTargetAndALoopIsRefused) {
    TempFolder folder;
    ASSERT_EQ(symlink(folder.file("made.hcp").c_str(), folder.file("link.hcp").c_str()), 0);
    ASSERT_TRUE(core::WriteFileAtomically(folder.file("link.hcp"), "made").ok);
    EXPECT_TRUE(IsSymlink(folder.file("link.hcp")));
    EXPECT_EQ(ReadBytes(folder.file("made.hcp")), "made");

    ASSERT_EQ(symlink("b", folder.file("a").c_str()), 0);
    ASSERT_EQ(symlink("a", folder.file("b").c_str()), 0);
    core::FileResult loop = core::WriteFileAtomically(folder.file("a"), "x");
    EXPECT_FALSE(loop.ok);
    EXPECT_EQ(loop.error, folder.file("a") + " could not be written: Too many levels of symbolic "
                                             "links.");
    EXPECT_TRUE(IsSymlink(folder.file("a")));
    EXPECT_TRUE(IsSymlink(folder.file("b")));
}

TEST(AtomicFile, NamesUpToTheSystemLimitSave) {
    TempFolder folder;
    for (size_t length : {249, 250, 254, 255}) {
        std::string name(length - 4, 'n');
        name += ".crs";
        SCOPED_TRACE(length);
        core::FileResult result = core::WriteFileAtomically(folder.file(name), "content");
        ASSERT_TRUE(result.ok) << result.error;
        EXPECT_EQ(ReadBytes(folder.file(name)), "content");
        std::filesystem::remove(folder.file(name));
        EXPECT_TRUE(folder.entries().empty());
    }
}

TEST(AtomicFile, AFolderWithoutNewFilesIsNamed) {
    TempFolder folder;
    WriteBytes(folder.file("home.crs"), "old");
    chmod(folder.file("home.crs").c_str(), 0666); // the file itself may be written
    core::FileResult result;
    {
        testing_support::ReadOnlyFolder readOnly(folder.path());
        result = core::WriteFileAtomically(folder.file("home.crs"), "new");
    }
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, folder.file("home.crs") + " could not be written: the folder " +
                                folder.path() + " does not allow new files, and saving needs one.");
    EXPECT_EQ(ReadBytes(folder.file("home.crs")), "old");
}

// Children rewrite the file over and over and are killed at random moments: the file
// is always one whole version, and the next save removes what the killed ones left,
// but not the temporary of a save still running.
TEST(AtomicFile, KilledWritersLeaveAWholeFileAndTheNextSaveCleansUp) {
    TempFolder folder;
    const std::string path = folder.file("home.crs");
    const std::string first(200000, 'a');
    const std::string second(150000, 'b');
    WriteBytes(path, first);
    std::vector<std::string> leftovers;
    for (int kill = 0; kill < 300 && (kill < 40 || leftovers.empty()); ++kill) {
        pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int i = 0;; ++i)
                core::WriteFileAtomically(path, i % 2 ? first : second);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(500 + 397 * kill % 4000));
        ::kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        std::string now = ReadBytes(path);
        ASSERT_TRUE(now == first || now == second) << "size " << now.size();
        leftovers.clear();
        for (const std::string& name : folder.entries())
            if (name != "home.crs")
                leftovers.push_back(name);
    }
    ASSERT_FALSE(leftovers.empty()) << "no kill landed inside a save";
    EXPECT_LE(leftovers.size(), 1u) << "a save should remove what earlier saves left";

    // Locked as a live save locks its own: it stays.
    const std::string live = folder.file(leftovers.front());
    int fd = open(live.c_str(), O_RDONLY);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(flock(fd, LOCK_EX), 0);
    ASSERT_TRUE(core::WriteFileAtomically(path, "during").ok);
    EXPECT_TRUE(std::filesystem::exists(live));
    close(fd);

    ASSERT_TRUE(core::WriteFileAtomically(path, "final").ok);
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"home.crs"});
    EXPECT_EQ(ReadBytes(path), "final");
}

TEST(AtomicFile, AFileSizeLimitIsAFailedWriteNotTheEndOfTheProgram) {
    TempFolder folder;
    const std::string path = folder.file("home.crs");
    WriteBytes(path, "old");
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        struct rlimit limit {
            1000, 1000
        };
        setrlimit(RLIMIT_FSIZE, &limit);
        core::FileResult result = core::WriteFileAtomically(path, std::string(5000, 'x'));
        bool reported =
            !result.ok && result.error == path + " could not be written: File too large.";
        _exit(reported ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(ReadBytes(path), "old");
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"home.crs"});
}

TEST(AtomicFile, WhatCannotBeADataFileIsRefusedBeforeItIsRead) {
    TempFolder folder;
    // A large sparse file: refused from its size alone, at once.
    {
        int fd = open(folder.file("huge.crs").c_str(), O_CREAT | O_WRONLY, 0644);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(ftruncate(fd, 300 << 20), 0);
        close(fd);
    }
    WriteBytes(folder.file("big.crs"), std::string(core::MaxDataFileSize + 1, 'j'));
    WriteBytes(folder.file("limit.crs"), std::string(core::MaxDataFileSize, 'j'));
    ASSERT_EQ(mkfifo(folder.file("pipe.crs").c_str(), 0644), 0);
    std::filesystem::create_directory(folder.file("folder.crs"));

    const std::string tooLarge = " is too large to be read: it holds more than 1048576 bytes.";
    struct Case {
        std::string name;
        std::string error;
    } cases[] = {
        {"huge.crs", folder.file("huge.crs") + tooLarge},
        {"big.crs", folder.file("big.crs") + tooLarge},
        {"limit.crs", ""},
        {"pipe.crs", folder.file("pipe.crs") + " could not be opened: it is not a file."},
        {"folder.crs", folder.file("folder.crs") + " could not be opened: it is not a file."},
        {"missing.crs",
         folder.file("missing.crs") + " could not be opened: No such file or directory."},
    };
    for (const Case& k : cases) {
        std::string content = "kept";
        core::FileResult result = core::ReadWholeFile(folder.file(k.name), content);
        EXPECT_EQ(result.error, k.error) << k.name;
        if (!k.error.empty()) {
            EXPECT_EQ(content, "kept") << k.name;
        }
    }
}

TEST(AtomicFile, ChangesMadeBehindTheProgramsBackAreNoticed) {
    TempFolder folder;
    const std::string path = folder.file("home.crs");
    const std::string original = "1,2,3\r\n";
    struct Case {
        const char* what;
        void (*change)(const std::string& path);
        bool unchanged;
    } cases[] = {
        {"nothing", [](const std::string&) {}, true},
        {"same bytes written again by another program",
         [](const std::string& p) { WriteBytes(p, "1,2,3\r\n"); }, true},
        {"replaced by a copy with the same bytes",
         [](const std::string& p) {
             WriteBytes(p + ".new", "1,2,3\r\n");
             std::filesystem::rename(p + ".new", p);
         },
         true},
        {"same size, other bytes", [](const std::string& p) { WriteBytes(p, "1,2,4\r\n"); }, false},
        {"a round appended", [](const std::string& p) { WriteBytes(p, "1,2,3\r\n4\r\n"); }, false},
        {"shortened", [](const std::string& p) { WriteBytes(p, "1,2"); }, false},
        {"deleted", [](const std::string& p) { std::filesystem::remove(p); }, false},
    };
    for (const Case& k : cases) {
        WriteBytes(path, original);
        std::string content;
        core::FileStamp stamp;
        ASSERT_TRUE(core::ReadWholeFile(path, content, core::MaxDataFileSize, &stamp).ok);
        k.change(path);
        EXPECT_EQ(core::FileUnchangedSince(path, stamp), k.unchanged) << k.what;
    }
    // What the program wrote itself is what the file holds afterwards.
    core::FileStamp written;
    ASSERT_TRUE(core::WriteFileAtomically(path, "new content", &written).ok);
    EXPECT_TRUE(core::FileUnchangedSince(path, written));
    WriteBytes(path, "other content");
    EXPECT_FALSE(core::FileUnchangedSince(path, written));
    // A file never read has nothing to lose.
    EXPECT_TRUE(core::FileUnchangedSince(path, core::FileStamp{}));
}

} // namespace
