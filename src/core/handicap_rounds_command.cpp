#include "core/handicap_rounds_command.h"

#include "core/atomic_file.h"
#include "core/handicap_file.h"
#include "core/handicap_report.h"
#include "core/handicap_rounds_csv.h"
#include "core/whs_report.h"

#include <ostream>

namespace core {
namespace {

// The files that follow the verb; nothing when there are not exactly `count` of them.
std::optional<CommandArguments> FilesAfter(const CommandArguments& arguments,
                                           std::string_view option, size_t count) {
    CommandArguments files;
    for (const std::string& argument : arguments) {
        if (argument == option)
            continue;
        if (argument.rfind("--", 0) == 0)
            return std::nullopt;
        files.push_back(argument);
    }
    if (files.size() != count)
        return std::nullopt;
    return files;
}

} // namespace

int RunImportHandicapRoundsCommand(const CommandArguments& arguments, std::ostream& out,
                                   std::ostream& err) {
    auto files = FilesAfter(arguments, "--import-handicap-rounds", 2);
    if (!files)
        return CommandLineError(err,
                                "usage: tarnwick --import-handicap-rounds ROUNDS.csv FILE.hcp");
    const std::string& csvPath = (*files)[0];
    const std::string& handicapPath = (*files)[1];

    std::string csv;
    if (FileResult read = ReadWholeFile(csvPath, csv); !read)
        return CommandLineError(err, read.error);
    auto parsed = ParseHandicapRoundsCsv(csv, csvPath);
    if (const std::string* message = std::get_if<std::string>(&parsed))
        return CommandLineError(err, *message);
    const auto& rounds = std::get<std::vector<JournalRound>>(parsed);

    HandicapState handicap;
    if (FileResult loaded = LoadHandicapFile(handicapPath, handicap); !loaded)
        return CommandLineError(err, loaded.error);
    // All or nothing: a journal that cannot be read would leave the rounds half kept.
    if (JournalReading journal = ReadJournalFor(handicap);
        journal.status == JournalReading::Status::Unreadable)
        return CommandLineError(err, journal.reason);

    JournaledSave saved = AddJournaledRounds(handicap, rounds);
    if (!saved.journal)
        return CommandLineError(err, saved.journal.error);
    if (!saved.handicapFile)
        return CommandLineError(err, saved.handicapFile.error);
    WhsFigures whs = WhsFiguresFor(handicap);
    out << rounds.size() << (rounds.size() == 1 ? " round" : " rounds") << " saved to "
        << handicapPath << ": Handicap Index " << HandicapIndexText(handicap) << ", WHS Index "
        << WhsIndexText(whs.history.indexTenths) << '\n'
        << std::flush;
    return out ? 0 : 2;
}

int RunExportHandicapRoundsCommand(const CommandArguments& arguments, std::ostream& out,
                                   std::ostream& err) {
    auto files = FilesAfter(arguments, "--export-handicap-rounds", 1);
    if (!files)
        return CommandLineError(err, "usage: tarnwick --export-handicap-rounds FILE.hcp");
    HandicapState handicap;
    if (FileResult loaded = LoadHandicapFile((*files)[0], handicap); !loaded)
        return CommandLineError(err, loaded.error);
    JournalReading journal = ReadJournalFor(handicap);
    if (journal.status == JournalReading::Status::Unreadable)
        return CommandLineError(err, journal.reason);
    out << HandicapRoundsCsv(journal.journal.rounds) << std::flush;
    return out ? 0 : 2;
}

} // namespace core
