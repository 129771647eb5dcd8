#include "core/course_file.h"
#include "core/day_number.h"
#include "core/statistics_views.h"

#include <gtest/gtest.h>

namespace {

using core::StatisticsRow;
using core::StatisticsTable;
using core::StatisticsView;

core::CourseState LoadStatsFixture(const std::string& name) {
    core::CourseState course;
    core::FileResult result =
        core::LoadCourseFile(std::string(TARNWICK_FIXTURES) + "/stats/" + name, course);
    EXPECT_TRUE(result.ok) << result.error;
    return course;
}

void ExpectTable(const StatisticsTable& actual, const StatisticsTable& expected) {
    for (int row = 0; row < core::StatisticsRowCount; ++row) {
        EXPECT_EQ(actual[row].title, expected[row].title) << "row " << row + 1;
        EXPECT_EQ(actual[row].value, expected[row].value) << "row " << row + 1;
        EXPECT_EQ(actual[row].percentage, expected[row].percentage) << "row " << row + 1;
    }
}

TEST(StatisticsViews, GeneralStatistics1) {
    core::CourseState course = LoadStatsFixture("four_rounds.crs");
    ExpectTable(core::ComputeStatisticsView(course, StatisticsView::General1),
                {{
                    {"Number of Rounds Played", " 4", ""},
                    {"Best Score for 18 Holes", " 84", ""},
                    {"Best Front 9 Score", " 42", ""},
                    {"Best Back 9 Score", " 42", ""},
                    {"Total Bogeys", " 30", "41.7%"},
                    {"Total Pars", " 18", "25.0%"},
                    {"Total Birdies", " 3", "04.2%"},
                    {"Total Eagles", " 1", "01.4%"},
                    {"Total Double Eagles", " 0", "00.0%"},
                    {"Total Others", " 20", "27.8%"},
                    {"Stroke Average Front 9", "45.00", ""},
                    {"Stroke Average Back 9", "43.75", ""},
                    {"Stroke Average 18 Holes", "88.75", ""},
                    {"Fairways in Regulation", "30", "53.6%"},
                    {"", "", ""},
                }});
}

TEST(StatisticsViews, GeneralStatistics2) {
    core::CourseState course = LoadStatsFixture("four_rounds.crs");
    ExpectTable(core::ComputeStatisticsView(course, StatisticsView::General2),
                {{
                    {"Times Broke 40 on Front 9", "0", "0.0%"},
                    {"Times Broke 40 on Back 9", "0", "0.0%"},
                    {"Times Broke 100", "4", "100.0%"},
                    {"Times Broke 90", "1", "25.0%"},
                    {"Times Broke 80", "0", "0.0%"},
                    {"Times Broke 70", "0", "0.0%"},
                    {"", "", ""},
                    {"Total # of Penalty Shots", "6", ""},
                    {"Avg. Penalties per round", "1.50", ""},
                    {"", "", ""},
                    {"Highest Score (18 Holes)", "91", ""},
                    {"Most Sub-Par holes (1 game)", "2", ""},
                    {"Most Pars (1 game)", "6", ""},
                    {"Most Above Par holes (1 game)", "14", ""},
                    {"", "", ""},
                }});
}

TEST(StatisticsViews, Averages) {
    core::CourseState course = LoadStatsFixture("four_rounds.crs");
    // 199 strokes in 40 par 4s is 4.975, a half that rounds up; the 186-yard par 3 is
    // a long one: (14 + 15) / 8 = 3.625.
    ExpectTable(core::ComputeStatisticsView(course, StatisticsView::Averages),
                {{
                    {"Stroke Average Par 3's", "3.50", ""},
                    {"Stroke Average Par 4's", "4.98", ""},
                    {"Stroke Average Par 5's", "6.25", ""},
                    {"", "", ""},
                    {"Short Par 3's (up to 120 yds)", "3.50", ""},
                    {"Med Par 3's (121 to 185 yds)", "3.25", ""},
                    {"Long Par 3's (186 to 250 yds)", "3.63", ""},
                    {"Short Par 4's (251 to 350 yds)", "4.50", ""},
                    {"Med Par 4's (351 to 410 yds)", "4.90", ""},
                    {"Long Par 4's (411 to 470 yds)", "5.42", ""},
                    {"Short Par 5's (471 to 520 yds)", "6.00", ""},
                    {"Med Par 5's (521 to 570 yds)", "6.25", ""},
                    {"Long Par 5's (571 and up)", "6.75", ""},
                    {"", "", ""},
                    {"", "", ""},
                }});
}

TEST(StatisticsViews, AroundTheGreen) {
    core::CourseState course = LoadStatsFixture("four_rounds.crs");
    ExpectTable(core::ComputeStatisticsView(course, StatisticsView::AroundTheGreen),
                {{
                    {"Putting Average Front 9", "17.25", ""},
                    {"Putting Average Back 9", "16.75", ""},
                    {"Putting Average 18 Holes", "34.00", ""},
                    {"Putting Avg. (Greens in Reg)", "1.900", ""},
                    {"Avg. # of Putts per Hole", "1.889", ""},
                    {"Low # of Putts Front 9", "15", ""},
                    {"Low # of Putts Back 9", "14", ""},
                    {"Low # of Putts 18 Holes", "32", ""},
                    {"# of 1 putt greens", "14", "19.4%"},
                    {"# of 2 putt greens", "46", "63.9%"},
                    {"# of 3 or more putt greens", "10", "13.9%"},
                    {"Chip In's", "2", "2.8%"},
                    {"# of shots from Bunkers", "9", ""},
                    {"Sand Saves", "3", "37.5%"},
                    {"Greens in Regulation", "20", "27.8%"},
                }});
}

TEST(StatisticsViews, NoParFiveLeavesItsRowsEmpty) {
    core::CourseState course = LoadStatsFixture("no_par5.crs");
    StatisticsTable averages = core::ComputeStatisticsView(course, StatisticsView::Averages);
    EXPECT_EQ(averages[1].value, "4.64");
    EXPECT_EQ(averages[2], (StatisticsRow{"Stroke Average Par 5's", "", ""}));
    EXPECT_EQ(averages[4].value, "3.28"); // 131 / 40 = 3.275
    for (int row : {10, 11, 12})
        EXPECT_EQ(averages[row].value, "") << averages[row].title;
}

TEST(StatisticsViews, ShortGamePatterns) {
    // 20 rounds: 1 one-putt green and 1 chip-in are each 0.28 per cent of the holes.
    core::CourseState course = LoadStatsFixture("no_par5.crs");
    StatisticsTable green = core::ComputeStatisticsView(course, StatisticsView::AroundTheGreen);
    EXPECT_EQ(green[8], (StatisticsRow{"# of 1 putt greens", "1", ".3%"}));
    EXPECT_EQ(green[11], (StatisticsRow{"Chip In's", "1", "0.3%"}));
    EXPECT_EQ(green[10].percentage, "3.3%");
    EXPECT_EQ(green[13], (StatisticsRow{"Sand Saves", "5", "50.0%"})); // 5 of 10 attempts
    EXPECT_EQ(green[4].value, "0.950");                                // 342 putts
    // Low putts never set are 0, which "###" shows as nothing.
    for (int row : {5, 6, 7})
        EXPECT_EQ(green[row].value, "") << green[row].title;
}

TEST(StatisticsViews, NoGreenNoFairwayNoPenalty) {
    // A par-3 course in an older file: no fairway, no green in regulation, no penalty,
    // sand saves without a recorded attempt.
    core::CourseState course = LoadStatsFixture("no_greens.crs");
    StatisticsTable general1 = core::ComputeStatisticsView(course, StatisticsView::General1);
    EXPECT_EQ(general1[13], (StatisticsRow{"Fairways in Regulation", "0", ""}));
    StatisticsTable general2 = core::ComputeStatisticsView(course, StatisticsView::General2);
    EXPECT_EQ(general2[7], (StatisticsRow{"Total # of Penalty Shots", "0", ""}));
    EXPECT_EQ(general2[8], (StatisticsRow{"Avg. Penalties per round", "0.00", ""}));
    StatisticsTable green = core::ComputeStatisticsView(course, StatisticsView::AroundTheGreen);
    EXPECT_EQ(green[3], (StatisticsRow{"Putting Avg. (Greens in Reg)", "", ""}));
    EXPECT_EQ(green[13], (StatisticsRow{"Sand Saves", "2", ""}));
    EXPECT_EQ(green[14], (StatisticsRow{"Greens in Regulation", "0", "00.0%"}));
    StatisticsTable averages = core::ComputeStatisticsView(course, StatisticsView::Averages);
    EXPECT_EQ(averages[0].value, "3.64");
    for (int row : {1, 2, 6, 7, 8, 9, 10, 11, 12})
        EXPECT_EQ(averages[row].value, "") << averages[row].title;
}

TEST(StatisticsViews, ManyRoundsStayExact) {
    core::CourseState course = LoadStatsFixture("many_rounds.crs");
    StatisticsTable general1 = core::ComputeStatisticsView(course, StatisticsView::General1);
    EXPECT_EQ(general1[0].value, " 400");
    EXPECT_EQ(general1[5], (StatisticsRow{"Total Pars", " 3730", "51.8%"})); // 3730 of 7200
    EXPECT_EQ(general1[12].value, "80.60");                                  // 32240 / 400
    StatisticsTable general2 = core::ComputeStatisticsView(course, StatisticsView::General2);
    EXPECT_EQ(general2[7].value, "512");
    EXPECT_EQ(general2[8].value, "1.28");
    EXPECT_EQ(general2[5].percentage, "0.3%"); // 1 round under 70 is 0.25 per cent
}

TEST(StatisticsViews, Caption) {
    core::CourseState course;
    course.PlayerName = "Pat Duffer";
    course.TeeName = "White";
    EXPECT_EQ(core::StatisticsCaption(course),
              "Golf Statistics for Pat Duffer from the White tees");
}

TEST(StatisticsViews, DateLines) {
    const double today = core::DayNumberFromDate(1996, 7, 2);
    struct Case {
        const char* name;
        double firstDate;
        double lastDate;
        const char* from;
        const char* to;
    };
    const Case cases[] = {
        {"first round before today", core::DayNumberFromDate(1996, 3, 5),
         core::DayNumberFromDate(1996, 6, 29), " From: Mar 05, 1996", "    To: Jun 29, 1996"},
        {"the day before", today - 1, today, " From: Jul 01, 1996", "    To: Jul 02, 1996"},
        {"everything today", today, today, " From: Jul 02, 1996", ""},
        {"first date after today", today + 3, today + 3, " From: Jul 02, 1996", ""},
    };
    for (const Case& c : cases) {
        core::CourseState course;
        course.FirstDate = {c.firstDate, true};
        course.LastDate = c.lastDate;
        core::StatisticsDateLines lines =
            core::ComputeStatisticsDateLines(course, today, today + 0.75);
        EXPECT_EQ(lines.from, c.from) << c.name;
        EXPECT_EQ(lines.to, c.to) << c.name;
    }
}

} // namespace
