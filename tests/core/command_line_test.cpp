#include "core/command_line.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

struct Outcome {
    std::optional<int> status;
    std::string out;
    std::string err;
};

Outcome RunWith(const core::CommandArguments& arguments) {
    std::ostringstream out, err;
    Outcome run;
    run.status = core::RunTextCommand(arguments, out, err);
    run.out = out.str();
    run.err = err.str();
    return run;
}

TEST(CommandLine, HelpNamesEveryWayToStartTheProgram) {
    for (const core::CommandArguments& arguments :
         {core::CommandArguments{"--help"}, core::CommandArguments{"--report", "--help"},
          core::CommandArguments{"x.crs", "--help"}}) {
        Outcome run = RunWith(arguments);
        ASSERT_EQ(run.status, 0) << arguments[0];
        EXPECT_EQ(run.out, core::UsageText());
        EXPECT_EQ(run.err, "");
    }
    const std::string usage = core::UsageText();
    for (const char* part : {"Usage: tarnwick [FILE.crs | FILE.hcp]\n", "--report", "--pdf OUT.pdf",
                             "--help", "--version", "--exit-when-shown"})
        EXPECT_NE(usage.find(part), std::string::npos) << part;
}

TEST(CommandLine, VersionPrintsTheProgramsVersion) {
    Outcome run = RunWith({"--version"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "tarnwick 3.0\n");
    EXPECT_EQ(run.err, "");
}

// Arguments the window would not understand are refused before any window starts.
TEST(CommandLine, UnknownOptionsPrintTheUsageOnStandardError) {
    struct Case {
        core::CommandArguments arguments;
        std::string firstLine;
    };
    const Case cases[] = {
        {{"--bogus"}, "tarnwick: unknown option --bogus"},
        {{"a.crs", "-x"}, "tarnwick: unknown option -x"},
        {{"-style=fusion=x", "-reverse=1"}, "tarnwick: unknown option -reverse=1"},
        {{"-style"}, "tarnwick: -style needs a value"},
        {{"a.crs", "b.hcp"}, "tarnwick: one file at a time: a.crs and b.hcp were given"},
        {{"--pdf", "out.pdf"}, "tarnwick: --pdf goes with --report NAME FILE.crs"},
    };
    for (const Case& c : cases) {
        Outcome run = RunWith(c.arguments);
        EXPECT_EQ(run.status, 2) << c.firstLine;
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err.substr(0, run.err.find('\n')), c.firstLine);
    }
    EXPECT_EQ(RunWith({"--bogus"}).err, "tarnwick: unknown option --bogus\n" + core::UsageText());
}

TEST(CommandLine, TheWindowTakesOneFileAndTheToolkitsOwnOptions) {
    struct Case {
        core::CommandArguments arguments;
        std::optional<std::string> file;
        bool exitWhenShown;
    };
    const Case cases[] = {
        {{}, std::nullopt, false},
        {{"links.crs"}, "links.crs", false},
        {{"-style", "fusion", "me.hcp", "--platform=xcb", "-reverse"}, "me.hcp", false},
        {{"--exit-when-shown", "a b.crs"}, "a b.crs", true},
        {{"--", "-odd.crs"}, "-odd.crs", false},
        {{"-"}, "-", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RunWith(c.arguments).status, std::nullopt);
        auto parsed = core::ParseWindowArguments(c.arguments);
        ASSERT_TRUE(std::holds_alternative<core::WindowArguments>(parsed));
        const auto& window = std::get<core::WindowArguments>(parsed);
        EXPECT_EQ(window.file, c.file);
        EXPECT_EQ(window.exitWhenShown, c.exitWhenShown);
    }
}

// A report for a PDF file needs the window library: left to the window program.
TEST(CommandLine, APdfReportIsLeftToTheWindowProgram) {
    EXPECT_EQ(RunWith({"--report", "general", "x.crs", "--pdf", "x.pdf"}).status, std::nullopt);
}

} // namespace
