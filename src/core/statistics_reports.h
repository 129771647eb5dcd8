#pragma once

#include "core/course_state.h"
#include "core/print_document.h"

#include <optional>
#include <string_view>

// The printed statistics reports, as lines of a print document.
namespace core {

enum class StatisticsReport { General, AroundTheGreens, Averages, HoleByHole };

// The report's name as the Print Reports menu gives it.
std::string_view StatisticsReportTitle(StatisticsReport report);

// What the reports answer when the course has no round to report on.
inline constexpr std::string_view NothingToReportText =
    "Nothing to report. You have no scores entered in this file.";
inline constexpr std::string_view NothingToReportTitle = "Access Denied";

// False when the reports must refuse: no round is recorded.
bool HasScoresToReport(const CourseState& course);

// One of the four reports of the "Print Reports" menu, ended. Expects rounds
// (HasScoresToReport).
PrintDocument BuildStatisticsReport(const CourseState& course, StatisticsReport report);

// The printout of the hole-by-hole window's "Print" button, ended.
PrintDocument BuildHoleByHolePrintout(const CourseState& course);

// The command-line names of the reports: general, greens, averages, holes.
std::optional<StatisticsReport> StatisticsReportFromName(std::string_view name);

} // namespace core
