#include "core/course_file.h"

#include "../support/read_only_folder.h"
#include "file_fixtures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include <sys/stat.h>
#include <unistd.h>

namespace {

using file_fixtures::FixturePath;
using file_fixtures::JoinLines;
using file_fixtures::ReadBytes;
using file_fixtures::SplitLines;
using file_fixtures::TempFolder;
using file_fixtures::WriteBytes;

// The course of the fixture files, as the new-course window would hold it.
core::CourseState FixtureCourse() {
    const int pars[] = {4, 5, 3, 4, 4, 3, 5, 4, 4, 4, 3, 5, 4, 4, 3, 4, 5, 4};
    const int handicaps[] = {7, 1, 17, 5, 11, 15, 3, 13, 9, 8, 18, 2, 10, 6, 16, 12, 4, 14};
    const int yards[] = {385, 512, 165, 402, 344, 120, 548, 415, 372,
                         356, 186, 575, 330, 410, 121, 351, 520, 421};
    core::CourseState c;
    c.PlayerName = "Ann Example";
    c.CourseName = "Tarn Hill Golf Club";
    c.TeeName = "White";
    c.CourseRating = 70.8f;
    c.CourseSlope = 124;
    for (int h = 1; h <= 18; ++h) {
        c.HolePar[h] = pars[h - 1];
        c.HoleHandicap[h] = handicaps[h - 1];
        c.HoleYards[h] = yards[h - 1];
    }
    core::ComputeLengthClasses(c);
    return c;
}

core::CourseState Loaded(const std::string& path) {
    core::CourseState course;
    core::FileResult result = core::LoadCourseFile(path, course);
    EXPECT_TRUE(result.ok) << result.error;
    return course;
}

TEST(CourseFile, ANewCourseIsTheGoldenFile) {
    TempFolder folder;
    core::CourseState c = FixtureCourse();
    c.FirstDate = {35129, true}; // 5 March 1996, as a date value
    c.LastDate = 35129;
    // Statistics left in memory from a course opened before are not written.
    c.GamesRecorded = 12;
    c.RoundStrokesTotal = 1030;
    c.RecentCount = 12;
    c.RecentRoundScore[1] = 86;
    c.BunkerShotTotal = 9;
    c.CourseFileName = folder.file("new.crs");
    ASSERT_TRUE(core::WriteCourseFile(c, core::CourseFileKind::NewCourse).ok);

    std::string written = ReadBytes(c.CourseFileName);
    EXPECT_EQ(written, ReadBytes(FixturePath("new_course.crs")));
    std::vector<std::string> lines = SplitLines(written);
    ASSERT_EQ(lines.size(), 69u);
    EXPECT_EQ(lines[0], "#1996-03-05#,35129");
    EXPECT_EQ(lines[20], "0");
    EXPECT_EQ(lines[45], "1,2,2,2,6,1,1,2,1");
    EXPECT_EQ(lines[48], "0,0,0,0,0,0,0,0,0,0");
    EXPECT_EQ(written.substr(written.size() - 2), "\r\n");
}

TEST(CourseFile, LengthClassBoundaries) {
    struct Case {
        int par;
        double yards;
        int lengthClass;
    };
    const Case cases[] = {
        {3, 120, core::ShortPar3},
        {3, 121, core::MediumPar3},
        {3, 185, core::MediumPar3},
        {3, 186, core::LongPar3},
        {4, 350, core::ShortPar4},
        {4, 351, core::MediumPar4},
        {4, 410, core::MediumPar4},
        {4, 411, core::LongPar4},
        {5, 520, core::ShortPar5},
        {5, 521, core::MediumPar5},
        {5, 570, core::MediumPar5},
        {5, 571, core::LongPar5},
        {3, 0, core::ShortPar3},
        {6, 600, -1},
        {0, 400, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(core::LengthClassOf(c.par, c.yards), c.lengthClass)
            << "par " << c.par << ", " << c.yards << " yards";
}

TEST(CourseFile, LengthClassesAreCountedFromZero) {
    core::CourseState c = FixtureCourse();
    c.LengthClassHoles = {5, 5, 5, 5, 5, 5, 5, 5, 5};
    c.HolePar[3] = 4; // one par 3 fewer: 165 yards is now a short par 4
    core::ComputeLengthClasses(c);
    EXPECT_EQ(c.LengthClassHoles, (std::array<int, 9>{1, 3, 2, 1, 6, 1, 1, 2, 1}));
    EXPECT_EQ(c.FairwaysPerRound, 15);
}

TEST(CourseFile, ACourseWithStatisticsReadsAndRewritesExactly) {
    const std::string fixture = FixturePath("course_with_statistics.crs");
    core::CourseState c = Loaded(fixture);
    EXPECT_EQ(c.CourseFileName, fixture);
    EXPECT_EQ(c.FirstDate, (core::VariantDate{35110, false}));
    EXPECT_EQ(c.LastDate, 35160);
    EXPECT_EQ(c.PlayerName, "Ann Example");
    EXPECT_EQ(c.TeeName, "White");
    EXPECT_EQ(c.CourseRating, 70.8f);
    EXPECT_EQ(c.FairwaysPerRound, 14);
    EXPECT_EQ(c.HolePar[18], 4);
    EXPECT_EQ(c.HoleHandicap[2], 1);
    EXPECT_EQ(c.HoleYards[12], 575);
    EXPECT_EQ(c.GamesRecorded, 3);
    EXPECT_EQ(c.RoundStrokesTotal, 267);
    EXPECT_EQ(c.BestRound, 86);
    EXPECT_EQ(c.HoleStrokes[7], 16);
    EXPECT_EQ(c.HoleResults[1], (std::array<int, 5>{0, 0, 1, 1, 1}));
    EXPECT_EQ(c.HoleResults[2], (std::array<int, 5>{0, 0, 0, 2, 1}));
    EXPECT_EQ(c.HoleResults[18], (std::array<int, 5>{0, 0, 0, 1, 2}));
    EXPECT_EQ(c.LowRoundPutts, 30);
    EXPECT_EQ(c.ParStrokesTotal, (std::array<int, 3>{40, 160, 67}));
    EXPECT_EQ(c.FairwaysHitTotal, 22);
    EXPECT_EQ(c.PenaltyTotal, 6);
    EXPECT_EQ(c.LengthClassStrokes[8], 28);
    EXPECT_EQ(c.MostOverParHoles, 8);
    EXPECT_EQ(c.RecentCount, 3);
    EXPECT_EQ(c.RecentRoundScore[2], 92);
    EXPECT_EQ(c.RecentGreens[3], 6);
    EXPECT_EQ(c.RecentGreens[4], 0);
    EXPECT_EQ(c.BunkerShotTotal, 7);
    EXPECT_EQ(c.SandSaveAttempts, 5);

    EXPECT_EQ(core::CourseFileText(c, core::CourseFileKind::Rewrite), ReadBytes(fixture));

    TempFolder folder;
    c.CourseFileName = folder.file("copy.crs");
    ASSERT_TRUE(core::WriteCourseFile(c).ok);
    EXPECT_EQ(ReadBytes(c.CourseFileName), ReadBytes(fixture));
    EXPECT_EQ(Loaded(c.CourseFileName), c);
}

TEST(CourseFile, CountersBeyondSixteenBitsAndTextsWithCommasRoundTrip) {
    TempFolder folder;
    core::CourseState c = FixtureCourse();
    c.PlayerName = "Smith, John, Jr.";
    c.CourseName = "Tarn Hill, North Course";
    c.TeeName = "";
    c.FirstDate = {35129, true};
    c.LastDate = 46367;
    c.GamesRecorded = 3000;
    c.RoundStrokesTotal = 264000;
    c.FrontStrokesTotal = 131000;
    c.HoleStrokes[1] = 14500;
    c.ParsTotal = 21000;
    c.LowRoundPutts = 26;
    c.CourseRating = 69.9f;
    c.HoleYards[4] = 402.5;
    c.CourseFileName = folder.file("long.crs");
    ASSERT_TRUE(core::WriteCourseFile(c).ok);
    EXPECT_EQ(SplitLines(ReadBytes(c.CourseFileName))[1],
              "\"Smith, John, Jr.\",\"Tarn Hill, North Course\",\"\",69.9,124,14");
    EXPECT_EQ(Loaded(c.CourseFileName), c);
}

// Another program may have written a double quote into a name without quotes around
// it: the course loads, and takes rounds as well.
TEST(CourseFile, ANameWithADoubleQuoteThatLoadsAlsoSaves) {
    const std::string fixture = FixturePath("course_name_with_quote.crs");
    core::CourseState c = Loaded(fixture);
    EXPECT_EQ(c.CourseName, "O\"Brien Downs");
    TempFolder folder;
    c.CourseFileName = folder.file("copy.crs");
    core::FileResult written = core::WriteCourseFile(c);
    ASSERT_TRUE(written.ok) << written.error;
    EXPECT_EQ(ReadBytes(c.CourseFileName), ReadBytes(fixture));
    EXPECT_EQ(Loaded(c.CourseFileName), c);
}

TEST(CourseFile, JunkIsRefusedWithAShortMessage) {
    TempFolder folder;
    struct Case {
        const char* name;
        std::string content;
        std::string error;
    } cases[] = {
        {"binary.crs", std::string(900000, '\x07'),
         ", line 1, field FirstDate: \"?????????????????????????????????????...\" is not a "
         "date"},
        {"large.crs", std::string(2 << 20, 'j'),
         " is too large to be read: it holds more than 1048576 bytes."},
    };
    const core::CourseState open = FixtureCourse();
    for (const Case& k : cases) {
        WriteBytes(folder.file(k.name), k.content);
        core::CourseState c = open;
        core::FileStamp stamp;
        core::FileResult result = core::LoadCourseFile(folder.file(k.name), c, &stamp);
        EXPECT_EQ(result.error, folder.file(k.name) + k.error);
        EXPECT_EQ(c, open);
        EXPECT_FALSE(stamp.known);
    }
}

TEST(CourseFile, LoadingAndWritingTellWhatTheFileHolds) {
    TempFolder folder;
    const std::string path = folder.file("home.crs");
    WriteBytes(path, ReadBytes(FixturePath("course_with_statistics.crs")));
    core::CourseState c;
    core::FileStamp read;
    ASSERT_TRUE(core::LoadCourseFile(path, c, &read).ok);
    EXPECT_TRUE(core::FileUnchangedSince(path, read));
    c.GamesRecorded = 4;
    core::FileStamp written;
    ASSERT_TRUE(core::WriteCourseFile(c, core::CourseFileKind::Rewrite, &written).ok);
    EXPECT_FALSE(core::FileUnchangedSince(path, read));
    EXPECT_TRUE(core::FileUnchangedSince(path, written));
}

TEST(CourseFile, TheReservedLinesTellTheWritersApart) {
    core::CourseState c = Loaded(FixturePath("course_with_statistics.crs"));
    struct Case {
        core::CourseFileKind kind;
        const char* line49;
        const char* line50;
        bool statistics;
    };
    const Case cases[] = {
        {core::CourseFileKind::Rewrite, "88,88,88,88,88,55,55,55,55,55",
         "77,77,77,77,77,44,44,44,44,44", true},
        {core::CourseFileKind::EditedWithoutRounds, "88,88,88,88,88,55,55,55,55,55",
         "77,77,77,77,77,33,33,33,33,33", false},
        {core::CourseFileKind::NewCourse, "0,0,0,0,0,0,0,0,0,0", "0,0,0,0,0,0,0,0,0,0", false},
    };
    for (const Case& k : cases) {
        std::vector<std::string> lines = SplitLines(core::CourseFileText(c, k.kind));
        ASSERT_EQ(lines.size(), 69u);
        EXPECT_EQ(lines[48], k.line49);
        EXPECT_EQ(lines[49], k.line50);
        EXPECT_EQ(lines[1], "\"Ann Example\",\"Tarn Hill Golf Club\",\"White\",70.8,124,14");
        EXPECT_EQ(lines[45], "1,2,2,2,6,1,1,2,1");
        EXPECT_EQ(lines[20], k.statistics ? "3" : "0");
        EXPECT_EQ(lines[50], k.statistics ? "3" : "0");
        EXPECT_EQ(lines[67], k.statistics ? "7,5,0,0,0,0,0,0,0,0" : "0,0,0,0,0,0,0,0,0,0");
        EXPECT_EQ(lines[68], "0,0,0,0,0,0,0,0,0,0");
    }
}

TEST(CourseFile, ACourseWithoutStatisticsKeepsOnlyTheCourse) {
    core::CourseState full = Loaded(FixturePath("course_with_statistics.crs"));
    core::CourseState blank = core::CourseWithoutStatistics(full);
    EXPECT_EQ(blank.CourseFileName, full.CourseFileName);
    EXPECT_EQ(blank.FirstDate, full.FirstDate);
    EXPECT_EQ(blank.LastDate, full.LastDate);
    EXPECT_EQ(blank.PlayerName, full.PlayerName);
    EXPECT_EQ(blank.HoleYards, full.HoleYards);
    EXPECT_EQ(blank.LengthClassHoles, full.LengthClassHoles);
    EXPECT_EQ(blank.FairwaysPerRound, 14);
    EXPECT_EQ(blank.GamesRecorded, 0);
    EXPECT_EQ(blank.HoleResults, (core::OneBased<std::array<int, 5>, 18>{}));
    EXPECT_EQ(blank.RecentCount, 0);
    EXPECT_EQ(blank.SandSaveAttempts, 0);
    // Read back, its file is the same course.
    core::CourseState read;
    ASSERT_TRUE(core::ParseCourseFile(core::CourseFileText(full, core::CourseFileKind::NewCourse),
                                      full.CourseFileName, read)
                    .ok);
    EXPECT_EQ(read, blank);
}

TEST(CourseFile, OlderFilesLoadWithTheMissingBlocksAsZeros) {
    core::CourseState full = Loaded(FixturePath("course_with_statistics.crs"));
    for (const char* name :
         {"course_without_recent_rounds.crs", "course_ending_after_reserved.crs"}) {
        core::CourseState c = Loaded(FixturePath(name));
        EXPECT_EQ(c.RoundStrokesTotal, full.RoundStrokesTotal) << name;
        EXPECT_EQ(c.MostOverParHoles, full.MostOverParHoles) << name;
        EXPECT_EQ(c.RecentCount, 0) << name;
        EXPECT_EQ(c.RecentRoundScore, (core::OneBased<int, 21>{})) << name;
        EXPECT_EQ(c.RecentGreens, (core::OneBased<int, 21>{})) << name;
        EXPECT_EQ(c.BunkerShotTotal, 0) << name;
        EXPECT_EQ(c.SandSaveAttempts, 0) << name;
        // Rewritten, an older file gets all 69 lines.
        EXPECT_EQ(SplitLines(core::CourseFileText(c, core::CourseFileKind::Rewrite)).size(), 69u);
    }
}

TEST(CourseFile, DatesInBothFormsKeepTheirForm) {
    std::vector<std::string> lines =
        SplitLines(ReadBytes(FixturePath("course_with_statistics.crs")));
    for (const char* line1 : {"#1996-02-15#,35160", "35110,35160", "35110,#1996-04-05#"}) {
        lines[0] = line1;
        core::CourseState c;
        ASSERT_TRUE(core::ParseCourseFile(JoinLines(lines), "dates.crs", c).ok) << line1;
        EXPECT_EQ(c.FirstDate.dayNumber, 35110) << line1;
        EXPECT_EQ(c.LastDate, 35160) << line1;
        std::string first = SplitLines(core::CourseFileText(c, core::CourseFileKind::Rewrite))[0];
        EXPECT_EQ(first, lines[0][0] == '#' ? "#1996-02-15#,35160" : "35110,35160") << line1;
    }
}

TEST(CourseFile, BadFilesLeaveTheOpenCourseUntouched) {
    const core::CourseState open = Loaded(FixturePath("course_with_statistics.crs"));
    std::vector<std::string> lines =
        SplitLines(ReadBytes(FixturePath("course_with_statistics.crs")));
    // Cut inside the block of recent rounds: a block is read whole or not at all.
    TempFolder folder;
    WriteBytes(folder.file("half_recent.crs"),
               JoinLines(std::vector<std::string>(lines.begin(), lines.begin() + 60)));
    lines[43] = "11,26,15,2,3,many,38,22";
    WriteBytes(folder.file("word.crs"), JoinLines(lines));

    struct Case {
        std::string path;
        std::string error;
    };
    const Case cases[] = {
        {FixturePath("course_truncated.crs"),
         FixturePath("course_truncated.crs") +
             ", line 30, field HoleResults(16,0): the file ends here"},
        {FixturePath("course_garbage.crs"),
         FixturePath("course_garbage.crs") +
             ", line 1, field FirstDate: \"This is not a course file.\" is not a date"},
        {folder.file("half_recent.crs"),
         folder.file("half_recent.crs") +
             ", line 61, field RecentFrontPutts(11): the file ends here"},
        {folder.file("word.crs"),
         folder.file("word.crs") +
             ", line 44, field GreensInRegulationTotal: \"many\" is not a number"},
        {folder.file("missing.crs"),
         folder.file("missing.crs") + " could not be opened: No such file or directory."},
    };
    for (const Case& k : cases) {
        core::CourseState c = open;
        core::FileResult result = core::LoadCourseFile(k.path, c);
        EXPECT_FALSE(result.ok) << k.path;
        EXPECT_EQ(result.error, k.error);
        EXPECT_EQ(c, open) << k.path;
    }
}

TEST(CourseFile, AFolderThatRefusesWritesKeepsTheOldFile) {
    TempFolder folder;
    const std::string before = ReadBytes(FixturePath("course_with_statistics.crs"));
    core::CourseState c = Loaded(FixturePath("course_with_statistics.crs"));
    c.CourseFileName = folder.file("home.crs");
    WriteBytes(c.CourseFileName, before);
    chmod(c.CourseFileName.c_str(), 0666); // the file itself may be written
    c.GamesRecorded = 4;
    core::FileResult result;
    {
        testing_support::ReadOnlyFolder readOnly(folder.path());
        result = core::WriteCourseFile(c);
    }
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, c.CourseFileName + " could not be written: the folder " +
                                folder.path() + " does not allow new files, and saving needs one.");
    EXPECT_EQ(ReadBytes(c.CourseFileName), before);
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"home.crs"});
}

