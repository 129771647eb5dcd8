#include "core/course_file.h"
#include "core/hole_statistics.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

core::CourseState LoadStatsFixture(const std::string& name) {
    core::CourseState course;
    core::FileResult result =
        core::LoadCourseFile(std::string(TARNWICK_FIXTURES) + "/stats/" + name, course);
    EXPECT_TRUE(result.ok) << result.error;
    return course;
}

std::string ColumnText(const core::HoleColumn& c) {
    std::string text = c.par;
    for (const std::string& r : c.results)
        text += "|" + r;
    return text + "|" + c.others + "|" + c.average;
}

TEST(HoleStatistics, TableOfEveryHole) {
    core::CourseState course = LoadStatsFixture("four_rounds.crs");
    core::HoleTable table = core::ComputeHoleTable(course);
    // par | double eagles | eagles | birdies | pars | bogeys | others | average
    const char* expected[] = {
        " 4| 0| 0| 0| 1| 3| 0|4.75", " 5| 0| 0| 0| 1| 2| 1|6.00", " 4| 0| 0| 0| 1| 1| 2|5.25",
        " 3| 0| 0| 0| 2| 2| 0|3.50", " 4| 0| 0| 0| 2| 2| 0|4.50", " 4| 0| 0| 0| 1| 2| 1|5.00",
        " 3| 0| 0| 0| 3| 1| 0|3.25", " 5| 0| 0| 0| 1| 1| 2|6.25", " 4| 0| 0| 0| 0| 0| 4|6.50",
        " 4| 0| 1| 0| 2| 1| 0|3.75", " 3| 0| 0| 1| 0| 3| 0|3.50", " 4| 0| 0| 0| 1| 1| 2|5.25",
        " 5| 0| 0| 0| 0| 1| 3|6.75", " 4| 0| 0| 1| 0| 3| 0|4.50", " 3| 0| 0| 0| 1| 3| 0|3.75",
        " 4| 0| 0| 0| 2| 2| 0|4.50", " 5| 0| 0| 1| 0| 1| 2|6.00", " 4| 0| 0| 0| 0| 1| 3|5.75",
    };
    for (int h = 1; h <= core::HoleCount; ++h)
        EXPECT_EQ(ColumnText(table[h]), expected[h - 1]) << "hole " << h;
}

TEST(HoleStatistics, AverageBelowOneHasNoLeadingZero) {
    core::CourseState course;
    course.GamesRecorded = 2;
    course.HolePar[5] = 3;
    course.HoleStrokes[5] = 1;
    EXPECT_EQ(core::ComputeHoleTable(course)[5].average, ".50");
}

TEST(HoleStatistics, RankingBestToWorst) {
    core::CourseState course = LoadStatsFixture("four_rounds.crs");
    core::OneBased<core::RankingRow, core::HoleCount> rows = core::ComputeRankingRows(course);
    // Holes 3, 8 and 12 are all 1.25 over par: they keep hole order.
    const core::RankingRow expected[] = {
        {" 10", " 8", "-0.25"}, {" 7", " 17", "0.25"},  {" 4", " 15", "0.50"},
        {" 5", " 3", "0.50"},   {" 11", " 18", "0.50"}, {" 14", " 12", "0.50"},
        {" 16", " 4", "0.50"},  {" 1", " 7", "0.75"},   {" 15", " 16", "0.75"},
        {" 2", " 13", "1.00"},  {" 6", " 9", "1.00"},   {" 17", " 10", "1.00"},
        {" 3", " 1", "1.25"},   {" 8", " 5", "1.25"},   {" 12", " 2", "1.25"},
        {" 13", "", "1.75"}, // no handicap rating
        {" 18", " 6", "1.75"},  {" 9", " 11", "2.50"},
    };
    for (int r = 1; r <= core::HoleCount; ++r) {
        EXPECT_EQ(rows[r].hole, expected[r - 1].hole) << "rank " << r;
        EXPECT_EQ(rows[r].handicap, expected[r - 1].handicap) << "rank " << r;
        EXPECT_EQ(rows[r].plusMinus, expected[r - 1].plusMinus) << "rank " << r;
    }
}

std::vector<int> RankedHoles(const core::CourseState& course) {
    core::HoleRanking ranking = core::RankHoles(course);
    std::vector<int> holes;
    for (int r = 1; r <= core::HoleCount; ++r)
        holes.push_back(static_cast<int>(ranking.hole[r]));
    return holes;
}

