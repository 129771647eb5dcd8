#include "core/course_file.h"
#include "core/day_number.h"
#include "core/round_folding.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

using Holes = std::array<int, 18>;

// Par 72 with four par 3s: hole 11 is a par 3 of 186 yards, hole 16 one of 120.
constexpr Holes Pars = {4, 4, 3, 5, 4, 4, 3, 4, 5, 4, 3, 4, 5, 4, 4, 3, 5, 4};
constexpr std::array<double, 18> Yards = {380, 402, 165, 512, 365, 420, 140, 395, 540,
                                          410, 186, 330, 575, 360, 390, 120, 525, 415};

core::CourseState TestCourse() {
    core::CourseState c;
    c.PlayerName = "Pat Golfer";
    c.CourseName = "Tarnwick Links";
    c.TeeName = "White";
    c.CourseRating = 70.5f;
    c.CourseSlope = 125;
    for (int h = 1; h <= 18; ++h) {
        c.HolePar[h] = Pars[h - 1];
        c.HoleYards[h] = Yards[h - 1];
        c.HoleHandicap[h] = h;
    }
    core::ComputeLengthClasses(c);
    c.FirstDate = {core::DayNumberFromDate(1996, 1, 10), true};
    c.LastDate = core::DayNumberFromDate(1996, 1, 10);
    return c;
}

core::TypedRound RoundOf(const Holes& scores, const Holes& putts) {
    core::TypedRound r;
    for (int h = 1; h <= 18; ++h) {
        r.HoleScore[h] = scores[h - 1];
        r.HolePutts[h] = putts[h - 1];
    }
    r.EntryDate = core::DayNumberFromDate(1996, 3, 5);
    return r;
}

Holes AllOf(int value) {
    Holes holes;
    holes.fill(value);
    return holes;
}

// Par on every hole with two putts, then one hole changed.
core::TypedRound ParRoundWith(int hole, int score, int putts) {
    Holes scores = Pars;
    Holes puttCounts = AllOf(2);
    scores[hole - 1] = score;
    puttCounts[hole - 1] = putts;
    return RoundOf(scores, puttCounts);
}

// A round with `total` strokes: par everywhere, the difference taken on the first holes.
core::TypedRound RoundOfTotal(int total) {
    Holes scores = Pars;
    int left = total - 72;
    for (int h = 0; left != 0; h = (h + 1) % 18) {
        int step = left > 0 ? 1 : -1;
        if (scores[h] + step < 1)
            continue;
        scores[h] += step;
        left -= step;
    }
    return RoundOf(scores, AllOf(2));
}

const core::NoPuttsQuestion AlwaysOk = [](int) { return true; };

core::SaveOutcome Save(core::CourseState& course, const core::TypedRound& round) {
    return core::SaveRound(course, round, AlwaysOk);
}