TEST(CourseFile, AReadOnlyFileIsNotReplaced) {
    TempFolder folder;
    core::CourseState c = FixtureCourse();
    c.CourseFileName = folder.file("locked.crs");
    WriteBytes(c.CourseFileName, "kept");
    chmod(c.CourseFileName.c_str(), 0444);
    // Run as an ordinary user that owns the folder: only the file's own mode refuses.
    bool switched = false;
    if (geteuid() == 0) {
        ASSERT_EQ(chown(folder.path().c_str(), 65534, 65534), 0);
        ASSERT_EQ(chown(c.CourseFileName.c_str(), 65534, 65534), 0);
        switched = seteuid(65534) == 0;
    }
    core::FileResult result = core::WriteCourseFile(c);
    if (switched) {
        ASSERT_EQ(seteuid(0), 0);
    }
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, c.CourseFileName + " could not be written: Permission denied.");
    EXPECT_EQ(ReadBytes(c.CourseFileName), "kept");
}

TEST(CourseFile, TextsTheFileCannotHoldAreNotWritten) {
    TempFolder folder;
    core::CourseState c = FixtureCourse();
    c.CourseFileName = folder.file("quote.crs");
    c.CourseName = "Tarn Hill, \"Old\" Course";
    core::FileResult result = core::WriteCourseFile(c);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, c.CourseFileName +
                                " could not be written: the course name holds a double quote or "
                                "a line break.");
    EXPECT_TRUE(folder.entries().empty());
}

// The reader refuses infinities and NaN, so the writer never writes one: the file that
// holds the player's rounds must always open again.
TEST(CourseFile, NumbersTheReaderRefusesAreNotWritten) {
    TempFolder folder;
    core::CourseState c = FixtureCourse();
    c.CourseFileName = folder.file("home.crs");
    ASSERT_TRUE(core::WriteCourseFile(c).ok);
    const std::string before = ReadBytes(c.CourseFileName);

    c.CourseRating = std::numeric_limits<float>::infinity();
    core::FileResult result = core::WriteCourseFile(c);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, c.CourseFileName +
                                " could not be written: line 2, field 4 holds inf, a number the "
                                "file could not be read back with.");
    c.CourseRating = 70.5f;
    c.BunkerShotTotal = std::nan("");
    result = core::WriteCourseFile(c);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.error.find("line 68, field 1 holds nan"), std::string::npos) << result.error;
    EXPECT_EQ(ReadBytes(c.CourseFileName), before);
}

} // namespace
