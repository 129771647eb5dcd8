#include "core/handicap_file.h"

#include "../support/read_only_folder.h"
#include "file_fixtures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using file_fixtures::FixturePath;
using file_fixtures::JoinLines;
using file_fixtures::ReadBytes;
using file_fixtures::SplitLines;
using file_fixtures::TempFolder;
using file_fixtures::WriteBytes;

core::HandicapState Loaded(const std::string& path) {
    core::HandicapState handicap;
    core::FileResult result = core::LoadHandicapFile(path, handicap);
    EXPECT_TRUE(result.ok) << result.error;
    return handicap;
}

TEST(HandicapFile, ANewFileIsTheGoldenFile) {
    std::string text = core::NewHandicapFileText("Ann Example", 121);
    EXPECT_EQ(text, ReadBytes(FixturePath("new_handicap.hcp")));
    std::vector<std::string> lines = SplitLines(text);
    ASSERT_EQ(lines.size(), 24u);
    EXPECT_EQ(lines[0], "\"Ann Example\"");
    EXPECT_EQ(lines[1], "121");
    EXPECT_EQ(lines[2], "0");
    for (int row = 3; row <= 22; ++row)
        EXPECT_EQ(lines[row], "0,0,0,0,0,0,0");
    EXPECT_EQ(lines[23], "0,0");
}

TEST(HandicapFile, ClearingTheRoundsGivesTheNewFile) {
    TempFolder folder;
    core::HandicapState h = Loaded(FixturePath("handicap_with_rounds.hcp"));
    h.HandicapPlayerName = "Ann Example";
    h.HomeSlope = 121;
    h.LastScoreDate[21] = 35200; // work space, never stored
    h.HandicapFileName = folder.file("fresh.hcp");
    core::ClearHandicapRounds(h);
    EXPECT_EQ(h.HandicapFileName, folder.file("fresh.hcp"));
    EXPECT_EQ(h.RoundCount, 0);
    EXPECT_EQ(h.PreSlopeHandicap, 0);
    EXPECT_EQ(h.HandicapIndex, 0);
    ASSERT_TRUE(core::SaveHandicapFile(h).ok);
    EXPECT_EQ(ReadBytes(h.HandicapFileName), ReadBytes(FixturePath("new_handicap.hcp")));
}

TEST(HandicapFile, FractionalDifferentialsAndANameWithCommasRoundTrip) {
    const std::string fixture = FixturePath("handicap_with_rounds.hcp");
    core::HandicapState h = Loaded(fixture);
    EXPECT_EQ(h.HandicapFileName, fixture);
    EXPECT_EQ(h.HandicapPlayerName, "Smith, John, Jr.");
    EXPECT_EQ(h.HomeSlope, 118);
    EXPECT_EQ(h.RoundCount, 5);
    EXPECT_EQ(h.LastAdjustedScore[1], 84);
    EXPECT_EQ(h.LastScoreDate[1], 35160);
    EXPECT_EQ(h.PreSlopeDifferential[1], 13.2f);
    EXPECT_EQ(h.SlopeDifferential[1], 12.8f);
    EXPECT_EQ(h.TournamentDifferential[2], -2.7f);
    EXPECT_EQ(h.CountingMark[3], 16.5f);
    EXPECT_EQ(h.SlopeDifferential[5], -0.4f);
    EXPECT_EQ(h.LastScoreDate[6], 0);
    EXPECT_EQ(h.PreSlopeHandicap, 11);
    EXPECT_EQ(h.HandicapIndex, 8.6f);

    EXPECT_EQ(core::HandicapFileText(h), ReadBytes(fixture));
    TempFolder folder;
    h.HandicapFileName = folder.file("copy.hcp");
    ASSERT_TRUE(core::SaveHandicapFile(h).ok);
    EXPECT_EQ(ReadBytes(h.HandicapFileName), ReadBytes(fixture));
    EXPECT_EQ(Loaded(h.HandicapFileName), h);
}

