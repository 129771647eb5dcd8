#include "core/day_number.h"
#include "core/handicap_file.h"
#include "core/handicap_journal.h"
#include "core/handicap_rounds_csv.h"
#include "core/whs_entry.h"
#include "file_fixtures.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using core::JournalReading;
using core::JournalRound;
using file_fixtures::ReadBytes;
using file_fixtures::TempFolder;
using file_fixtures::WriteBytes;

const double Day = core::DayNumberFromDate(2024, 5, 1);

JournalRound Played(double date, int score, float rating = 72.0f, float slope = 113.0f) {
    JournalRound r;
    r.date = date;
    r.adjustedScore = score;
    r.courseRating = rating;
    r.slopeRating = slope;
    r.whsAdjustedScore = score;
    return r;
}

std::vector<JournalRound> Season(int count) {
    std::vector<JournalRound> rounds;
    for (int i = 0; i < count; ++i)
        rounds.push_back(Played(Day + i, 80 + (i * 7) % 11, 71.3f, 125.0f));
    return rounds;
}

class HandicapJournalTest : public ::testing::Test {
protected:
    core::HandicapState NewFile() {
        core::HandicapState h;
        h.HandicapFileName = path;
        h.HandicapPlayerName = "Ann Tarn";
        h.HomeSlope = 121;
        WriteBytes(path, core::HandicapFileText(h));
        return h;
    }
    // The handicap state the engine alone makes of these rounds.
    core::HandicapState EngineOnly(const std::vector<JournalRound>& rounds) {
        core::HandicapState h;
        h.HandicapFileName = path;
        h.HandicapPlayerName = "Ann Tarn";
        h.HomeSlope = 121;
        for (const JournalRound& r : rounds)
            core::AddRound(h, core::EngineRound(r));
        return h;
    }

    TempFolder folder;
    std::string path = folder.file("ann.hcp");
};

TEST_F(HandicapJournalTest, SavingWritesBothFilesAndLeavesTheHandicapFileAsBefore) {
    core::HandicapState h = NewFile();
    std::vector<JournalRound> rounds = Season(7);
    rounds[3].tournament = true;
    rounds[3].grossScore = 84;
    rounds[5].whsAdjustedScore = 79;
    for (const JournalRound& r : rounds) {
        core::JournaledSave saved = core::AddJournaledRounds(h, {r});
        ASSERT_TRUE(saved.handicapFile) << saved.handicapFile.error;
        ASSERT_TRUE(saved.journal) << saved.journal.error;
    }
    // The 24-line file holds exactly what the engine alone would have written.
    EXPECT_EQ(ReadBytes(path), core::HandicapFileText(EngineOnly(rounds)));
    core::HandicapState loaded;
    ASSERT_TRUE(core::LoadHandicapFile(path, loaded));
    JournalReading reading = core::ReadJournalFor(loaded);
    EXPECT_EQ(reading.status, JournalReading::Status::Agrees);
    EXPECT_EQ(reading.journal.rounds, rounds);
}

TEST_F(HandicapJournalTest, AFileWithoutJournalOpensAsBeforeAndKeepsItsRounds) {
    core::HandicapState h = NewFile();
    std::vector<JournalRound> before = Season(6);
    for (const JournalRound& r : before)
        core::AddRound(h, core::EngineRound(r));
    ASSERT_TRUE(core::SaveHandicapFile(h));
    EXPECT_EQ(core::ReadJournalFor(h).status, JournalReading::Status::Missing);

    std::vector<JournalRound> after = {Played(Day + 30, 78), Played(Day + 31, 90)};
    ASSERT_TRUE(core::AddJournaledRounds(h, after).handicapFile);
    JournalReading reading = core::ReadJournalFor(h);
    ASSERT_EQ(reading.status, JournalReading::Status::Agrees);
    EXPECT_EQ(reading.journal.rounds, after); // the WHS starts from the journaled rounds
    // Replayed from the file as it was, the journal gives the file as it is.
    std::optional<core::HandicapState> replayed = core::ReplayJournal(reading.journal, path);
    ASSERT_TRUE(replayed);
    EXPECT_EQ(core::HandicapFileText(*replayed), ReadBytes(path));
    EXPECT_EQ(replayed->RoundCount, 8);
}

TEST_F(HandicapJournalTest, RemovingOrCorrectingARoundReplaysTheRest) {
    core::HandicapState h = NewFile();
    std::vector<JournalRound> rounds = Season(8);
    ASSERT_TRUE(core::AddJournaledRounds(h, rounds).handicapFile);

    std::vector<JournalRound> removed = rounds;
    removed.erase(removed.begin() + 2);
    core::JournaledSave saved = core::RewriteJournaledRounds(h, removed);
    ASSERT_TRUE(saved.handicapFile) << saved.handicapFile.error;
    ASSERT_TRUE(saved.journal) << saved.journal.error;
    EXPECT_EQ(h, EngineOnly(removed));
    EXPECT_EQ(ReadBytes(path), core::HandicapFileText(EngineOnly(removed)));
    EXPECT_EQ(h.RoundCount, 7);

    std::vector<JournalRound> corrected = removed;
    corrected[0].adjustedScore = 70;
    corrected[0].whsAdjustedScore = 70;
    ASSERT_TRUE(core::RewriteJournaledRounds(h, corrected).handicapFile);
    EXPECT_EQ(h, EngineOnly(corrected));
    JournalReading reading = core::ReadJournalFor(h);
    EXPECT_EQ(reading.status, JournalReading::Status::Agrees);
    EXPECT_EQ(reading.journal.rounds, corrected);
}