TEST(RoundFolding, AddsEveryTotalOfARound) {
    core::CourseState course = TestCourse();
    // Front 40, back 43: a known round with 5 greens in regulation and one chip-in.
    core::TypedRound round = RoundOf({4, 5, 3, 6, 4, 6, 2, 5, 5, 5, 4, 4, 7, 5, 4, 3, 6, 5},
                                     {2, 2, 2, 2, 1, 3, 1, 2, 2, 2, 2, 2, 3, 1, 0, 1, 2, 2});
    round.RoundFairways = 9;
    round.RoundPenalties = 2.5f; // the penalty box takes any number
    round.RoundSandSaves = 1;
    round.RoundSandShots = 3;
    round.RoundSandAttempts = 2;
    round.EntryDate = core::DayNumberFromDate(1995, 12, 31);

    core::SaveOutcome outcome = Save(course, round);
    ASSERT_EQ(outcome.status, core::SaveStatus::Saved);
    const core::RoundFigures& f = outcome.figures;
    EXPECT_EQ(f.FrontScore, 40);
    EXPECT_EQ(f.BackScore, 43);
    EXPECT_EQ(f.FrontPutts, 17);
    EXPECT_EQ(f.BackPutts, 15);
    EXPECT_EQ((std::array{f.RoundChipIns, f.RoundOnePutts, f.RoundTwoPutts, f.RoundThreePutts}),
              (std::array{1, 4, 11, 2}));
    EXPECT_EQ(f.RoundGreens, 5);
    EXPECT_EQ(f.RoundGreenPutts, 9);
    EXPECT_EQ((std::array{f.RoundDoubleEagles, f.RoundEagles, f.RoundBirdies, f.RoundPars,
                          f.RoundBogeys, f.RoundOthers}),
              (std::array{0, 0, 1, 7, 8, 2}));
    EXPECT_EQ(f.ParHoles, (std::array{4, 10, 4}));
    EXPECT_EQ(f.ParStrokes, (std::array{12, 47, 24}));
    EXPECT_FALSE(outcome.NewBestRound);
    EXPECT_TRUE(outcome.holesInOne.empty());

    EXPECT_EQ(course.GamesRecorded, 1);
    EXPECT_EQ(course.FrontStrokesTotal, 40);
    EXPECT_EQ(course.BackStrokesTotal, 43);
    EXPECT_EQ(course.RoundStrokesTotal, 83);
    EXPECT_EQ((std::array{course.BestRound, course.BestFront, course.BestBack}),
              (std::array{83, 40, 43}));
    EXPECT_EQ((std::array{course.RoundsUnder100, course.RoundsUnder90, course.RoundsUnder80,
                          course.RoundsUnder70}),
              (std::array{1, 1, 0, 0}));
    EXPECT_EQ(course.FrontUnder40, 0); // 40 is not below 40
    EXPECT_EQ(course.BackUnder40, 0);
    EXPECT_EQ(course.HoleStrokes[13], 7);
    EXPECT_EQ(course.HoleResults[7], (std::array{0, 0, 1, 0, 0})); // birdie
    EXPECT_EQ(course.HoleResults[2], (std::array{0, 0, 0, 0, 1})); // bogey
    EXPECT_EQ(course.HoleResults[6], (std::array{0, 0, 0, 0, 0})); // double bogey: none
    EXPECT_EQ((std::array{course.FrontPuttsTotal, course.BackPuttsTotal, course.RoundPuttsTotal}),
              (std::array{17, 15, 32}));
    EXPECT_EQ(course.LowFrontPutts, 17);
    EXPECT_EQ(course.LowRoundPutts, 32);
    EXPECT_EQ(course.OnePuttTotal, 4);
    EXPECT_EQ(course.ThreePuttTotal, 2);
    EXPECT_EQ(course.ChipInTotal, 1);
    EXPECT_EQ(course.FairwaysHitTotal, 9);
    EXPECT_EQ(course.PenaltyTotal, 2); // 2.5 rounds to the even 2
    EXPECT_EQ(course.SandSaveTotal, 1);
    EXPECT_EQ(course.BunkerShotTotal, 3);
    EXPECT_EQ(course.SandSaveAttempts, 2);
    EXPECT_EQ(course.GreensInRegulationTotal, 5);
    EXPECT_EQ(course.GreensInRegulationPutts, 9);
    EXPECT_EQ(
        (std::array{course.ParsTotal, course.BogeysTotal, course.BirdiesTotal, course.OthersTotal}),
        (std::array{7.0f, 8.0f, 1.0f, 2.0f}));
    EXPECT_EQ(course.ParHolesPlayed, (std::array{4, 10, 4}));
    EXPECT_EQ(course.ParStrokesTotal, (std::array{12, 47, 24}));
    EXPECT_EQ(course.HighestRound, 83);
    EXPECT_EQ(course.MostSubParHoles, 1);
    EXPECT_EQ(course.MostPars, 7);
    EXPECT_EQ(course.MostOverParHoles, 10);
    // An earlier round lowers the first date, which is a day number from then on.
    EXPECT_EQ(course.FirstDate, (core::VariantDate{round.EntryDate, false}));
    EXPECT_EQ(course.LastDate, core::DayNumberFromDate(1996, 1, 10));
    EXPECT_EQ(course.RecentCount, 1);
    EXPECT_EQ((std::array{course.RecentRoundScore[1], course.RecentFrontScore[1],
                          course.RecentBackScore[1], course.RecentRoundPutts[1],
                          course.RecentFrontPutts[1], course.RecentBackPutts[1],
                          course.RecentFairways[1], course.RecentGreens[1]}),
              (std::array{83, 40, 43, 32, 17, 15, 9, 5}));
}

