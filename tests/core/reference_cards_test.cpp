#include "core/reference_cards.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using core::Major;

constexpr Major AllMajors[] = {Major::Masters, Major::BritishOpen, Major::UsOpen, Major::Pga};

TEST(ReferenceCardsMajors, EveryYearFrom1860To1995ReadsOnceWithoutProblems) {
    const core::MajorsTable& table = core::BuiltInMajors();
    EXPECT_TRUE(table.problems.empty()) << table.problems.front();
    std::vector<int> years;
    for (const auto& [year, row] : table.years) {
        EXPECT_EQ(row.year, year);
        years.push_back(year);
    }
    std::vector<int> expected;
    for (int y = core::FirstMajorsYear; y <= core::LastMajorsYear; ++y)
        expected.push_back(y);
    EXPECT_EQ(years, expected);
    EXPECT_EQ(years.size(), 136u);
}

TEST(ReferenceCardsMajors, EveryFieldFitsAndEmptyEventsHaveNoOtherText) {
    for (const auto& [year, row] : core::BuiltInMajors().years) {
        for (Major m : AllMajors) {
            const core::MajorResult& r = row[m];
            SCOPED_TRACE(std::to_string(year) + " tournament " + std::to_string(int(m)));
            EXPECT_FALSE(r.winner.empty());
            EXPECT_LE(r.winner.size(), core::MajorNameLength);
            EXPECT_LE(r.scoreOrCourse.size(), core::MajorCourseLength);
            EXPECT_LE(r.runnerUp.size(), core::MajorRunnerUpLength);
            if (r.winner == core::NoTournament) {
                EXPECT_EQ(r.scoreOrCourse, "");
                EXPECT_EQ(r.runnerUp, "");
                continue;
            }
            EXPECT_FALSE(r.scoreOrCourse.empty());
            if (m == Major::Masters) {
                EXPECT_EQ(r.scoreOrCourse.size(), 3u);
                EXPECT_EQ(r.scoreOrCourse.find_first_not_of("0123456789"), std::string::npos);
            }
            // Each runner-up is a name that fits one line of the three-line field.
            std::vector<std::string> names = core::RunnerUpNames(r.runnerUp);
            EXPECT_GE(names.size(), 1u);
            EXPECT_LE(names.size(), 3u);
            for (const std::string& name : names)
                EXPECT_LE(name.size(), core::MajorNameLength) << name;
        }
    }
}

TEST(ReferenceCardsMajors, YearsWithoutTheEventAreCountedPerTournament) {
    std::array<int, core::MajorCount> counts{};
    for (const auto& [year, row] : core::BuiltInMajors().years)
        for (Major m : AllMajors)
            counts[int(m)] += row[m].winner == core::NoTournament;
    EXPECT_EQ(counts[int(Major::Masters)], 77);
    EXPECT_EQ(counts[int(Major::BritishOpen)], 12);
    EXPECT_EQ(counts[int(Major::UsOpen)], 41);
    EXPECT_EQ(counts[int(Major::Pga)], 59);
}

TEST(ReferenceCardsMajors, In1860OnlyTheBritishOpenWasPlayed) {
    const core::MajorsYear* row = core::FindMajorsYear(1860);
    ASSERT_NE(row, nullptr);
    for (Major m : {Major::Masters, Major::UsOpen, Major::Pga}) {
        EXPECT_EQ((*row)[m].winner, "No Tournament");
        EXPECT_EQ((*row)[m].scoreOrCourse, "");
        EXPECT_EQ((*row)[m].runnerUp, "");
    }
    const core::MajorResult& open = (*row)[Major::BritishOpen];
    EXPECT_EQ(open.winner, "Willie Park Sr.");
    EXPECT_EQ(open.scoreOrCourse, "Prestwick");
    EXPECT_EQ(open.runnerUp, "Tom Morris Sr.");
    EXPECT_EQ(core::FindMajorsYear(1859), nullptr);
    EXPECT_EQ(core::FindMajorsYear(1996), nullptr);
}

