#include "core/course_file.h"
#include "core/round_csv.h"
#include "core/round_journal.h"
#include "core/rounds_command.h"
#include "file_fixtures.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <variant>

namespace {

using file_fixtures::ReadBytes;
using file_fixtures::TempFolder;
using file_fixtures::WriteBytes;

const std::string RoundsFixture = std::string(TARNWICK_FIXTURES) + "/rounds/three_rounds.csv";
const std::string CourseFixture = std::string(TARNWICK_FIXTURES) + "/stats/four_rounds.crs";

struct CommandRun {
    int status = 0;
    std::string out;
    std::string err;
};

CommandRun Import(const std::string& csv, const std::string& course) {
    std::ostringstream out, err;
    int status = core::RunImportRoundsCommand({"--import-rounds", csv, course}, out, err);
    return {status, out.str(), err.str()};
}

CommandRun Export(const std::string& course) {
    std::ostringstream out, err;
    int status = core::RunExportRoundsCommand({"--export-rounds", course}, out, err);
    return {status, out.str(), err.str()};
}

TEST(RoundsCsv, HeaderNamesEveryColumn) {
    EXPECT_EQ(core::RoundsCsvHeader(),
              "date,s1,s2,s3,s4,s5,s6,s7,s8,s9,s10,s11,s12,s13,s14,s15,s16,s17,s18,"
              "p1,p2,p3,p4,p5,p6,p7,p8,p9,p10,p11,p12,p13,p14,p15,p16,p17,p18,"
              "fairways,penalties,sand_shots,sand_saves,sand_attempts");
}

TEST(RoundsCsv, ReadsAndWritesTheSameText) {
    const std::string text = ReadBytes(RoundsFixture);
    auto parsed = core::ParseRoundsCsv(text, "three_rounds.csv");
    ASSERT_TRUE(std::holds_alternative<std::vector<core::TypedRound>>(parsed))
        << std::get<std::string>(parsed);
    const auto& rounds = std::get<std::vector<core::TypedRound>>(parsed);
    ASSERT_EQ(rounds.size(), 3u);
    EXPECT_EQ(rounds[2].RoundPenalties, 2.5f);
    EXPECT_EQ(rounds[2].RoundSandAttempts, 1.5f);
    EXPECT_EQ(rounds[1].HoleScore[3], 1);
    EXPECT_EQ(rounds[1].HolePutts[3], 0);
    EXPECT_EQ(core::RoundsCsv(rounds), text);
}

TEST(RoundsCsv, RefusesABadLineNamingTheLineAndColumn) {
    // Each case changes field `column` of the second round (line 3) to `value`.
    struct Case {
        int column;
        std::string value;
        std::string expected;
    };
    const Case cases[] = {
        {0, "1996-02-30", "line 3: column date:"},
        {0, "04/27/1996", "line 3: column date:"},
        {0, "1700-01-01", "line 3: column date:"},
        {5, "x", "line 3: column s5:"},
        {5, "100", "line 3: column s5:"},
        {5, "-4", "line 3: column s5:"},
        {23, "2.0", "line 3: column p5:"},
        {37, "19", "line 3: column fairways:"},
        {38, "1,5", "line 3: expected 42 columns, found 43"},
        {38, "1e2", "line 3: column penalties:"},
        {39, "", "line 3: column sand_shots:"},
        {41, "-1", "line 3: column sand_attempts:"},
    };
    const std::string text = ReadBytes(RoundsFixture);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected + " " + c.value);
        std::vector<std::string> lines;
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        std::vector<std::string> fields;
        std::istringstream row(lines[2]);
        for (std::string field; std::getline(row, field, ',');)
            fields.push_back(field);
        fields[c.column] = c.value;
        std::string changed;
        for (size_t i = 0; i < fields.size(); ++i)
            changed += (i ? "," : "") + fields[i];
        lines[2] = changed;
        std::string broken;
        for (const std::string& line : lines)
            broken += line + "\n";
        auto parsed = core::ParseRoundsCsv(broken, "r.csv");
        ASSERT_TRUE(std::holds_alternative<std::string>(parsed));
        EXPECT_EQ(std::get<std::string>(parsed).rfind("r.csv " + c.expected, 0), 0u)
            << std::get<std::string>(parsed);
    }
}

TEST(RoundsCsv, RefusesAMissingHeaderAndAGapBetweenRounds) {
    const std::string text = ReadBytes(RoundsFixture);
    const std::string body = text.substr(text.find('\n') + 1);
    for (const auto& [broken, expected] :
         {std::pair<std::string, std::string>{body, "r.csv line 1:"},
          {"", "r.csv line 1:"},
          {text.substr(0, text.rfind('\n', text.size() - 2) + 1) + "\n" +
               text.substr(text.rfind('\n', text.size() - 2) + 1),
           "r.csv line 4: an empty line"}}) {
        auto parsed = core::ParseRoundsCsv(broken, "r.csv");
        ASSERT_TRUE(std::holds_alternative<std::string>(parsed));
        EXPECT_EQ(std::get<std::string>(parsed).rfind(expected, 0), 0u)
            << std::get<std::string>(parsed);
    }
    // Windows line ends and a blank line at the end are taken.
    std::string crlf;
    for (char ch : text + "\n")
        crlf += ch == '\n' ? std::string("\r\n") : std::string(1, ch);
    auto parsed = core::ParseRoundsCsv(crlf, "r.csv");
    ASSERT_TRUE(std::holds_alternative<std::vector<core::TypedRound>>(parsed));
    EXPECT_EQ(std::get<std::vector<core::TypedRound>>(parsed).size(), 3u);
}