TEST(RoundFolding, TheFoldedCourseReadsBackFromItsFile) {
    char folder[] = "/tmp/round_folding_XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    core::CourseState course = TestCourse();
    course.CourseFileName = std::string(folder) + "/home.crs";
    ASSERT_TRUE(core::WriteCourseFile(course, core::CourseFileKind::NewCourse));
    Save(course, ParRoundWith(3, 1, 0));
    Save(course, RoundOfTotal(85));
    ASSERT_TRUE(core::WriteCourseFile(course));

    core::CourseState read;
    ASSERT_TRUE(core::LoadCourseFile(course.CourseFileName, read));
    EXPECT_EQ(read, course);
    EXPECT_EQ(read.GamesRecorded, 2);
    std::remove(course.CourseFileName.c_str());
    rmdir(folder);
}

// One round on a fresh course, and what it must have changed.
struct FoldCase {
    const char* name;
    core::TypedRound round;
    std::function<void(const core::CourseState&, const core::SaveOutcome&)> check;
};

TEST(RoundFolding, CountsEachKindOfHoleAsItShould) {
    const core::CourseState fresh = TestCourse();
    const FoldCase cases[] = {
        {"a 69 is under 100, 90, 80 and 70", RoundOfTotal(69),
         [](const core::CourseState& c, const core::SaveOutcome&) {
             EXPECT_EQ(
                 (std::array{c.RoundsUnder100, c.RoundsUnder90, c.RoundsUnder80, c.RoundsUnder70}),
                 (std::array{1, 1, 1, 1}));
             EXPECT_EQ(c.FrontUnder40, 1);
             EXPECT_EQ(c.BackUnder40, 1);
         }},
        {"a 75 counts under 100, 90 and 80", RoundOfTotal(75),
         [](const core::CourseState& c, const core::SaveOutcome&) {
             EXPECT_EQ(
                 (std::array{c.RoundsUnder100, c.RoundsUnder90, c.RoundsUnder80, c.RoundsUnder70}),
                 (std::array{1, 1, 1, 0}));
         }},
        {"a 100 counts nowhere", RoundOfTotal(100),
         [](const core::CourseState& c, const core::SaveOutcome&) {
             EXPECT_EQ(c.RoundsUnder100, 0);
             EXPECT_EQ(c.HighestRound, 100);
         }},
        {"1 on a par 4 is a double eagle and a hole in one", ParRoundWith(2, 1, 0),
         [](const core::CourseState& c, const core::SaveOutcome& o) {
             EXPECT_EQ(c.DoubleEaglesTotal, 1);
             EXPECT_EQ(c.HoleResults[2], (std::array{1, 0, 0, 0, 0}));
             EXPECT_EQ(o.holesInOne, std::vector<int>{2});
             EXPECT_EQ(c.MostSubParHoles, 1);
         }},
        {"1 on a par 5 is in no result class but still a hole in one", ParRoundWith(4, 1, 0),
         [](const core::CourseState& c, const core::SaveOutcome& o) {
             EXPECT_EQ(c.DoubleEaglesTotal + c.EaglesTotal + c.BirdiesTotal + c.ParsTotal +
                           c.BogeysTotal + c.OthersTotal,
                       17);
             EXPECT_EQ(c.HoleResults[4], (std::array{0, 0, 0, 0, 0}));
             EXPECT_EQ(o.holesInOne, std::vector<int>{4});
             EXPECT_EQ(c.MostSubParHoles, 0);
         }},
        {"4 with 2 putts on a par 4 is a green in regulation", ParRoundWith(1, 4, 2),
         [](const core::CourseState& c, const core::SaveOutcome&) {
             EXPECT_EQ(c.GreensInRegulationTotal, 18);
         }},
        {"5 with 2 putts on a par 4 is not", ParRoundWith(1, 5, 2),
         [](const core::CourseState& c, const core::SaveOutcome& o) {
             EXPECT_EQ(c.GreensInRegulationTotal, 17);
             EXPECT_EQ(o.figures.RoundGreenPutts, 34);
         }},
        {"3 strokes and 5 putts on a par 3 is kept as typed", ParRoundWith(3, 3, 5),
         [](const core::CourseState& c, const core::SaveOutcome& o) {
             EXPECT_EQ(c.GreensInRegulationTotal, 18);
             EXPECT_EQ(c.GreensInRegulationPutts, 17 * 2 + 5);
             EXPECT_EQ(o.figures.RoundThreePutts, 1);
             EXPECT_EQ(c.RoundPuttsTotal, 39);
         }},
        {"the par 3 of 186 yards is a long par 3", ParRoundWith(11, 5, 2),
         [](const core::CourseState& c, const core::SaveOutcome&) {
             EXPECT_EQ(c.LengthClassStrokes[core::LongPar3], 5);
             EXPECT_EQ(c.LengthClassStrokes[core::MediumPar3], 3 + 3); // 165 and 140 yards
             EXPECT_EQ(c.LengthClassStrokes[core::ShortPar3], 3);      // 120 yards
             EXPECT_EQ(c.LengthClassStrokes[core::LongPar5], 5);       // 575 yards
         }},
        {"a par 4 scored 9 is capped by both tables", ParRoundWith(1, 9, 2),
         [](const core::CourseState&, const core::SaveOutcome& o) {
             // The other 17 holes are par, below every cap: 68 strokes.
             EXPECT_EQ(o.figures.StandardEscTotals, (std::array{68 + 5, 68 + 6, 68 + 7, 68 + 8}));
             // Par on the others is at most 5, below every USGA cap too.
             EXPECT_EQ(o.figures.UsgaEscTotals, (std::array{68 + 6, 68 + 7, 68 + 8, 68 + 9}));
         }},
        {"a 7 on a par 5 is capped at 6 by the first USGA column", ParRoundWith(4, 7, 2),
         [](const core::CourseState&, const core::SaveOutcome& o) {
             EXPECT_EQ(o.figures.StandardEscTotals, (std::array{73, 74, 74, 74}));
             EXPECT_EQ(o.figures.UsgaEscTotals, (std::array{73, 74, 74, 74}));
         }},
        {"a chip-in counts apart from the putt classes", ParRoundWith(9, 4, 0),
         [](const core::CourseState& c, const core::SaveOutcome& o) {
             EXPECT_EQ(c.ChipInTotal, 1);
             EXPECT_EQ(c.TwoPuttTotal, 17);
             EXPECT_EQ(o.figures.RoundBirdies, 1);
             EXPECT_EQ(c.GreensInRegulationTotal, 17); // 4 strokes before putting on a 5
         }},
    };
    for (const FoldCase& fold : cases) {
        SCOPED_TRACE(fold.name);
        core::CourseState course = fresh;
        core::SaveOutcome outcome = Save(course, fold.round);
        ASSERT_EQ(outcome.status, core::SaveStatus::Saved);
        fold.check(course, outcome);
    }
}