TEST(ReferenceCardsMajors, RunnerUpNamesAreSplitAtRunsOfBlanks) {
    struct Case {
        std::string text;
        std::vector<std::string> names;
    };
    const Case cases[] = {
        {"", {}},
        {"Tom Morris Sr.", {"Tom Morris Sr."}},
        {"Billy Casper         George Knudson       Tom Weiskopf",
         {"Billy Casper", "George Knudson", "Tom Weiskopf"}},
        {"Jack Burke Sr.  Leo Diegel", {"Jack Burke Sr.", "Leo Diegel"}},
        {"  Ray Floyd   ", {"Ray Floyd"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(core::RunnerUpNames(c.text), c.names) << c.text;
}

TEST(ReferenceCardsMajors, UnreadableRowsAreReportedAndTheirYearLeftOut) {
    const std::string header = "year,tournament,winner,score_or_course,runner_up\n";
    const std::string full1900 = "1900,The Masters,No Tournament,,\n"
                                 "1900,British Open,J.H. Taylor,St Andrews,Harry Vardon\n"
                                 "1900,US Open,Harry Vardon,Chicago GC,J.H. Taylor\n"
                                 "1900,PGA Championship,No Tournament,,\n";
    struct Case {
        const char* what;
        std::string extra;
    };
    const Case cases[] = {
        {"missing tournament", "1901,The Masters,No Tournament,,\n"},
        {"unknown tournament", "1901,Ryder Cup,USA,,\n"},
        {"wrong field count", "1901,The Masters,No Tournament\n"},
        {"bad year", "19x1,The Masters,No Tournament,,\n"},
    };
    for (const Case& c : cases) {
        core::MajorsTable table = core::ParseMajorsTable(header + full1900 + c.extra);
        EXPECT_FALSE(table.problems.empty()) << c.what;
        EXPECT_EQ(table.years.size(), 1u) << c.what;
        EXPECT_EQ(table.years.count(1900), 1u) << c.what;
    }
    core::MajorsTable twice =
        core::ParseMajorsTable(header + full1900 + "1900,US Open,Someone Else,Elsewhere,\n");
    EXPECT_EQ(twice.problems.size(), 1u);
    EXPECT_EQ(twice.years.at(1900)[Major::UsOpen].winner, "Harry Vardon");
}

TEST(ReferenceCardsAwards, EveryYearFrom1941To1995ReadsOnceAndEveryFieldFits) {
    const core::AwardsTable& table = core::BuiltInAwards();
    EXPECT_TRUE(table.problems.empty()) << table.problems.front();
    std::vector<int> years;
    for (const auto& [year, row] : table.years) {
        EXPECT_EQ(row.year, year);
        years.push_back(year);
        for (const std::string* field :
             {&row.pgaPlayerOfYear, &row.lpgaPlayerOfYear, &row.pgaMoneyLeader,
              &row.lpgaMoneyLeader, &row.seniorMoneyLeader, &row.vardonTrophy, &row.vareTrophy})
            EXPECT_LE(field->size(), core::AwardFieldLength) << year << " " << *field;
    }
    std::vector<int> expected;
    for (int y = core::FirstAwardsYear; y <= core::LastAwardsYear; ++y)
        expected.push_back(y);
    EXPECT_EQ(years, expected);
}

TEST(ReferenceCardsAwards, In1941OnlyHoganHeldAnAward) {
    const core::AwardsYear* row = core::FindAwardsYear(1941);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->pgaPlayerOfYear, "No Award");
    EXPECT_EQ(row->lpgaPlayerOfYear, "No Award");
    EXPECT_EQ(row->pgaMoneyLeader, "Ben Hogan  $18,358");
    EXPECT_EQ(row->lpgaMoneyLeader, "No Award");
    EXPECT_EQ(row->seniorMoneyLeader, "No Award");
    EXPECT_EQ(row->vardonTrophy, "Ben Hogan");
    EXPECT_EQ(row->vareTrophy, "No Award");
    EXPECT_EQ(core::FindAwardsYear(1940), nullptr);
    EXPECT_EQ(core::FindAwardsYear(1996), nullptr);
}

TEST(ReferenceCardsAwards, MoneyLeadersShowNameTwoBlanksAndTheAmount) {
    struct Case {
        const char* name;
        const char* amount;
        const char* shown;
    };
    const Case cases[] = {
        {"Ben Hogan", "18358", "Ben Hogan  $18,358"},
        {"Don January", "44100", "Don January  $44,100"},
        {"Frank Beard", "164707", "Frank Beard  $164,707"},
        {"Greg Norman", "1654959", "Greg Norman  $1,654,959"},
        {"Chi Chi Rodriguez", "509145", "Chi Chi Rodriguez  $509,145"},
        {"Someone", "999", "Someone  $999"},
        {"Someone", "1000", "Someone  $1,000"},
        {"Babe Zaharias", "", "Babe Zaharias"}, // holder known, amount not confirmed
        {"No Award", "", "No Award"},
        {"", "", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(core::MoneyLeaderText(c.name, c.amount), c.shown) << c.name << " " << c.amount;
    // The table carries the same forms.
    EXPECT_EQ(core::FindAwardsYear(1995)->pgaMoneyLeader, "Greg Norman  $1,654,959");
    EXPECT_EQ(core::FindAwardsYear(1951)->lpgaMoneyLeader, "Babe Zaharias");
    EXPECT_EQ(core::FindAwardsYear(1987)->seniorMoneyLeader, "Chi Chi Rodriguez  $509,145");
}

TEST(ReferenceCardsAwards, NoAwardCountsFollowTheRecord) {
    int pgaPlayer = 0, lpgaPlayer = 0, lpgaMoney = 0, seniorMoney = 0, vardon = 0, vare = 0;
    for (const auto& [year, row] : core::BuiltInAwards().years) {
        pgaPlayer += row.pgaPlayerOfYear == core::NoAward;
        lpgaPlayer += row.lpgaPlayerOfYear == core::NoAward;
        lpgaMoney += row.lpgaMoneyLeader == core::NoAward;
        seniorMoney += row.seniorMoneyLeader == core::NoAward;
        vardon += row.vardonTrophy == core::NoAward;
        vare += row.vareTrophy == core::NoAward;
    }
    EXPECT_EQ(pgaPlayer, 8);
    EXPECT_EQ(lpgaPlayer, 25);
    EXPECT_EQ(lpgaMoney, 9); // the LPGA money list starts in 1950
    EXPECT_EQ(seniorMoney, 39);
    EXPECT_EQ(vardon, 5); // Hogan's 1941 trophy is kept
    EXPECT_EQ(vare, 12);
}

TEST(ReferenceCardsAwards, UnreadableRowsAreReportedAndLeftOut) {
    const std::string header =
        "year,pga_player_of_year,lpga_player_of_year,pga_money_leader,pga_money_amount,"
        "lpga_money_leader,lpga_money_amount,senior_money_leader,senior_money_amount,"
        "vardon_trophy,vare_trophy\n";
    const std::string good = "1950,Ben Hogan,No Award,Sam Snead,35759,Babe Zaharias,14800,No "
                             "Award,,Sam Snead,No Award\n";
    const char* bad[] = {
        "1951,A,B,C,12x4,D,,No Award,,E,F\n",        // amount not digits
        "1951,A,B,No Award,1000,D,,No Award,,E,F\n", // amount without a holder
        "1951,A,B,,1000,D,,No Award,,E,F\n",         // amount without a name
        "1951,A,B,C,1000,D\n",                       // short row
        "1950,A,B,C,1000,D,,No Award,,E,F\n",        // year twice
    };
    for (const char* line : bad) {
        core::AwardsTable table = core::ParseAwardsTable(header + good + line);
        EXPECT_EQ(table.problems.size(), 1u) << line;
        ASSERT_EQ(table.years.size(), 1u) << line;
        EXPECT_EQ(table.years.at(1950).pgaPlayerOfYear, "Ben Hogan") << line;
    }
    EXPECT_FALSE(core::ParseAwardsTable("year,something\n" + good).problems.empty());
}

} // namespace
