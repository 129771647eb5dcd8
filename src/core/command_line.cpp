#include "core/command_line.h"

#include "core/handicap_rounds_command.h"
#include "core/report_command.h"

#include <algorithm>
#include <array>
#include <ostream>

namespace core {

namespace {

// Every text verb. A command that writes a PDF is left to the window program.
constexpr std::array TextVerbs{
    TextVerb{"--report", "--report general|greens|averages|holes FILE.crs [--pdf OUT.pdf]",
             RunTextReportCommand},
    TextVerb{"--report", "--report handicap FILE.hcp [--pdf OUT.pdf]", RunTextReportCommand},
    TextVerb{"--import-handicap-rounds", "--import-handicap-rounds ROUNDS.csv FILE.hcp",
             RunImportHandicapRoundsCommand},
    TextVerb{"--export-handicap-rounds", "--export-handicap-rounds FILE.hcp",
             RunExportHandicapRoundsCommand},
};

bool Contains(const CommandArguments& arguments, std::string_view option) {
    return std::find(arguments.begin(), arguments.end(), option) != arguments.end();
}

} // namespace

std::string UsageText() {
    std::string text = "Usage: tarnwick [FILE.crs | FILE.hcp]\n";
    for (const TextVerb& verb : TextVerbs)
        text.append("       tarnwick ").append(verb.usage).append("\n");
    return text;
}

std::optional<int> RunTextCommand(const CommandArguments& arguments, std::ostream& out,
                                  std::ostream& err) {
    if (Contains(arguments, "--pdf"))
        return std::nullopt;
    for (const TextVerb& verb : TextVerbs)
        if (Contains(arguments, verb.option))
            return verb.run(arguments, out, err);
    return std::nullopt;
}

int CommandLineError(std::ostream& err, std::string_view message) {
    err << "tarnwick: " << message << '\n';
    return 2;
}

} // namespace core
