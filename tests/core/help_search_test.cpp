#include "core/help_search.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

// A file system that holds the given files and records every lookup.
struct Search {
    std::set<std::string> files;
    std::string path;
    int pathReads = 0;
    std::vector<std::string> lookedUp;

    std::optional<std::string> run(const std::string& programFolder) {
        return core::FindHelpFile(
            programFolder,
            [this] {
                ++pathReads;
                return path;
            },
            [this](const std::string& file) {
                lookedUp.push_back(file);
                return files.count(file) > 0;
            });
    }
};

TEST(HelpSearch, ProgramFolderComesFirstWithoutReadingPath) {
    for (const char* folder : {"/opt/tarnwick", "/opt/tarnwick/"}) {
        Search s;
        s.files = {"/opt/tarnwick/Tarnwk30.HLP", "/usr/bin/Tarnwk30.HLP"};
        s.path = "/usr/bin";
        EXPECT_EQ(s.run(folder), "/opt/tarnwick/Tarnwk30.HLP") << folder;
        EXPECT_EQ(s.pathReads, 0) << folder;
        EXPECT_EQ(s.lookedUp, std::vector<std::string>{"/opt/tarnwick/Tarnwk30.HLP"}) << folder;
    }
}

TEST(HelpSearch, WalksThePathEntriesInOrder) {
    struct Case {
        const char* name;
        std::string path;
        std::set<std::string> files;
        std::optional<std::string> found;
        std::vector<std::string> lookedUp; // after the program folder
    };
    const Case cases[] = {
        {"only in the last entry, no ':' at the end",
         "/usr/local/bin:/usr/bin:/opt/help",
         {"/opt/help/Tarnwk30.HLP"},
         "/opt/help/Tarnwk30.HLP",
         {"/usr/local/bin/Tarnwk30.HLP", "/usr/bin/Tarnwk30.HLP", "/opt/help/Tarnwk30.HLP"}},
        {"entries with and without the trailing '/'",
         "/usr/bin/:/opt/help",
         {"/opt/help/Tarnwk30.HLP"},
         "/opt/help/Tarnwk30.HLP",
         {"/usr/bin/Tarnwk30.HLP", "/opt/help/Tarnwk30.HLP"}},
        {"found in an entry ending with '/'",
         "/usr/bin:/opt/help/:/later",
         {"/opt/help/Tarnwk30.HLP", "/later/Tarnwk30.HLP"},
         "/opt/help/Tarnwk30.HLP",
         {"/usr/bin/Tarnwk30.HLP", "/opt/help/Tarnwk30.HLP"}},
        {"an empty entry stands for the root folder",
         "/usr/bin::/opt/help",
         {"/Tarnwk30.HLP"},
         "/Tarnwk30.HLP",
         {"/usr/bin/Tarnwk30.HLP", "/Tarnwk30.HLP"}},
        {"a ':' at the end adds no entry",
         "/usr/bin:",
         {"/Tarnwk30.HLP"},
         std::nullopt,
         {"/usr/bin/Tarnwk30.HLP"}},
        {"a leading ':' is the root folder",
         ":/usr/bin",
         {},
         std::nullopt,
         {"/Tarnwk30.HLP", "/usr/bin/Tarnwk30.HLP"}},
        {"not on the path",
         "/usr/bin",
         {"/usr/bin/tarnwk30.hlp"},
         std::nullopt,
         {"/usr/bin/Tarnwk30.HLP"}},
        {"empty PATH", "", {"/Tarnwk30.HLP"}, std::nullopt, {}},
    };
    for (const Case& c : cases) {
        Search s;
        s.files = c.files;
        s.path = c.path;
        EXPECT_EQ(s.run("/opt/tarnwick"), c.found) << c.name;
        EXPECT_EQ(s.pathReads, 1) << c.name;
        std::vector<std::string> expected{"/opt/tarnwick/Tarnwk30.HLP"};
        expected.insert(expected.end(), c.lookedUp.begin(), c.lookedUp.end());
        EXPECT_EQ(s.lookedUp, expected) << c.name;
    }
}

} // namespace
