#include "core/course_file.h"
#include "core/day_number.h"
#include "core/scorecard.h"

#include <gtest/gtest.h>

#include <array>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Holes = std::array<int, 18>;

constexpr Holes Pars = {4, 4, 3, 5, 4, 4, 3, 4, 5, 4, 3, 4, 5, 4, 4, 3, 5, 4};

core::CourseState Course(const Holes& pars) {
    core::CourseState c;
    c.PlayerName = "Pat Golfer";
    c.CourseName = "Tarnwick Links";
    c.TeeName = "White";
    for (int h = 1; h <= 18; ++h) {
        c.HolePar[h] = pars[h - 1];
        c.HoleYards[h] = 380;
    }
    core::ComputeLengthClasses(c);
    return c;
}

core::TypedRound Round(const Holes& scores, const Holes& putts) {
    core::TypedRound r;
    for (int h = 1; h <= 18; ++h) {
        r.HoleScore[h] = scores[h - 1];
        r.HolePutts[h] = putts[h - 1];
    }
    r.EntryDate = core::DayNumberFromDate(1996, 3, 5);
    return r;
}

// Front 40, back 43, five greens in regulation.
core::TypedRound KnownRound() {
    core::TypedRound r = Round({4, 5, 3, 6, 4, 6, 2, 5, 5, 5, 4, 4, 7, 5, 4, 3, 6, 5},
                               {2, 2, 2, 2, 1, 3, 1, 2, 2, 2, 2, 2, 3, 1, 0, 1, 2, 2});
    r.RoundFairways = 9;
    r.RoundPenalties = 2;
    r.RoundSandSaves = 1;
    return r;
}