TEST(RoundFolding, ABestScoreIsNewsOnlyWhenAnEarlierOneIsBeaten) {
    core::CourseState course = TestCourse();
    struct Step {
        int total;
        bool newBest;
        int bestAfter;
    };
    const Step steps[] = {{85, false, 85}, {84, true, 84}, {84, false, 84}, {90, false, 84}};
    for (const Step& step : steps) {
        SCOPED_TRACE(step.total);
        core::SaveOutcome outcome = Save(course, RoundOfTotal(step.total));
        EXPECT_EQ(outcome.NewBestRound, step.newBest);
        EXPECT_EQ(course.BestRound, step.bestAfter);
    }
    EXPECT_EQ(course.HighestRound, 90);
    EXPECT_EQ(course.GamesRecorded, 4);
}

TEST(RoundFolding, KeepsTheLastTwentyRoundsOldestFirst) {
    core::CourseState course = TestCourse();
    for (int i = 1; i <= 20; ++i)
        Save(course, RoundOfTotal(70 + i));
    EXPECT_EQ(course.RecentCount, 20);
    EXPECT_EQ(course.RecentRoundScore[1], 71);
    EXPECT_EQ(course.RecentRoundScore[20], 90);

    Save(course, RoundOfTotal(99));
    EXPECT_EQ(course.RecentCount, 20);
    EXPECT_EQ(course.RecentRoundScore[1], 72);
    EXPECT_EQ(course.RecentRoundScore[19], 90);
    EXPECT_EQ(course.RecentRoundScore[20], 99);
    EXPECT_EQ(course.RecentRoundScore[21], 0);
    EXPECT_EQ(course.RecentRoundPutts[20], 36);
    EXPECT_EQ(course.RecentFrontScore[20] + course.RecentBackScore[20], 99);
    EXPECT_EQ(course.GamesRecorded, 21);
}

