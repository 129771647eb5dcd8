#pragma once

#include "core/command_line.h"
#include "core/print_document.h"
#include "core/statistics_reports.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <variant>

// tarnwick --report general|greens|averages|holes FILE.crs [--pdf OUT.pdf]
// tarnwick --report handicap FILE.hcp [--pdf OUT.pdf]
namespace core {

struct ReportCommand {
    StatisticsReport report = StatisticsReport::General;
    bool handicap = false;  // the handicap report of a .hcp file instead
    std::string courseFile; // the .crs file, or the .hcp file of the handicap report
    std::optional<std::string> pdfFile;
};

// The report command the arguments ask for, or nullopt when they do not name --report.
// A malformed command is a string: the message for standard error.
std::optional<std::variant<ReportCommand, std::string>>
ParseReportCommand(const CommandArguments& arguments);

// The document of a parsed report: the report, or the exit status when it cannot be
// made (2 with the message on err for an unreadable file, 1 with the refusal for a
// course without rounds).
std::variant<PrintDocument, int> BuildReportCommandDocument(const ReportCommand& command,
                                                            std::ostream& err);

// The text verb: the report as plain text on out. Needs no window library.
int RunTextReportCommand(const CommandArguments& arguments, std::ostream& out, std::ostream& err);

} // namespace core