TEST(RoundsCommand, ImportThenExportGivesBackTheSameText) {
    TempFolder folder;
    const std::string course = folder.file("links.crs");
    WriteBytes(course, ReadBytes(CourseFixture));
    CommandRun imported = Import(RoundsFixture, course);
    ASSERT_EQ(imported.status, 0) << imported.err;
    EXPECT_EQ(imported.out, "Imported 3 rounds into " + course + ".\n");
    EXPECT_EQ(imported.err, "");

    CommandRun exported = Export(course);
    ASSERT_EQ(exported.status, 0) << exported.err;
    EXPECT_EQ(exported.out, ReadBytes(RoundsFixture));

    // The course holds the four earlier rounds and the three imported.
    core::CourseState state;
    ASSERT_TRUE(core::LoadCourseFile(course, state).ok);
    EXPECT_EQ(state.GamesRecorded, 7);
    EXPECT_EQ(core::LoadRoundHistory(course).status, core::HistoryStatus::Matches);

    // A second import adds after the first, in file order.
    ASSERT_EQ(Import(RoundsFixture, course).status, 0);
    const std::string once = ReadBytes(RoundsFixture);
    EXPECT_EQ(Export(course).out, once + once.substr(once.find('\n') + 1));
}

TEST(RoundsCommand, ABadRowImportsNothing) {
    const std::string good = ReadBytes(RoundsFixture);
    struct Case {
        std::string rounds;
        std::string expected;
    };
    std::string zeroScore = good;
    // The third round (line 4) with no score on hole 7.
    size_t line4 = zeroScore.rfind('\n', zeroScore.size() - 2) + 1;
    std::string row = zeroScore.substr(line4);
    size_t field = 0;
    for (int i = 0; i < 7; ++i)
        field = row.find(',', field) + 1;
    row = row.substr(0, field).append("0").append(row.substr(row.find(',', field)));
    zeroScore = zeroScore.substr(0, line4) + row;
    std::string tooManyFairways = good;
    tooManyFairways.replace(tooManyFairways.rfind(",10,2.5,"), 8, ",15,2.5,");

    const Case cases[] = {
        {zeroScore, "line 4, column s7: a round with a hole score of 0 cannot be saved"},
        {tooManyFairways, "line 4, column fairways: this course has only 14 fairways"},
        {good.substr(0, good.size() - 7), "line 4: expected 42 columns, found 40"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        TempFolder folder;
        const std::string course = folder.file("links.crs");
        const std::string csv = folder.file("rounds.csv");
        WriteBytes(course, ReadBytes(CourseFixture));
        WriteBytes(csv, c.rounds);
        CommandRun run = Import(csv, course);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find(c.expected), std::string::npos) << run.err;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1);
        EXPECT_EQ(ReadBytes(course), ReadBytes(CourseFixture));
        EXPECT_FALSE(std::filesystem::exists(core::RoundJournalPathFor(course)));
    }
}

TEST(RoundsCommand, BadArgumentsAndFilesAreOneLineOnStandardError) {
    TempFolder folder;
    const std::string course = folder.file("links.crs");
    WriteBytes(course, ReadBytes(CourseFixture));
    const std::vector<std::vector<std::string>> importArguments = {
        {"--import-rounds", RoundsFixture},
        {"--import-rounds", RoundsFixture, course, "extra"},
        {"--import-rounds", folder.file("missing.csv"), course},
        {"--import-rounds", RoundsFixture, folder.file("missing.crs")},
    };
    for (const auto& arguments : importArguments) {
        std::ostringstream out, err;
        EXPECT_EQ(core::RunImportRoundsCommand(arguments, out, err), 2);
        EXPECT_EQ(out.str(), "");
        EXPECT_EQ(err.str().rfind("tarnwick: ", 0), 0u);
        EXPECT_EQ(err.str().find('\n'), err.str().size() - 1) << err.str();
    }
    CommandRun missing = Export(folder.file("missing.crs"));
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.out, "");

    // A course without journal exports the header alone.
    CommandRun empty = Export(course);
    EXPECT_EQ(empty.status, 0);
    EXPECT_EQ(empty.out, core::RoundsCsvHeader() + "\n");
}

TEST(RoundsCommand, RefusesToImportIntoACourseItsJournalNoLongerDescribes) {
    TempFolder folder;
    const std::string course = folder.file("links.crs");
    WriteBytes(course, ReadBytes(CourseFixture));
    ASSERT_EQ(Import(RoundsFixture, course).status, 0);
    ASSERT_EQ(Import(RoundsFixture, course).status, 0);
    WriteBytes(course, ReadBytes(CourseFixture)); // restored from an old copy
    const std::string journal = ReadBytes(core::RoundJournalPathFor(course));
    CommandRun run = Import(RoundsFixture, course);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(ReadBytes(course), ReadBytes(CourseFixture));
    EXPECT_EQ(ReadBytes(core::RoundJournalPathFor(course)), journal);
    // Its rounds can still be taken out.
    const std::string once = ReadBytes(RoundsFixture);
    EXPECT_EQ(Export(course).out, once + once.substr(once.find('\n') + 1));
}

} // namespace