TEST(RoundFolding, ADamagedRecentCountStaysInsideTheArrays) {
    core::CourseState course = TestCourse();
    course.RecentCount = 57;
    Save(course, RoundOfTotal(80));
    EXPECT_EQ(course.RecentCount, 20);
    EXPECT_EQ(course.RecentRoundScore[20], 80);
}

TEST(RoundFolding, CountersPassTheOldSixteenBitLimit) {
    core::CourseState course = TestCourse();
    course.RoundStrokesTotal = 32700;
    course.HoleStrokes[1] = 32766;
    Save(course, RoundOfTotal(80));
    EXPECT_EQ(course.RoundStrokesTotal, 32780);
    EXPECT_EQ(course.HoleStrokes[1], 32766 + RoundOfTotal(80).HoleScore[1]);
}

// A course file may hold any int in its fields and a caller any int in a round: folding
// holds every figure at the limits of int instead of overflowing.
TEST(RoundFolding, ExtremeParsScoresAndCountersNeverOverflow) {
    constexpr int Most = std::numeric_limits<int>::max();
    constexpr int Least = std::numeric_limits<int>::min();
    core::CourseState course = TestCourse();
    course.HolePar[1] = Most;
    course.HolePar[2] = Least;
    course.RoundStrokesTotal = Most - 10;
    course.HoleStrokes[3] = Most;
    course.RoundsUnder100 = Most;
    course.LengthClassStrokes[core::MediumPar4] = Most;
    core::TypedRound round = RoundOf(Pars, AllOf(2));
    round.HoleScore[4] = Most;
    round.HoleScore[5] = Most;

    core::RoundFigures figures = core::ComputeRoundFigures(course, round);
    EXPECT_EQ(figures.FrontScore, Most);
    EXPECT_EQ(figures.TotalScore(), Most);
    EXPECT_EQ(round.TotalScore(), Most);
    // Hole 2 counts its par - 3 + 4: 4 + (Least + 4) + 72 on the other sixteen holes.
    EXPECT_EQ(figures.StandardEscTotals[3], Least + 80);

    EXPECT_EQ(Save(course, round).status, core::SaveStatus::Saved);
    EXPECT_EQ(course.RoundStrokesTotal, Most);
    EXPECT_EQ(course.FrontStrokesTotal, Most);
    EXPECT_EQ(course.HoleStrokes[3], Most);
    EXPECT_EQ(course.HoleStrokes[4], Most);
    EXPECT_EQ(course.RoundsUnder100, Most);
    EXPECT_EQ(course.LengthClassStrokes[core::MediumPar4], Most);
    EXPECT_EQ(course.BestRound, Most);
    // Hole 1 (score 4 on a par of 2147483647) is far under par, not a result counter.
    EXPECT_EQ(course.HoleResults[1], (std::array<int, 5>{}));
    EXPECT_EQ(course.HoleResults[2], (std::array<int, 5>{}));
    core::CourseState read;
    course.CourseFileName = "memory.crs";
    ASSERT_TRUE(core::ParseCourseFile(core::CourseFileText(course, core::CourseFileKind::Rewrite),
                                      course.CourseFileName, read)
                    .ok);
    EXPECT_EQ(read, course);
}

