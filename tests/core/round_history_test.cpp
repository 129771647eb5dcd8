#include "core/atomic_file.h"
#include "core/course_file.h"
#include "core/day_number.h"
#include "core/round_history.h"
#include "core/round_journal.h"
#include "file_fixtures.h"

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

namespace {

using file_fixtures::ReadBytes;
using file_fixtures::TempFolder;
using file_fixtures::WriteBytes;

const core::NoPuttsQuestion ChipIn = [](int) { return true; };

// A course with four rounds from before the journal; its first date is a date value.
std::string StatsFixture(const std::string& name) {
    return std::string(TARNWICK_FIXTURES) + "/stats/" + name;
}

core::CourseState OpenCopy(const TempFolder& folder, const std::string& fixture) {
    const std::string path = folder.file("links.crs");
    WriteBytes(path, ReadBytes(StatsFixture(fixture)));
    core::CourseState course;
    EXPECT_TRUE(core::LoadCourseFile(path, course).ok);
    return course;
}

// Par on every hole with two putts, `extra` strokes added to hole `hole`.
core::TypedRound Round(const core::CourseState& course, int year, int month, int day, int hole = 0,
                       int extra = 0) {
    core::TypedRound r;
    for (int h = 1; h <= core::HoleCount; ++h) {
        r.HoleScore[h] = course.HolePar[h] + (h == hole ? extra : 0);
        r.HolePutts[h] = 2;
    }
    r.RoundFairways = 7;
    r.RoundPenalties = 1;
    r.RoundSandShots = 2;
    r.RoundSandSaves = 1;
    r.RoundSandAttempts = 2;
    r.EntryDate = core::DayNumberFromDate(year, month, day);
    return r;
}

// Saves as the score-entry window does: fold, then write the course file and journal.
void SaveAsTyped(core::CourseState& course, const core::TypedRound& round) {
    const core::CourseState before = course;
    ASSERT_EQ(core::SaveRound(course, round, ChipIn).status, core::SaveStatus::Saved);
    core::FileResult written = core::SaveCourseWithRound(before, course, round);
    ASSERT_TRUE(written.ok) << written.error;
}

core::CourseState Fold(core::CourseState course, const std::vector<core::TypedRound>& rounds) {
    for (const core::TypedRound& round : rounds)
        EXPECT_EQ(core::SaveRound(course, round, ChipIn).status, core::SaveStatus::Saved);
    return course;
}

struct Season {
    const char* name;
    std::function<std::vector<core::TypedRound>(const core::CourseState&)> rounds;
    // Changes the list and the course the same way; the list is then the expectation.
    std::function<core::FileResult(core::CourseState&, std::vector<core::TypedRound>&)> change;
};

std::vector<core::TypedRound> Rounds(const core::CourseState& c, int count) {
    std::vector<core::TypedRound> rounds;
    for (int i = 0; i < count; ++i)
        rounds.push_back(Round(c, 1996, 5, 1 + i, 1 + i % 18, i % 4));
    return rounds;
}

core::FileResult Remove(core::CourseState& course, std::vector<core::TypedRound>& rounds,
                        size_t index) {
    rounds.erase(rounds.begin() + static_cast<std::ptrdiff_t>(index));
    return core::RemoveRound(course, index);
}

core::FileResult Correct(core::CourseState& course, std::vector<core::TypedRound>& rounds,
                         size_t index, const core::TypedRound& round) {
    rounds[index] = round;
    return core::CorrectRound(course, index, round);
}

const Season Seasons[] = {
    {"hole in one removed",
     [](const core::CourseState& c) {
         auto rounds = Rounds(c, 3);
         rounds[1].HoleScore[3] = 1;
         rounds[1].HolePutts[3] = 0;
         return rounds;
     },
     [](core::CourseState& c, auto& rounds) { return Remove(c, rounds, 1); }},
    {"best score removed",
     [](const core::CourseState& c) {
         auto rounds = Rounds(c, 4);
         rounds[2].HoleScore[9] -= 2; // an eagle makes the best round
         return rounds;
     },
     [](core::CourseState& c, auto& rounds) { return Remove(c, rounds, 2); }},
    {"correction makes a new best score and keeps its place",
     [](const core::CourseState& c) { return Rounds(c, 5); },
     [](core::CourseState& c, auto& rounds) {
         core::TypedRound better = rounds[1];
         for (int h = 1; h <= 6; ++h)
             better.HoleScore[h] -= 1;
         return Correct(c, rounds, 1, better);
     }},
    {"the 21st round: removing an early one brings back the oldest recent round",
     [](const core::CourseState& c) { return Rounds(c, 22); },
     [](core::CourseState& c, auto& rounds) { return Remove(c, rounds, 3); }},
    {"a round dated before the first date, corrected to a later date",
     [](const core::CourseState& c) {
         auto rounds = Rounds(c, 3);
         rounds[0].EntryDate = core::DayNumberFromDate(1990, 1, 2);
         return rounds;
     },
     [](core::CourseState& c, auto& rounds) {
         core::TypedRound later = rounds[0];
         later.EntryDate = core::DayNumberFromDate(1996, 6, 1);
         return Correct(c, rounds, 0, later);
     }},
    {"every journaled round removed", [](const core::CourseState& c) { return Rounds(c, 2); },
     [](core::CourseState& c, auto& rounds) {
         core::FileResult first = Remove(c, rounds, 0);
         return first.ok ? Remove(c, rounds, 0) : first;
     }},
};

TEST(RoundHistory, ChangesGiveTheFoldOfTheCorrectedRoundsByteForByte) {
    for (const char* fixture : {"four_rounds.crs", "no_rounds.crs"}) {
        for (const Season& season : Seasons) {
            SCOPED_TRACE(std::string(fixture) + ": " + season.name);
            TempFolder folder;
            core::CourseState course = OpenCopy(folder, fixture);
            const core::CourseState base = course;
            std::vector<core::TypedRound> rounds = season.rounds(course);
            for (const core::TypedRound& round : rounds)
                SaveAsTyped(course, round);
            ASSERT_EQ(course, Fold(base, rounds));

            core::FileResult changed = season.change(course, rounds);
            ASSERT_TRUE(changed.ok) << changed.error;

            const core::CourseState expected = Fold(base, rounds);
            EXPECT_EQ(course, expected);
            EXPECT_EQ(ReadBytes(course.CourseFileName),
                      core::CourseFileText(expected, core::CourseFileKind::Rewrite));
            core::RoundHistory history = core::LoadRoundHistory(course.CourseFileName);
            EXPECT_EQ(history.status, core::HistoryStatus::Matches) << history.problem;
            EXPECT_EQ(history.journal.rounds, rounds);
            EXPECT_EQ(history.earlierRounds(), static_cast<int>(base.GamesRecorded));
        }
    }
}

TEST(RoundHistory, RemovingTheOnlyRoundGivesBackTheFileFromBeforeTheJournal) {
    TempFolder folder;
    core::CourseState course = OpenCopy(folder, "four_rounds.crs");
    const core::CourseState base = course;
    SaveAsTyped(course, Round(course, 1996, 5, 1, 4, 3));
    ASSERT_EQ(course.GamesRecorded, 5);
    ASSERT_TRUE(core::RemoveRound(course, 0).ok);
    EXPECT_EQ(course, base);
    EXPECT_EQ(course.GamesRecorded, 4);
    EXPECT_TRUE(course.FirstDate.isDateValue);
}

TEST(RoundHistory, CorrectedHoleDataIsFoldedIntoEveryJournaledRound) {
    TempFolder folder;
    core::CourseState course = OpenCopy(folder, "no_rounds.crs");
    const core::CourseState base = course;
    std::vector<core::TypedRound> rounds = Rounds(course, 3);
    for (const core::TypedRound& round : rounds)
        SaveAsTyped(course, round);

    // Hole 2 was entered as a par 4; it is a par 5 of 530 yards.
    course.HolePar[2] = 5;
    course.HoleYards[2] = 530;
    core::ComputeLengthClasses(course);
    ASSERT_TRUE(core::HasEditableRounds(course.CourseFileName));
    ASSERT_TRUE(core::RebuildWithHoleData(course).ok);

    core::CourseState corrected = base;
    corrected.HolePar[2] = 5;
    corrected.HoleYards[2] = 530;
    core::ComputeLengthClasses(corrected);
    const core::CourseState expected = Fold(corrected, rounds);
    EXPECT_EQ(course, expected);
    EXPECT_EQ(ReadBytes(course.CourseFileName),
              core::CourseFileText(expected, core::CourseFileKind::Rewrite));
    EXPECT_EQ(core::LoadRoundHistory(course.CourseFileName).status, core::HistoryStatus::Matches);
}

TEST(RoundHistory, ACourseEditKeepsTheJournalDescribingTheFile) {
    TempFolder folder;
    core::CourseState course = OpenCopy(folder, "no_rounds.crs");
    SaveAsTyped(course, Round(course, 1996, 5, 1));
    course.TeeName = "Blue";
    ASSERT_TRUE(core::WriteCourseKeepingJournal(course, core::CourseFileKind::Rewrite).ok);
    EXPECT_EQ(core::LoadRoundHistory(course.CourseFileName).status, core::HistoryStatus::Matches);
}

TEST(RoundHistory, AFileWithoutJournalCountsItsEarlierRounds) {
    TempFolder folder;
    core::CourseState course = OpenCopy(folder, "four_rounds.crs");
    core::RoundHistory history = core::LoadRoundHistory(course.CourseFileName);
    EXPECT_EQ(history.status, core::HistoryStatus::NoJournal);
    EXPECT_TRUE(history.journal.rounds.empty());
    EXPECT_EQ(history.earlierRounds(), 4);
}

// A course file changed behind the history's back: the rounds are shown but not changed.
TEST(RoundHistory, ADisagreeingFileIsNeitherChangedNorRewritten) {
    struct Case {
        const char* name;
        std::function<void(const std::string& coursePath)> meddle;
        core::HistoryStatus status;
    };
    const Case cases[] = {
        {"course edited elsewhere",
         [](const std::string& path) {
             std::string text = ReadBytes(path);
             text.replace(text.find("\"White\""), 7, "\"Red\"");
             WriteBytes(path, text);
         },
         core::HistoryStatus::Disagrees},
        {"course restored from a copy made before the journal",
         [](const std::string& path) {
             WriteBytes(path, ReadBytes(StatsFixture("four_rounds.crs")));
         },
         core::HistoryStatus::Disagrees},
        {"journal damaged",
         [](const std::string& path) {
             std::string journal = ReadBytes(core::RoundJournalPathFor(path));
             WriteBytes(core::RoundJournalPathFor(path), journal.substr(0, journal.size() - 30));
         },
         core::HistoryStatus::Unreadable},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        core::CourseState course = OpenCopy(folder, "four_rounds.crs");
        SaveAsTyped(course, Round(course, 1996, 5, 1));
        SaveAsTyped(course, Round(course, 1996, 5, 2));
        c.meddle(course.CourseFileName);
        const std::string courseBytes = ReadBytes(course.CourseFileName);
        const std::string journalBytes =
            ReadBytes(core::RoundJournalPathFor(course.CourseFileName));

        core::RoundHistory history = core::LoadRoundHistory(course.CourseFileName);
        EXPECT_EQ(history.status, c.status);
        EXPECT_FALSE(history.problem.empty());
        EXPECT_FALSE(history.editable());
        core::CourseState copy = course;
        EXPECT_FALSE(core::RemoveRound(copy, 0).ok);
        EXPECT_FALSE(core::CorrectRound(copy, 0, Round(course, 1996, 5, 3)).ok);
        EXPECT_FALSE(core::RebuildWithHoleData(copy).ok);
        EXPECT_FALSE(core::AddRounds(copy, {Round(course, 1996, 5, 3)}).ok);
        EXPECT_EQ(ReadBytes(course.CourseFileName), courseBytes);
        EXPECT_EQ(ReadBytes(core::RoundJournalPathFor(course.CourseFileName)), journalBytes);

        // A round saved meanwhile still reaches the course file; the journal stays as it was.
        core::CourseState reopened;
        ASSERT_TRUE(core::LoadCourseFile(course.CourseFileName, reopened).ok);
        SaveAsTyped(reopened, Round(course, 1996, 5, 4));
        EXPECT_NE(ReadBytes(course.CourseFileName), courseBytes);
        EXPECT_EQ(ReadBytes(core::RoundJournalPathFor(course.CourseFileName)), journalBytes);
    }
}

TEST(RoundHistory, ACourseFileThatCannotBeWrittenLeavesTheJournalAsItWas) {
    TempFolder folder;
    core::CourseState course = OpenCopy(folder, "no_rounds.crs");
    const std::string journalPath = core::RoundJournalPathFor(course.CourseFileName);
    core::CourseState unwritable = course;
    unwritable.TeeName = "The\r\nTips"; // a line break cannot be stored
    core::CourseState before = unwritable;
    core::TypedRound round = Round(course, 1996, 5, 1);
    ASSERT_EQ(core::SaveRound(unwritable, round, ChipIn).status, core::SaveStatus::Saved);
    EXPECT_FALSE(core::SaveCourseWithRound(before, unwritable, round).ok);
    EXPECT_FALSE(std::filesystem::exists(journalPath));

    SaveAsTyped(course, round);
    const std::string journal = ReadBytes(journalPath);
    before = unwritable = course;
    unwritable.TeeName = "The\r\nTips";
    ASSERT_EQ(core::SaveRound(unwritable, round, ChipIn).status, core::SaveStatus::Saved);
    EXPECT_FALSE(core::SaveCourseWithRound(before, unwritable, round).ok);
    EXPECT_EQ(ReadBytes(journalPath), journal);
    EXPECT_EQ(core::LoadRoundHistory(course.CourseFileName).status, core::HistoryStatus::Matches);
}

// Runs `work` in a child process and kills it after `delay` microseconds (or lets it
// kill itself).
void RunAndKill(const std::function<void()>& work, useconds_t delay) {
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        work();
        _exit(0);
    }
    if (delay > 0) {
        usleep(delay);
        kill(child, SIGKILL);
    }
    int status = 0;
    waitpid(child, &status, 0);
}

