#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// The command-line verbs that write text and need no window: each one is a row of the
// table in command_line.cpp, so a new verb is one function and one row.
namespace core {

using CommandArguments = std::vector<std::string>;

// One verb: the option that names it, its usage line for --help, and what runs it.
// run returns the exit status: 0 done, 2 bad arguments or file (one line on err).
struct TextVerb {
    std::string_view option;
    std::string_view usage;
    int (*run)(const CommandArguments& arguments, std::ostream& out, std::ostream& err);
};

inline constexpr std::string_view ProgramVersion = "3.0";

// The usage text that --help prints, one line per verb and option.
std::string UsageText();

// Runs the text verb the arguments (without the program name) ask for, and returns its
// exit status; nullopt when they ask for the window, for a file to open in it, or for
// output that needs the window library (a PDF). Arguments the window would not
// understand end here too: the usage on err, status 2.
std::optional<int> RunTextCommand(const CommandArguments& arguments, std::ostream& out,
                                  std::ostream& err);

// What the window program is asked for at start-up.
struct WindowArguments {
    std::optional<std::string> file; // a course or handicap file to open, as given
    bool exitWhenShown = false;      // leave once the main window is on screen
};

// The window program's arguments; a string is the message for an unknown option or a
// second file. The toolkit's own options (-style fusion, -platform xcb) are let through.
std::variant<WindowArguments, std::string> ParseWindowArguments(const CommandArguments& arguments);

// Writes "tarnwick: MESSAGE" as one line on err and returns 2.
int CommandLineError(std::ostream& err, std::string_view message);

} // namespace core
