#include "core/reference_cards.h"

#include "core/embedded_data.h"

#include <algorithm>
#include <charconv>
#include <optional>

namespace core {
namespace {

constexpr std::string_view MajorsHeader = "year,tournament,winner,score_or_course,runner_up";
constexpr std::string_view AwardsHeader =
    "year,pga_player_of_year,lpga_player_of_year,pga_money_leader,pga_money_amount,"
    "lpga_money_leader,lpga_money_amount,senior_money_leader,senior_money_amount,vardon_trophy,"
    "vare_trophy";
constexpr std::array<std::string_view, MajorCount> TournamentNames = {
    "The Masters", "British Open", "US Open", "PGA Championship"};

// The tables hold no quoted fields, so a row is split at every comma.
std::vector<std::string_view> SplitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (;;) {
        std::size_t comma = line.find(',', start);
        fields.push_back(line.substr(start, comma - start));
        if (comma == std::string_view::npos)
            return fields;
        start = comma + 1;
    }
}

// Calls row(lineNumber, fields) for every line after the header; blank lines are skipped.
template <typename Row>
void ForEachRow(std::string_view text, std::string_view header, std::vector<std::string>& problems,
                Row row) {
    int lineNumber = 0;
    bool headerSeen = false;
    while (!text.empty()) {
        std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (!headerSeen) {
            headerSeen = true;
            if (line != header)
                problems.push_back("line 1: unexpected header");
            continue;
        }
        if (line.empty())
            continue;
        row(lineNumber, SplitFields(line));
    }
}

std::optional<int> ReadYear(std::string_view text) {
    int year = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), year);
    if (error != std::errc{} || end != text.data() + text.size() || text.size() != 4)
        return std::nullopt;
    return year;
}

bool AllDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string Problem(int lineNumber, std::string_view what) {
    return "line " + std::to_string(lineNumber) + ": " + std::string(what);
}

} // namespace

std::string WithThousandsSeparators(std::string_view digits) {
    std::string text;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            text += ',';
        text += digits[i];
    }
    return text;
}

std::string MoneyLeaderText(std::string_view name, std::string_view amount) {
    if (amount.empty() || name == NoAward)
        return std::string(name);
    // Two blanks keep the longest leader with the largest purse well inside the field.
    return std::string(name) + "  $" + WithThousandsSeparators(amount);
}

std::vector<std::string> RunnerUpNames(std::string_view text) {
    std::vector<std::string> names;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t gap = text.find("  ", at);
        std::string_view name = text.substr(at, gap - at);
        while (!name.empty() && name.front() == ' ')
            name.remove_prefix(1);
        while (!name.empty() && name.back() == ' ')
            name.remove_suffix(1);
        if (!name.empty())
            names.emplace_back(name);
        if (gap == std::string_view::npos)
            break;
        at = text.find_first_not_of(' ', gap);
        if (at == std::string_view::npos)
            break;
    }
    return names;
}

MajorsTable ParseMajorsTable(std::string_view csv) {
    MajorsTable table;
    struct Partial {
        MajorsYear row;
        std::array<bool, MajorCount> seen{};
    };
    std::map<int, Partial> partial;
    ForEachRow(csv, MajorsHeader, table.problems,
               [&](int lineNumber, const std::vector<std::string_view>& fields) {
                   if (fields.size() != 5) {
                       table.problems.push_back(Problem(lineNumber, "expected 5 fields"));
                       return;
                   }
                   std::optional<int> year = ReadYear(fields[0]);
                   if (!year) {
                       table.problems.push_back(Problem(lineNumber, "bad year"));
                       return;
                   }
                   auto named =
                       std::find(TournamentNames.begin(), TournamentNames.end(), fields[1]);
                   if (named == TournamentNames.end()) {
                       table.problems.push_back(Problem(lineNumber, "unknown tournament"));
                       return;
                   }
                   int index = static_cast<int>(named - TournamentNames.begin());
                   Partial& entry = partial[*year];
                   if (entry.seen[index]) {
                       table.problems.push_back(Problem(lineNumber, "tournament given twice"));
                       return;
                   }
                   entry.seen[index] = true;
                   entry.row.year = *year;
                   entry.row.results[index] = {std::string(fields[2]), std::string(fields[3]),
                                               std::string(fields[4])};
               });
    for (auto& [year, entry] : partial) {
        if (std::find(entry.seen.begin(), entry.seen.end(), false) != entry.seen.end()) {
            table.problems.push_back("year " + std::to_string(year) + ": tournaments missing");
            continue;
        }
        table.years.emplace(year, std::move(entry.row));
    }
    return table;
}

AwardsTable ParseAwardsTable(std::string_view csv) {
    AwardsTable table;
    ForEachRow(csv, AwardsHeader, table.problems,
               [&](int lineNumber, const std::vector<std::string_view>& f) {
                   if (f.size() != 11) {
                       table.problems.push_back(Problem(lineNumber, "expected 11 fields"));
                       return;
                   }
                   std::optional<int> year = ReadYear(f[0]);
                   if (!year) {
                       table.problems.push_back(Problem(lineNumber, "bad year"));
                       return;
                   }
                   if (table.years.count(*year)) {
                       table.problems.push_back(Problem(lineNumber, "year given twice"));
                       return;
                   }
                   // An amount belongs to a named leader and is plain whole dollars.
                   for (int amount : {4, 6, 8}) {
                       std::string_view name = f[amount - 1];
                       if (!AllDigits(f[amount]) || f[amount].size() > 10 ||
                           (!f[amount].empty() && (name.empty() || name == NoAward))) {
                           table.problems.push_back(Problem(lineNumber, "bad amount"));
                           return;
                       }
                   }
                   AwardsYear row;
                   row.year = *year;
                   row.pgaPlayerOfYear = f[1];
                   row.lpgaPlayerOfYear = f[2];
                   row.pgaMoneyLeader = MoneyLeaderText(f[3], f[4]);
                   row.lpgaMoneyLeader = MoneyLeaderText(f[5], f[6]);
                   row.seniorMoneyLeader = MoneyLeaderText(f[7], f[8]);
                   row.vardonTrophy = f[9];
                   row.vareTrophy = f[10];
                   table.years.emplace(*year, std::move(row));
               });
    return table;
}

const MajorsTable& BuiltInMajors() {
    static const MajorsTable table = ParseMajorsTable(data::MajorsCsv());
    return table;
}

const AwardsTable& BuiltInAwards() {
    static const AwardsTable table = ParseAwardsTable(data::AwardsCsv());
    return table;
}

const MajorsYear* FindMajorsYear(int year) {
    const auto& years = BuiltInMajors().years;
    auto found = years.find(year);
    return found == years.end() ? nullptr : &found->second;
}

const AwardsYear* FindAwardsYear(int year) {
    const auto& years = BuiltInAwards().years;
    auto found = years.find(year);
    return found == years.end() ? nullptr : &found->second;
}

} // namespace core