TEST(HandicapFile, NumbersWithoutALeadingZeroReadTheSame) {
    std::vector<std::string> lines = SplitLines(ReadBytes(FixturePath("handicap_with_rounds.hcp")));
    lines[7] = "76,35090,5.2,-.4,.5,0,0";
    lines[23] = "99,.3";
    core::HandicapState h;
    ASSERT_TRUE(core::ParseHandicapFile(JoinLines(lines), "short.hcp", h).ok);
    EXPECT_EQ(h.SlopeDifferential[5], -0.4f);
    EXPECT_EQ(h.TournamentDifferential[5], 0.5f);
    EXPECT_EQ(h.PreSlopeHandicap, core::PlusOneCode);
    EXPECT_EQ(h.HandicapIndex, 0.3f);
    EXPECT_EQ(SplitLines(core::HandicapFileText(h))[7], "76,35090,5.2,-0.4,0.5,0,0");
}

TEST(HandicapFile, BadFilesLeaveTheOpenHandicapUntouched) {
    const core::HandicapState open = Loaded(FixturePath("handicap_with_rounds.hcp"));
    std::vector<std::string> lines = SplitLines(ReadBytes(FixturePath("handicap_with_rounds.hcp")));
    TempFolder folder;
    WriteBytes(folder.file("short.hcp"),
               JoinLines(std::vector<std::string>(lines.begin(), lines.begin() + 10)));
    WriteBytes(folder.file("no_last_line.hcp"),
               JoinLines(std::vector<std::string>(lines.begin(), lines.begin() + 23)));
    WriteBytes(folder.file("garbage.hcp"), ReadBytes(FixturePath("course_garbage.crs")));
    lines[1] = "\"118\"";
    WriteBytes(folder.file("quoted_slope.hcp"), JoinLines(lines));

    struct Case {
        std::string path;
        std::string error;
    };
    const Case cases[] = {
        {folder.file("short.hcp"),
         folder.file("short.hcp") + ", line 11, field LastAdjustedScore(8): the file ends here"},
        {folder.file("no_last_line.hcp"),
         folder.file("no_last_line.hcp") + ", line 24, field PreSlopeHandicap: the file ends here"},
        {folder.file("garbage.hcp"),
         folder.file("garbage.hcp") +
             ", line 2, field HomeSlope: \"Just some notes about golf\" is not a number"},
        {folder.file("quoted_slope.hcp"),
         folder.file("quoted_slope.hcp") + ", line 2, field HomeSlope: \"118\" is not a number"},
        {folder.file("missing.hcp"),
         folder.file("missing.hcp") + " could not be opened: No such file or directory."},
    };
    for (const Case& k : cases) {
        core::HandicapState h = open;
        core::FileResult result = core::LoadHandicapFile(k.path, h);
        EXPECT_FALSE(result.ok) << k.path;
        EXPECT_EQ(result.error, k.error);
        EXPECT_EQ(h, open) << k.path;
    }
}

TEST(HandicapFile, AFolderThatRefusesWritesKeepsTheOldFile) {
    TempFolder folder;
    const std::string before = ReadBytes(FixturePath("handicap_with_rounds.hcp"));
    core::HandicapState h = Loaded(FixturePath("handicap_with_rounds.hcp"));
    h.HandicapFileName = folder.file("player.hcp");
    WriteBytes(h.HandicapFileName, before);
    chmod(h.HandicapFileName.c_str(), 0666); // the file itself may be written
    h.HandicapIndex = 7.9f;
    core::FileResult result;
    {
        testing_support::ReadOnlyFolder readOnly(folder.path());
        result = core::SaveHandicapFile(h);
    }
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, h.HandicapFileName + " could not be written: the folder " +
                                folder.path() + " does not allow new files, and saving needs one.");
    EXPECT_EQ(ReadBytes(h.HandicapFileName), before);
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"player.hcp"});
}

TEST(HandicapFile, ANameTheFileCannotHoldIsNotWritten) {
    TempFolder folder;
    core::HandicapState h;
    h.HandicapFileName = folder.file("quote.hcp");
    h.HandicapPlayerName = "\"Birdie\" Ann Example";
    EXPECT_FALSE(core::SaveHandicapFile(h).ok);
    EXPECT_TRUE(folder.entries().empty());
}

TEST(HandicapFile, NumbersTheReaderRefusesAreNotWritten) {
    TempFolder folder;
    core::HandicapState h;
    h.HandicapFileName = folder.file("pat.hcp");
    h.HandicapPlayerName = "Pat Golfer";
    h.TournamentDifferential[3] = -std::numeric_limits<float>::infinity();
    core::FileResult result = core::SaveHandicapFile(h);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.error.find("line 6, field 5 holds -inf"), std::string::npos) << result.error;
    EXPECT_TRUE(folder.entries().empty());
}

} // namespace