TEST(RoundFolding, ARoundWithAMissingScoreIsRefusedUntouched) {
    const core::CourseState fresh = TestCourse();
    core::CourseState course = fresh;
    int questions = 0;
    core::TypedRound round = ParRoundWith(12, 0, 0);
    core::SaveOutcome outcome = core::SaveRound(course, round, [&](int) {
        ++questions;
        return true;
    });
    EXPECT_EQ(outcome.status, core::SaveStatus::MissingScore);
    EXPECT_EQ(questions, 0); // the missing score is found before any putt question
    EXPECT_EQ(course, fresh);
}

TEST(RoundFolding, AHoleWithoutPuttsIsAskedAboutOnce) {
    const core::CourseState fresh = TestCourse();
    const core::TypedRound round = ParRoundWith(5, 4, 0);
    for (bool ok : {false, true}) {
        SCOPED_TRACE(ok ? "OK" : "Cancel");
        core::CourseState course = fresh;
        std::vector<int> asked;
        core::SaveOutcome outcome = core::SaveRound(course, round, [&](int hole) {
            asked.push_back(hole);
            return ok;
        });
        EXPECT_EQ(asked, std::vector<int>{5});
        if (ok) {
            EXPECT_EQ(outcome.status, core::SaveStatus::Saved);
            EXPECT_EQ(course.GamesRecorded, 1);
            EXPECT_EQ(course.ChipInTotal, 1);
        } else {
            EXPECT_EQ(outcome.status, core::SaveStatus::Cancelled);
            EXPECT_EQ(outcome.cancelledAtHole, 5);
            EXPECT_EQ(course, fresh);
        }
    }
}

TEST(RoundFolding, EveryHoleWithoutPuttsIsAskedInTurn) {
    core::CourseState course = TestCourse();
    Holes putts = AllOf(2);
    putts[2] = 0;
    putts[14] = 0;
    std::vector<int> asked;
    core::SaveRound(course, RoundOf(Pars, putts), [&](int hole) {
        asked.push_back(hole);
        return true;
    });
    EXPECT_EQ(asked, (std::vector<int>{3, 15}));
}

TEST(RoundFolding, PanelTextsFollowTheRound) {
    core::CourseState course = TestCourse();
    core::SaveOutcome outcome = Save(course, ParRoundWith(3, 2, 1));
    core::RoundPanelTexts texts = core::PanelTexts(outcome.figures);
    const std::array<std::string, 15> expected = {" 1",   " 17", " 0",  "2.75", "4.00",
                                                  "5.00", " 0",  " 0",  " 1",   " 17",
                                                  " 0",   " 0",  " 18", " 0",   "1.94"};
    EXPECT_EQ(texts.statistics, expected);
    EXPECT_EQ(texts.standard, (std::array<std::string, 4>{" 71", " 71", " 71", " 71"}));
    EXPECT_EQ(texts.usga, (std::array<std::string, 4>{" 71", " 71", " 71", " 71"}));
}

TEST(RoundFolding, AveragesAreEmptyWithoutHolesOfThatPar) {
    core::RoundFigures figures;
    figures.ParHoles = {0, 18, 0};
    figures.ParStrokes = {0, 80, 0};
    EXPECT_EQ(core::ParAverageText(figures, 3), "");
    EXPECT_EQ(core::ParAverageText(figures, 4), "4.44");
    EXPECT_EQ(core::GreenPuttsAverageText(figures), "");
}

TEST(RoundFolding, GreensInRegulationOnlyOnParThreeToSix) {
    EXPECT_TRUE(core::GreenInRegulation(6, 6, 2));
    EXPECT_FALSE(core::GreenInRegulation(6, 7, 2));
    EXPECT_FALSE(core::GreenInRegulation(7, 5, 2));
    EXPECT_FALSE(core::GreenInRegulation(2, 1, 1));
}

} // namespace
