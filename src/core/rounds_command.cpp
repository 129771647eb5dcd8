#include "core/rounds_command.h"

#include "core/atomic_file.h"
#include "core/round_csv.h"
#include "core/round_history.h"

#include <ostream>
#include <variant>

namespace core {
namespace {

// The arguments after `option`, which must be exactly `count` file names.
bool FileArguments(const CommandArguments& arguments, std::string_view option, size_t count,
                   std::vector<std::string>& files) {
    files.clear();
    bool named = false;
    for (const std::string& argument : arguments) {
        if (argument == option && !named)
            named = true;
        else if (argument.rfind("--", 0) == 0)
            return false;
        else
            files.push_back(argument);
    }
    return named && files.size() == count;
}

} // namespace

int RunExportRoundsCommand(const CommandArguments& arguments, std::ostream& out,
                           std::ostream& err) {
    std::vector<std::string> files;
    if (!FileArguments(arguments, "--export-rounds", 1, files))
        return CommandLineError(err, "usage: tarnwick --export-rounds FILE.crs");
    RoundHistory history = LoadRoundHistory(files[0]);
    if (history.courseText.empty() && history.status == HistoryStatus::Unreadable)
        return CommandLineError(err, history.problem);
    CourseState course;
    if (FileResult parsed = ParseCourseFile(history.courseText, files[0], course); !parsed)
        return CommandLineError(err, parsed.error);
    if (history.status == HistoryStatus::Unreadable)
        return CommandLineError(err, history.problem);
    // Rounds that no longer match the course file are still the player's rounds.
    out << RoundsCsv(history.journal.rounds) << std::flush;
    return out ? 0 : 2;
}

int RunImportRoundsCommand(const CommandArguments& arguments, std::ostream& out,
                           std::ostream& err) {
    std::vector<std::string> files;
    if (!FileArguments(arguments, "--import-rounds", 2, files))
        return CommandLineError(err, "usage: tarnwick --import-rounds ROUNDS.csv FILE.crs");
    const std::string& csvPath = files[0];
    const std::string& coursePath = files[1];
    std::string csvText;
    if (FileResult read = ReadWholeFile(csvPath, csvText); !read)
        return CommandLineError(err, read.error);
    auto parsed = ParseRoundsCsv(csvText, csvPath);
    if (auto* problem = std::get_if<std::string>(&parsed))
        return CommandLineError(err, *problem);
    const auto& rounds = std::get<std::vector<TypedRound>>(parsed);

    CourseState course;
    if (FileResult loaded = LoadCourseFile(coursePath, course); !loaded)
        return CommandLineError(err, loaded.error);
    // Name the line and the column of a round the course itself refuses.
    for (size_t i = 0; i < rounds.size(); ++i) {
        const std::string where = csvPath + " line " + std::to_string(i + 2) + ", column ";
        for (int h = 1; h <= HoleCount; ++h)
            if (rounds[i].HoleScore[h] == 0)
                return CommandLineError(err, where + "s" + std::to_string(h) +
                                                 ": a round with a hole score of 0 cannot be "
                                                 "saved; nothing was imported");
        if (rounds[i].RoundFairways > static_cast<float>(course.FairwaysPerRound))
            return CommandLineError(err, where + "fairways: this course has only " +
                                             std::to_string(course.FairwaysPerRound) +
                                             " fairways; nothing was imported");
    }
    if (FileResult added = AddRounds(course, rounds); !added)
        return CommandLineError(err, added.error + " Nothing was imported.");
    out << "Imported " << rounds.size() << (rounds.size() == 1 ? " round" : " rounds") << " into "
        << coursePath << ".\n"
        << std::flush;
    return 0;
}

} // namespace core
