#include "core/command_line.h"

#include "core/handicap_rounds_command.h"
#include "core/report_command.h"
#include "core/rounds_command.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <ostream>

namespace core {

namespace {

int RunHelp(const CommandArguments&, std::ostream& out, std::ostream&) {
    out << UsageText() << std::flush;
    return out ? 0 : 2;
}

int RunVersion(const CommandArguments&, std::ostream& out, std::ostream&) {
    out << "tarnwick " << ProgramVersion << '\n' << std::flush;
    return out ? 0 : 2;
}

// Every text verb. A command that writes a PDF is left to the window program.
constexpr std::array TextVerbs{
    TextVerb{"--report", "--report general|greens|averages|holes FILE.crs [--pdf OUT.pdf]",
             RunTextReportCommand},
    TextVerb{"--report", "--report handicap FILE.hcp [--pdf OUT.pdf]", RunTextReportCommand},
    TextVerb{"--export-rounds", "--export-rounds FILE.crs", RunExportRoundsCommand},
    TextVerb{"--import-rounds", "--import-rounds ROUNDS.csv FILE.crs", RunImportRoundsCommand},
    TextVerb{"--import-handicap-rounds", "--import-handicap-rounds ROUNDS.csv FILE.hcp",
             RunImportHandicapRoundsCommand},
    TextVerb{"--export-handicap-rounds", "--export-handicap-rounds FILE.hcp",
             RunExportHandicapRoundsCommand},
    TextVerb{"--help", "--help", RunHelp},
    TextVerb{"--version", "--version", RunVersion},
};

constexpr std::string_view WindowOptions =
    "\n"
    "Without a verb, the window opens; a course (.crs) or handicap (.hcp) file named\n"
    "on the command line is opened in it at start-up.\n"
    "\n"
    "  --report NAME FILE      print a report of the course, or of the handicap file\n"
    "                          (NAME handicap), as text\n"
    "  --pdf OUT.pdf           with --report: write the printed report to a PDF file\n"
    "  --exit-when-shown       leave as soon as the main window is shown (for timing)\n"
    "  --help                  print this text and exit\n"
    "  --version               print the version and exit\n";

bool Contains(const CommandArguments& arguments, std::string_view option) {
    return std::find(arguments.begin(), arguments.end(), option) != arguments.end();
}

// The toolkit's own options, which it takes out of the arguments itself.
constexpr std::string_view ToolkitOptionsWithValue[] = {
    "platform",        "platformpluginpath",
    "platformtheme",   "plugin",
    "qwindowgeometry", "qwindowicon",
    "qwindowtitle",    "style",
    "stylesheet",      "display",
    "geometry",        "session",
};
constexpr std::string_view ToolkitFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

template <size_t N> bool IsOneOf(std::string_view name, const std::string_view (&names)[N]) {
    return std::find(std::begin(names), std::end(names), name) != std::end(names);
}

} // namespace

std::string UsageText() {
    std::string text = "Usage: tarnwick [FILE.crs | FILE.hcp]\n";
    for (const TextVerb& verb : TextVerbs)
        text.append("       tarnwick ").append(verb.usage).append("\n");
    text.append(WindowOptions);
    return text;
}

std::optional<int> RunTextCommand(const CommandArguments& arguments, std::ostream& out,
                                  std::ostream& err) {
    // Help and the version answer whatever else is given: "--report --help" asks for help.
    for (const TextVerb& verb : TextVerbs)
        if ((verb.option == "--help" || verb.option == "--version") &&
            Contains(arguments, verb.option))
            return verb.run(arguments, out, err);
    // Otherwise the first argument that names a verb decides.
    for (const std::string& argument : arguments) {
        if (argument == "--")
            break;
        for (const TextVerb& verb : TextVerbs) {
            if (argument != verb.option)
                continue;
            if (verb.option == "--report" && Contains(arguments, "--pdf"))
                return std::nullopt;
            return verb.run(arguments, out, err);
        }
    }
    if (Contains(arguments, "--pdf"))
        return CommandLineError(err, "--pdf goes with --report NAME FILE.crs");
    auto window = ParseWindowArguments(arguments);
    if (const std::string* message = std::get_if<std::string>(&window)) {
        CommandLineError(err, *message);
        err << UsageText() << std::flush;
        return 2;
    }
    return std::nullopt;
}

std::variant<WindowArguments, std::string> ParseWindowArguments(const CommandArguments& arguments) {
    WindowArguments parsed;
    bool optionsEnded = false;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const bool isOption = !optionsEnded && argument.size() > 1 && argument[0] == '-';
        if (isOption && argument == "--") {
            optionsEnded = true;
            continue;
        }
        if (isOption && argument == "--exit-when-shown") {
            parsed.exitWhenShown = true;
            continue;
        }
        if (isOption) {
            // The toolkit reads "-style x", "--style x" and "-style=x" alike.
            std::string_view name(argument);
            name.remove_prefix(name.starts_with("--") ? 2 : 1);
            const size_t equals = name.find('=');
            const bool valueAttached = equals != std::string_view::npos;
            name = name.substr(0, equals);
            if (IsOneOf(name, ToolkitOptionsWithValue)) {
                if (!valueAttached && ++i >= arguments.size())
                    return argument + " needs a value";
                continue;
            }
            if (IsOneOf(name, ToolkitFlags) && !valueAttached)
                continue;
            return "unknown option " + argument;
        }
        if (parsed.file)
            return "one file at a time: " + *parsed.file + " and " + argument + " were given";
        parsed.file = argument;
    }
    return parsed;
}

int CommandLineError(std::ostream& err, std::string_view message) {
    err << "tarnwick: " << message << '\n';
    return 2;
}

} // namespace core