// Writes the journal with `round` added, as a save does first, and dies before the
// course file is written.
void DieBetweenTheTwoWrites(const core::CourseState& course, const core::TypedRound& round) {
    RunAndKill(
        [&] {
            core::RoundHistory history = core::LoadRoundHistory(course.CourseFileName);
            core::RoundJournal journal = history.journal;
            journal.rounds.push_back(round);
            core::CourseState after = course;
            core::SaveRound(after, round, ChipIn);
            journal.previousDigest = core::CourseDigest(history.courseText);
            journal.courseDigest =
                core::CourseDigest(core::CourseFileText(after, core::CourseFileKind::Rewrite));
            core::WriteFileAtomically(core::RoundJournalPathFor(course.CourseFileName),
                                      core::RoundJournalText(journal));
            raise(SIGKILL);
        },
        0);
}

TEST(RoundHistory, AWriterKilledBetweenTheTwoWritesIsDetectedAndCanBeFinished) {
    TempFolder folder;
    core::CourseState course = OpenCopy(folder, "four_rounds.crs");
    SaveAsTyped(course, Round(course, 1996, 5, 1));
    const std::string courseBytes = ReadBytes(course.CourseFileName);
    DieBetweenTheTwoWrites(course, Round(course, 1996, 5, 2, 5, 2));

    core::RoundHistory history = core::LoadRoundHistory(course.CourseFileName);
    EXPECT_EQ(history.status, core::HistoryStatus::Interrupted);
    EXPECT_FALSE(history.editable());
    EXPECT_EQ(ReadBytes(course.CourseFileName), courseBytes);

    core::CourseState finished;
    ASSERT_TRUE(core::FinishInterruptedChange(course.CourseFileName, finished).ok);
    EXPECT_EQ(finished, Fold(course, {Round(course, 1996, 5, 2, 5, 2)}));
    EXPECT_EQ(core::LoadRoundHistory(course.CourseFileName).status, core::HistoryStatus::Matches);
}

