#include "core/day_number.h"
#include "core/handicap_rounds_csv.h"

#include <gtest/gtest.h>

namespace {

const std::string Header(core::HandicapRoundsHeader);

TEST(HandicapRoundsCsv, RowsTakeTheDefaultsAndChecksOfSaveDifferential) {
    auto parsed = core::ParseHandicapRoundsCsv(Header + "\n2024-05-01,85.7,,,0,,,\n"
                                                        "2024-05-02,90,70.46,125,1,93,88,72\r\n",
                                               "rounds.csv");
    ASSERT_TRUE(std::holds_alternative<std::vector<core::JournalRound>>(parsed))
        << std::get<std::string>(parsed);
    const auto& rounds = std::get<std::vector<core::JournalRound>>(parsed);
    ASSERT_EQ(rounds.size(), 2u);
    EXPECT_EQ(rounds[0].date, core::DayNumberFromDate(2024, 5, 1));
    EXPECT_EQ(rounds[0].adjustedScore, 85); // the fraction dropped
    EXPECT_EQ(rounds[0].courseRating, 72.0f);
    EXPECT_EQ(rounds[0].slopeRating, 113.0f);
    EXPECT_FALSE(rounds[0].tournament);
    EXPECT_EQ(rounds[0].whsAdjustedScore, 85); // empty: the adjusted score
    EXPECT_FALSE(rounds[0].grossScore);
    EXPECT_FALSE(rounds[0].par);
    EXPECT_EQ(rounds[1].courseRating, 70.5f); // one decimal, as the rating box keeps it
    EXPECT_TRUE(rounds[1].tournament);
    EXPECT_EQ(rounds[1].grossScore, 93);
    EXPECT_EQ(rounds[1].whsAdjustedScore, 88);
    EXPECT_EQ(rounds[1].par, 72);

    // Written out and read again, the rounds are the same.
    auto again = core::ParseHandicapRoundsCsv(core::HandicapRoundsCsv(rounds), "again.csv");
    ASSERT_TRUE(std::holds_alternative<std::vector<core::JournalRound>>(again));
    EXPECT_EQ(std::get<std::vector<core::JournalRound>>(again), rounds);
}

TEST(HandicapRoundsCsv, ARefusedRowNamesItsLineAndColumn) {
    struct Case {
        std::string row;
        std::string message;
    };
    const Case cases[] = {
        {"05/01/2024,85,72,113,0,,,",
         "r.csv line 3, column 1 (date): \"05/01/2024\" is not a date yyyy-mm-dd"},
        {"2023-02-30,85,72,113,0,,,",
         "r.csv line 3, column 1 (date): \"2023-02-30\" is not a date yyyy-mm-dd"},
        {"2024-05-01,abc,72,113,0,,,",
         "r.csv line 3, column 2 (adjusted_score): the adjusted score is not a number"},
        {"2024-05-01,200,72,113,0,,,", "r.csv line 3, column 2 (adjusted_score): Your score of "
                                       " 200 is outside the scope of this program. Please verify!"},
        {"2024-05-01,85,100,113,0,,,",
         "r.csv line 3, column 3 (course_rating): The Rating of  100 is invalid. Please verify!"},
        {"2024-05-01,85,72x,113,0,,,",
         "r.csv line 3, column 3 (course_rating): the course_rating is not a number"},
        {"2024-05-01,85,72,151,0,,,",
         "r.csv line 3, column 4 (slope_rating): The Slope Rating of  151 is invalid. Please "
         "verify!"},
        {"2024-05-01,85,72,113,yes,,,",
         "r.csv line 3, column 5 (tournament): the tournament flag must be 0 or 1"},
        {"2024-05-01,85,72,113,1,x,,",
         "r.csv line 3, column 6 (gross_score): the gross score is not a number"},
        {"2024-05-01,85,72,113,0,,0,", "r.csv line 3, column 7 (whs_adjusted_score): the WHS "
                                       "adjusted score must be a number from 1 to 199"},
        {"2024-05-01,85,72,113,0,,,-3",
         "r.csv line 3, column 8 (par): the par must be a number from 1 to 199"},
        {"2024-05-01,85,72,113,0", "r.csv line 3, column 6 (gross_score): expected 8 fields, "
                                   "found 5"},
        {"2024-05-01,85,72,113,0,,,,", "r.csv line 3, column 9: expected 8 fields, found 9"},
    };
    for (const Case& c : cases) {
        auto parsed =
            core::ParseHandicapRoundsCsv(Header + "\n2024-04-30,80,72,113,0,,,\n" + c.row, "r.csv");
        ASSERT_TRUE(std::holds_alternative<std::string>(parsed)) << c.row;
        EXPECT_EQ(std::get<std::string>(parsed), c.message);
    }
}

TEST(HandicapRoundsCsv, TheHeaderComesFirst) {
    auto empty = core::ParseHandicapRoundsCsv("", "r.csv");
    ASSERT_TRUE(std::holds_alternative<std::string>(empty));
    auto noHeader = core::ParseHandicapRoundsCsv("2024-05-01,85,72,113,0,,,\n", "r.csv");
    ASSERT_TRUE(std::holds_alternative<std::string>(noHeader));
    EXPECT_EQ(std::get<std::string>(noHeader).rfind("r.csv line 1: ", 0), 0u);
    auto onlyHeader = core::ParseHandicapRoundsCsv(Header + "\n", "r.csv");
    ASSERT_TRUE(std::holds_alternative<std::vector<core::JournalRound>>(onlyHeader));
    EXPECT_TRUE(std::get<std::vector<core::JournalRound>>(onlyHeader).empty());
}

} // namespace