TEST(HoleStatistics, RankingSortsStablyDownToTheSentinel) {
    core::CourseState course;
    course.GamesRecorded = 1;
    for (int h = 1; h <= core::HoleCount; ++h) {
        course.HolePar[h] = 4;
        course.HoleStrokes[h] = 5;
        course.HoleHandicap[h] = h;
    }
    std::vector<int> ascending;
    for (int h = 1; h <= core::HoleCount; ++h)
        ascending.push_back(h);
    EXPECT_EQ(RankedHoles(course), ascending) << "all equal";

    // Every hole worse than the one after it: each is carried all the way to the top.
    for (int h = 1; h <= core::HoleCount; ++h)
        course.HoleStrokes[h] = 40 - h;
    std::vector<int> descending(ascending.rbegin(), ascending.rend());
    EXPECT_EQ(RankedHoles(course), descending) << "all descending";
    core::HoleRanking ranking = core::RankHoles(course);
    EXPECT_EQ(ranking.handicap[1], 18); // the handicap travels with its hole
    EXPECT_FLOAT_EQ(ranking.value[1], 18.0f);

    // Hole 12 equal to hole 3 and below everything else: it stops right behind hole 3.
    for (int h = 1; h <= core::HoleCount; ++h)
        course.HoleStrokes[h] = 6;
    course.HoleStrokes[3] = 3;
    course.HoleStrokes[12] = 3;
    std::vector<int> holes = RankedHoles(course);
    EXPECT_EQ(holes[0], 3);
    EXPECT_EQ(holes[1], 12);
    EXPECT_EQ(holes[2], 1);
}

TEST(HoleStatistics, EqualValuesThatDifferInSinglePrecisionKeepHoleOrder) {
    // Over 3 rounds 13/3 - 4 equals 10/3 - 3 and 14/3 - 4 equals 11/3 - 3, but not as
    // floats: the ranking must still see them as equal.
    core::CourseState course;
    course.GamesRecorded = 3;
    for (int h = 1; h <= core::HoleCount; ++h) {
        course.HolePar[h] = 4;
        course.HoleStrokes[h] = 30;
    }
    struct Hole {
        int hole, par, strokes;
    };
    for (Hole h : {Hole{2, 4, 13}, Hole{11, 3, 10}, Hole{7, 3, 11}, Hole{12, 4, 14},
                   Hole{13, 5, 17}, Hole{14, 4, 14}}) {
        course.HolePar[h.hole] = h.par;
        course.HoleStrokes[h.hole] = h.strokes;
    }
    std::vector<int> holes = RankedHoles(course);
    EXPECT_EQ(std::vector<int>(holes.begin(), holes.begin() + 6),
              (std::vector<int>{2, 11, 7, 12, 13, 14}));
    auto rows = core::ComputeRankingRows(course);
    EXPECT_EQ(rows[1].plusMinus, "0.33");
    EXPECT_EQ(rows[6].plusMinus, "0.67");
}

TEST(HoleStatistics, NegativeAveragesSortFirst) {
    core::CourseState course;
    course.GamesRecorded = 5;
    for (int h = 1; h <= core::HoleCount; ++h) {
        course.HolePar[h] = 4;
        course.HoleStrokes[h] = 20;
    }
    course.HoleStrokes[17] = 19; // 3.8 on a par 4
    core::OneBased<core::RankingRow, core::HoleCount> rows = core::ComputeRankingRows(course);
    EXPECT_EQ(rows[1].hole, " 17");
    EXPECT_EQ(rows[1].plusMinus, "-0.20");
    EXPECT_EQ(rows[2].plusMinus, "0.00");
}

TEST(HoleStatistics, Percentages) {
    struct Case {
        const char* fixture;
        int hole;
        const char* caption;
        std::array<const char*, 6> values;
    };
    const Case cases[] = {
        // 330 pars in 400 rounds: 33000 would not fit in 16 bits.
        {"many_rounds.crs",
         1,
         "Percentages-Hole #1",
         {"0.0%", "0.0%", "5.0%", "82.5%", "10.0%", "2.5%"}},
        // Never played within par-3 .. par+1.
        {"four_rounds.crs",
         9,
         "Percentages-Hole #9",
         {"0.0%", "0.0%", "0.0%", "0.0%", "0.0%", "100.0%"}},
        {"four_rounds.crs",
         18,
         "Percentages-Hole #18",
         {"0.0%", "0.0%", "0.0%", "0.0%", "25.0%", "75.0%"}},
    };
    for (const Case& c : cases) {
        core::CourseState course = LoadStatsFixture(c.fixture);
        core::HolePercentages p = core::ComputeHolePercentages(course, c.hole);
        EXPECT_EQ(p.caption, c.caption);
        for (int k = 0; k < 6; ++k)
            EXPECT_EQ(p.values[k], c.values[k]) << c.caption << " row " << k + 1;
    }
}

} // namespace