TEST_F(HandicapJournalTest, ACrashBetweenTheTwoWritesIsFoundOnOpening) {
    core::HandicapState h = NewFile();
    ASSERT_TRUE(core::AddJournaledRounds(h, Season(3)).handicapFile);
    std::string fileBefore = ReadBytes(path);
    ASSERT_TRUE(core::AddJournaledRounds(h, {Played(Day + 40, 85)}).handicapFile);
    // The journal reached the disk, the handicap file did not.
    WriteBytes(path, fileBefore);

    core::HandicapState opened;
    ASSERT_TRUE(core::LoadHandicapFile(path, opened));
    JournalReading reading = core::ReadJournalFor(opened);
    EXPECT_EQ(reading.status, JournalReading::Status::Disagrees);
    EXPECT_EQ(reading.reason, "The last round in the journal never reached the handicap file.");
    EXPECT_FALSE(reading.editable());

    // Edits are refused and nothing is written.
    std::string journalBytes = ReadBytes(core::JournalPathFor(path));
    core::JournaledSave refused = core::RewriteJournaledRounds(opened, Season(2));
    EXPECT_FALSE(refused.handicapFile);
    EXPECT_EQ(ReadBytes(path), fileBefore);
    EXPECT_EQ(ReadBytes(core::JournalPathFor(path)), journalBytes);
}

TEST_F(HandicapJournalTest, AFileChangedBehindTheJournalStaysMarkedAfterTheNextSave) {
    core::HandicapState h = NewFile();
    ASSERT_TRUE(core::AddJournaledRounds(h, Season(3)).handicapFile);
    h.HomeSlope = 130; // as if another program had rewritten the file
    ASSERT_TRUE(core::SaveHandicapFile(h));
    EXPECT_EQ(core::ReadJournalFor(h).reason, "The handicap file was changed outside the journal.");

    // A round is still saved into both, but the journal no longer vouches for the file.
    ASSERT_TRUE(core::AddJournaledRounds(h, {Played(Day + 50, 88)}).handicapFile);
    JournalReading reading = core::ReadJournalFor(h);
    EXPECT_EQ(reading.status, JournalReading::Status::Disagrees);
    EXPECT_EQ(reading.reason, "The handicap file was changed outside the journal.");
    EXPECT_EQ(reading.journal.rounds.size(), 4u);
}

TEST_F(HandicapJournalTest, AJournalThatCannotBeReadIsNeverOverwritten) {
    core::HandicapState h = NewFile();
    const std::string journalPath = core::JournalPathFor(path);
    WriteBytes(journalPath, "not a journal\n");
    core::JournaledSave saved = core::AddJournaledRounds(h, {Played(Day, 85)});
    EXPECT_TRUE(saved.handicapFile);
    EXPECT_FALSE(saved.journal);
    EXPECT_EQ(ReadBytes(journalPath), "not a journal\n");
    EXPECT_EQ(core::ReadJournalFor(h).status, JournalReading::Status::Unreadable);
    EXPECT_EQ(h.RoundCount, 1);
}

TEST_F(HandicapJournalTest, AHandedOverRoundIsCappedAtNetDoubleBogey) {
    core::HandicapState h = NewFile();
    core::CourseState course;
    course.CourseRating = 72.0f;
    course.CourseSlope = 113.0f;
    core::TypedRound round;
    for (int hole = 1; hole <= 18; ++hole) {
        course.HolePar[hole] = 4;
        course.HoleHandicap[hole] = hole;
        round.HoleScore[hole] = 10;
    }
    // No index yet: par + 5 on every hole.
    EXPECT_EQ(core::HandedOverWhsRound(round, course, h).whsAdjustedScore, 18 * 9);
    // Differentials 18, 13 and 16 give an index of 11.0 and a course handicap of 11:
    // a stroke on stroke indexes 1 to 11.
    ASSERT_TRUE(
        core::AddJournaledRounds(h, {Played(Day, 90), Played(Day + 1, 85), Played(Day + 2, 88)})
            .handicapFile);
    core::WhsHandOver handOver = core::HandedOverWhsRound(round, course, h);
    EXPECT_EQ(handOver.whsAdjustedScore, 11 * 7 + 7 * 6);
    EXPECT_EQ(handOver.par, 72);
    // A course without its ratings gives no course handicap, and no par is passed on.
    course.CourseSlope = 0;
    handOver = core::HandedOverWhsRound(round, course, h);
    EXPECT_EQ(handOver.whsAdjustedScore, 18 * 9);
    EXPECT_EQ(handOver.par, 0);
}

TEST(HandicapJournalText, ReadsBackWhatItWrites) {
    core::HandicapJournal journal;
    journal.baseFile = core::NewHandicapFileText("Ann, Tarn", 121);
    journal.fileDigest = core::ContentDigest("a");
    journal.previousDigest = core::ContentDigest("b");
    JournalRound r = Played(Day, 85, 70.5f, 125.0f);
    r.tournament = true;
    r.grossScore = 88;
    r.whsAdjustedScore = 83;
    r.par = 72;
    journal.rounds = {r, Played(Day + 1, 90)};
    std::string error;
    std::optional<core::HandicapJournal> back =
        core::ParseJournal(core::JournalText(journal), error);
    ASSERT_TRUE(back) << error;
    EXPECT_EQ(back->baseFile, journal.baseFile);
    EXPECT_EQ(back->rounds, journal.rounds);
    EXPECT_EQ(back->fileDigest, journal.fileDigest);
    EXPECT_EQ(back->previousDigest, journal.previousDigest);
    EXPECT_NE(core::ContentDigest("a"), core::ContentDigest("b"));
}

} // namespace
