#pragma once

#include <array>
#include <map>
#include <string>
#include <string_view>
#include <vector>

// The two built-in reference cards: the men's majors by year and the tours' yearly awards.
namespace core {

inline constexpr int FirstMajorsYear = 1860;
inline constexpr int LastMajorsYear = 1995;
inline constexpr int FirstAwardsYear = 1941;
inline constexpr int LastAwardsYear = 1995;

inline constexpr std::size_t MajorNameLength = 19;
inline constexpr std::size_t MajorCourseLength = 17;
inline constexpr std::size_t MajorRunnerUpLength = 60;
inline constexpr std::size_t AwardFieldLength = 30;

inline constexpr std::string_view NoTournament = "No Tournament";
inline constexpr std::string_view NoAward = "No Award";

// In the order the table lists them.
enum class Major { Masters, BritishOpen, UsOpen, Pga };
inline constexpr int MajorCount = 4;

struct MajorResult {
    std::string winner;        // "No Tournament" when the event was not held
    std::string scoreOrCourse; // the winning total for The Masters, the course otherwise
    std::string runnerUp;      // several names are separated by runs of two or more blanks
};

struct MajorsYear {
    int year = 0;
    std::array<MajorResult, MajorCount> results;
    const MajorResult& operator[](Major m) const { return results[static_cast<int>(m)]; }
};

// The display forms of one year's awards.
struct AwardsYear {
    int year = 0;
    std::string pgaPlayerOfYear;
    std::string lpgaPlayerOfYear;
    std::string pgaMoneyLeader; // "name  $amount"
    std::string lpgaMoneyLeader;
    std::string seniorMoneyLeader;
    std::string vardonTrophy;
    std::string vareTrophy;
};

// A parsed table. Rows that cannot be read are left out and described in problems, so a bad
// correction of a data file shows in the tests rather than stopping the program.
struct MajorsTable {
    std::map<int, MajorsYear> years;
    std::vector<std::string> problems;
};
struct AwardsTable {
    std::map<int, AwardsYear> years;
    std::vector<std::string> problems;
};

// Reads "year,tournament,winner,score_or_course,runner_up" rows; a year is kept only when
// all four tournaments are given once.
MajorsTable ParseMajorsTable(std::string_view csv);
// Reads "year" and the seven award columns (money leaders with their amounts in whole dollars).
AwardsTable ParseAwardsTable(std::string_view csv);

// The tables compiled into the program, parsed once.
const MajorsTable& BuiltInMajors();
const AwardsTable& BuiltInAwards();

// The row of a year, or nullptr.
const MajorsYear* FindMajorsYear(int year);
const AwardsYear* FindAwardsYear(int year);

// "Ben Hogan" and "18358" -> "Ben Hogan  $18,358"; the name alone when the amount is not known;
// "No Award" as it is.
std::string MoneyLeaderText(std::string_view name, std::string_view amount);

// "1654959" -> "1,654,959".
std::string WithThousandsSeparators(std::string_view digits);

// The names of a runner-up text, one per entry ("A      B" -> {"A", "B"}).
std::vector<std::string> RunnerUpNames(std::string_view text);

} // namespace core