TEST(RoundHistory, TheNextSaveFinishesAnInterruptedOneFirst) {
    TempFolder folder;
    core::CourseState course = OpenCopy(folder, "four_rounds.crs");
    const core::CourseState base = course;
    const std::vector<core::TypedRound> rounds = {Round(course, 1996, 5, 1),
                                                  Round(course, 1996, 5, 2, 5, 2),
                                                  Round(course, 1996, 5, 3, 7, 1)};
    SaveAsTyped(course, rounds[0]);
    DieBetweenTheTwoWrites(course, rounds[1]);
    // The program starts again from the course file, which lacks the second round.
    core::CourseState reopened;
    ASSERT_TRUE(core::LoadCourseFile(course.CourseFileName, reopened).ok);
    SaveAsTyped(reopened, rounds[2]);
    EXPECT_EQ(reopened, Fold(base, rounds));
    EXPECT_EQ(ReadBytes(course.CourseFileName),
              core::CourseFileText(Fold(base, rounds), core::CourseFileKind::Rewrite));
    core::RoundHistory history = core::LoadRoundHistory(course.CourseFileName);
    EXPECT_EQ(history.status, core::HistoryStatus::Matches);
    EXPECT_EQ(history.journal.rounds, rounds);
}

TEST(RoundHistory, ANewCourseOverAnOldFileSetsItsJournalAside) {
    TempFolder folder;
    core::CourseState course = OpenCopy(folder, "four_rounds.crs");
    SaveAsTyped(course, Round(course, 1996, 5, 1));
    const std::string journal = ReadBytes(core::RoundJournalPathFor(course.CourseFileName));
    core::CourseState fresh = core::CourseWithoutStatistics(course);
    ASSERT_TRUE(core::WriteCourseFile(fresh, core::CourseFileKind::NewCourse).ok);
    ASSERT_TRUE(core::SetAsideRoundJournal(course.CourseFileName).ok);
    EXPECT_EQ(core::LoadRoundHistory(course.CourseFileName).status, core::HistoryStatus::NoJournal);
    EXPECT_EQ(ReadBytes(core::RoundJournalPathFor(course.CourseFileName) + ".replaced"), journal);
}