std::vector<std::string> Lines(const core::PrintDocument& doc) {
    std::vector<std::string> lines;
    std::istringstream in(doc.plainText());
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::vector<std::string> Print(const core::CourseState& course, const core::TypedRound& round,
                               const core::ScorecardInfo& info = {}) {
    core::PrintDocument doc =
        core::ScorecardDocument(course, round, core::ComputeRoundFigures(course, round), info);
    EXPECT_TRUE(doc.ended());
    return Lines(doc);
}

const std::string M(9, ' '); // the left margin: text starts in column 10

TEST(Scorecard, PrintsAKnownRoundColumnForColumn) {
    const std::vector<std::string> expected = {
        "'",
        "",
        "",
        "",
        M + "Scorecard for Pat Golfer",
        M + "Course: Tarnwick Links",
        M + "Tee: White",
        "",
        M + "March 05, 1996",
        "",
        "",
        M + "FRONT 9",
        M + "Hole:   1   2   3   4   5   6   7   8   9  Out",
        M + "Score:  4   5   3   6   4   6   2   5   5   40",
        M + "Putts:  2   2   2   2   1   3   1   2   2   17",
        "",
        M + "BACK 9",
        M + "Hole:  10  11  12  13  14  15  16  17  18   In  Total",
        M + "Score:  5   4   4   7   5   4   3   6   5   43   83",
        M + "Putts:  2   2   2   3   1   0   1   2   2   15   32",
        "",
        "",
        M + "One Putt Greens:                4",
        M + "Two Putt Greens:               11",
        M + "Three or more Putt Greens:      2",
        M + "Greens in Regulation:           5   27.8%",
        M + "Avg. Putts (Greens in Reg.): 1.80",
        "",
        M + "Average on Par 3's:          3.00",
        M + "Average on Par 4's:          4.70",
        M + "Average on Par 5's:          6.00",
        M + "Chip In's:                      1",
        M + "Sand Saves:                     1",
        "",
        M + "Total Double Eagles:            0   00.0%",
        M + "Total Eagles:                   0   00.0%",
        M + "Total Birdies:                  1   05.6%",
        M + "Total Pars:                     7   38.9%",
        M + "Total Bogeys:                   8   44.4%",
        M + "Total Others:                   2   11.1%",
        "",
        M + "Fairways in Regulation:         9   64.3%",
        M + "Penalty Strokes:                2",
    };
    EXPECT_EQ(Print(Course(Pars), KnownRound()), expected);
}

TEST(Scorecard, OnlyTheHeadingIsBold) {
    core::CourseState course = Course(Pars);
    core::TypedRound round = KnownRound();
    core::PrintDocument doc =
        core::ScorecardDocument(course, round, core::ComputeRoundFigures(course, round), {});
    const auto& lines = doc.lines();
    for (size_t i = 0; i < lines.size(); ++i)
        for (const core::PrintSpan& span : lines[i].spans)
            EXPECT_EQ(span.bold, i >= 4 && i <= 8) << "line " << i + 1;
}

TEST(Scorecard, ARoundWithoutAParOfAKindPrintsTheFixedLine) {
    // A par 68 of only par 3s and 4s: no par 5 to average.
    const Holes pars = {4, 4, 3, 4, 4, 4, 3, 4, 4, 4, 3, 4, 4, 4, 4, 3, 4, 4};
    Holes putts;
    putts.fill(2);
    std::vector<std::string> lines = Print(Course(pars), Round(pars, putts));
    EXPECT_EQ(lines[28], M + "Average on Par 3's:          3.00");
    EXPECT_EQ(lines[29], M + "Average on Par 4's:          4.00");
    EXPECT_EQ(lines[30], M + "Average on Par 5's:           0.00");
    EXPECT_EQ(lines[25], M + "Greens in Regulation:          18  100.0%");
    EXPECT_EQ(lines[26], M + "Avg. Putts (Greens in Reg.): 2.00");
}

TEST(Scorecard, NoGreenInRegulationLeavesTheAverageEmpty) {
    Holes bogeys = Pars;
    for (int& s : bogeys)
        s += 1;
    Holes putts;
    putts.fill(2);
    std::vector<std::string> lines = Print(Course(Pars), Round(bogeys, putts));
    EXPECT_EQ(lines[25], M + "Greens in Regulation:           0   00.0%");
    EXPECT_EQ(lines[26], M + "Avg. Putts (Greens in Reg.): ");
}

TEST(Scorecard, ACourseWithoutFairwaysPrintsNoFairwayPercentage) {
    Holes threes;
    threes.fill(3);
    core::CourseState course = Course(threes);
    ASSERT_EQ(course.FairwaysPerRound, 0);
    std::vector<std::string> lines = Print(course, Round(threes, threes));
    EXPECT_EQ(lines[41], M + "Fairways in Regulation:         0");
}

TEST(Scorecard, EndsAfterThePenaltiesWithNothingOptionalGiven) {
    core::ScorecardInfo info;
    info.PlayingPartner1 = "Sam"; // typed for an earlier card, not asked for now
    info.WeatherConditions = "Windy";
    std::vector<std::string> lines = Print(Course(Pars), KnownRound(), info);
    ASSERT_EQ(lines.size(), 43u);
    EXPECT_EQ(lines.back(), M + "Penalty Strokes:                2");
}

TEST(Scorecard, AddsTheOptionalSectionsThatWereGiven) {
    core::ScorecardInfo info;
    info.PlayingPartner1 = "Sam";
    info.PlayingPartner2 = "";
    info.PlayingPartner3 = "Lee";
    info.WeatherConditions = "Windy, 12 C";
    info.TournamentName = "Club Medal";
    info.TournamentResult = "3rd";
    struct Case {
        const char* name;
        int partners, weather, tournament;
        std::vector<std::string> tail;
    };
    const Case cases[] = {
        {"all three",
         1,
         1,
         1,
         {"", M + "Playing Partners:", M + "Sam    Lee", "", M + "Weather:  Windy, 12 C", "",
          M + "Tournament Name:  Club Medal", M + "Result:           3rd"}},
        {"weather only", 0, 1, 0, {"", M + "Weather:  Windy, 12 C"}},
        {"tournament only",
         0,
         0,
         1,
         {"", M + "Tournament Name:  Club Medal", M + "Result:           3rd"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        core::ScorecardInfo given = info;
        given.PartnersGiven = c.partners;
        given.WeatherGiven = c.weather;
        given.TournamentGiven = c.tournament;
        std::vector<std::string> lines = Print(Course(Pars), KnownRound(), given);
        ASSERT_EQ(lines.size(), 43 + c.tail.size());
        EXPECT_EQ(std::vector<std::string>(lines.begin() + 43, lines.end()), c.tail);
    }
}

TEST(Scorecard, AResultWithoutANamePrintsAnEmptyName) {
    core::ScorecardInfo info;
    info.TournamentResult = "Won";
    info.TournamentGiven = 1;
    std::vector<std::string> lines = Print(Course(Pars), KnownRound(), info);
    ASSERT_EQ(lines.size(), 46u);
    EXPECT_EQ(lines[44], M + "Tournament Name:  ");
    EXPECT_EQ(lines[45], M + "Result:           Won");
}

TEST(Scorecard, FlagsAreOffAfterPrinting) {
    core::ScorecardInfo info;
    info.PartnersGiven = 1;
    info.WeatherGiven = 1;
    info.TournamentGiven = 1;
    info.TournamentName = "Club Medal";
    core::ResetScorecardFlags(info);
    EXPECT_EQ(info.PartnersGiven + info.WeatherGiven + info.TournamentGiven, 0);
    EXPECT_EQ(info.TournamentName, "Club Medal"); // the texts stay for the next card
}

TEST(Scorecard, WideScoresKeepTheirColumns) {
    Holes scores = Pars;
    scores[0] = 12;
    scores[9] = 15;
    Holes putts;
    putts.fill(2);
    std::vector<std::string> lines = Print(Course(Pars), Round(scores, putts));
    EXPECT_EQ(lines[13], M + "Score: 12   4   3   5   4   4   3   4   5   44");
    EXPECT_EQ(lines[18], M + "Score: 15   3   4   5   4   4   3   5   4   47   91");
}

} // namespace
