#include "core/report_command.h"

#include "core/course_file.h"
#include "core/handicap_file.h"
#include "core/whs_report.h"

#include <algorithm>
#include <ostream>

namespace core {

namespace {

constexpr std::string_view ReportNames = "general, greens, averages, holes or handicap";

} // namespace

std::optional<std::variant<ReportCommand, std::string>>
ParseReportCommand(const CommandArguments& arguments) {
    // Other verbs and options are not this command's to judge.
    if (std::find(arguments.begin(), arguments.end(), "--report") == arguments.end())
        return std::nullopt;
    ReportCommand command;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--report") {
            if (i + 1 >= arguments.size())
                return std::string("--report needs a report name: ").append(ReportNames);
            const std::string& name = arguments[++i];
            command.handicap = name == "handicap";
            if (command.handicap)
                continue;
            std::optional<StatisticsReport> report = StatisticsReportFromName(name);
            if (!report)
                return "unknown report \"" + name + "\": use " + std::string(ReportNames);
            command.report = *report;
        } else if (argument == "--pdf") {
            if (i + 1 >= arguments.size())
                return std::string("--pdf needs the name of the PDF file to write");
            command.pdfFile = arguments[++i];
        } else if (argument.rfind("--", 0) == 0 || !command.courseFile.empty()) {
            return "unexpected argument \"" + argument +
                   "\"; usage: tarnwick --report NAME FILE.crs|FILE.hcp [--pdf OUT.pdf]";
        } else {
            command.courseFile = argument;
        }
    }
    if (command.courseFile.empty())
        return std::string(command.handicap ? "--report handicap needs a handicap file (.hcp)"
                                            : "--report needs a course file (.crs)");
    return command;
}

std::variant<PrintDocument, int> BuildReportCommandDocument(const ReportCommand& command,
                                                            std::ostream& err) {
    if (command.handicap) {
        HandicapState handicap;
        if (FileResult loaded = LoadHandicapFile(command.courseFile, handicap); !loaded)
            return CommandLineError(err, loaded.error);
        return HandicapReportWithWhs(handicap, WhsFiguresFor(handicap), std::nullopt);
    }
    CourseState course;
    if (FileResult loaded = LoadCourseFile(command.courseFile, course); !loaded)
        return CommandLineError(err, loaded.error);
    if (!HasScoresToReport(course)) {
        err << NothingToReportText << '\n';
        return 1;
    }
    return BuildStatisticsReport(course, command.report);
}

int RunTextReportCommand(const CommandArguments& arguments, std::ostream& out, std::ostream& err) {
    auto parsed = ParseReportCommand(arguments);
    if (!parsed)
        return CommandLineError(err, "--report is missing");
    if (const std::string* message = std::get_if<std::string>(&*parsed))
        return CommandLineError(err, *message);
    auto document = BuildReportCommandDocument(std::get<ReportCommand>(*parsed), err);
    if (const int* status = std::get_if<int>(&document))
        return *status;
    out << std::get<PrintDocument>(document).plainText() << std::flush;
    return out ? 0 : 2;
}

} // namespace core
