#include "core/window_program.h"

#include <gtest/gtest.h>

namespace {

using Paths = std::vector<std::filesystem::path>;

TEST(WindowProgramCandidates, BesideTheFrontFirstThenTheInstalledFolder) {
    struct Case {
        const char* frontFolder;
        const char* installedFromFront;
        Paths expected;
    };
    const Case cases[] = {
        {"/usr/bin",
         "../libexec/tarnwick",
         {"/usr/bin/tarnwick-window", "/usr/libexec/tarnwick/tarnwick-window"}},
        {"/home/ann/.local/bin",
         "../libexec/tarnwick",
         {"/home/ann/.local/bin/tarnwick-window",
          "/home/ann/.local/libexec/tarnwick/tarnwick-window"}},
        // An install that puts both in one folder looks there once.
        {"/opt/tarnwick", ".", {"/opt/tarnwick/tarnwick-window"}},
        {"/opt/tarnwick", "", {"/opt/tarnwick/tarnwick-window"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(core::WindowProgramCandidates(c.frontFolder, c.installedFromFront), c.expected)
            << c.frontFolder << " + " << c.installedFromFront;
}

} // namespace