TEST(RoundHistory, WritersKilledAtRandomNeverLeaveFileAndJournalSilentlyApart) {
    for (useconds_t delay : {300u, 1100u, 2900u, 7000u, 15000u}) {
        SCOPED_TRACE(delay);
        TempFolder folder;
        core::CourseState course = OpenCopy(folder, "four_rounds.crs");
        RunAndKill(
            [&] {
                core::CourseState c = course;
                for (int i = 0; i < 2000; ++i)
                    SaveAsTyped(c, Round(c, 1996, 1 + i % 12, 1 + i % 28, 1 + i % 18, i % 3));
            },
            delay);
        core::RoundHistory history = core::LoadRoundHistory(course.CourseFileName);
        if (history.status == core::HistoryStatus::NoJournal)
            continue; // killed before the first write
        ASSERT_TRUE(history.status == core::HistoryStatus::Matches ||
                    history.status == core::HistoryStatus::Interrupted)
            << history.problem;
        core::CourseState now;
        if (history.status == core::HistoryStatus::Interrupted)
            ASSERT_TRUE(core::FinishInterruptedChange(course.CourseFileName, now).ok);
        else
            ASSERT_TRUE(core::LoadCourseFile(course.CourseFileName, now).ok);
        EXPECT_EQ(now, Fold(course, core::LoadRoundHistory(course.CourseFileName).journal.rounds));
    }
}

} // namespace
