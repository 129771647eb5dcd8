// Main-window commands of the statistics windows and printed reports.
#include "core/statistics_reports.h"
#include "ui/app/main_window.h"
#include "ui/stats/hole_by_hole_window.h"
#include "ui/stats/round_history_window.h"
#include "ui/stats/statistics_window.h"

namespace ui {
namespace {

core::StatisticsReport CoreReport(MainWindow::Report report) {
    switch (report) {
    case MainWindow::Report::General:
        return core::StatisticsReport::General;
    case MainWindow::Report::AroundTheGreens:
        return core::StatisticsReport::AroundTheGreens;
    case MainWindow::Report::Averages:
        return core::StatisticsReport::Averages;
    case MainWindow::Report::HoleByHole:
        break;
    }
    return core::StatisticsReport::HoleByHole;
}

} // namespace

void MainWindow::openStatisticsWindow() {
    StatisticsWindow window(context_, this);
    window.exec();
}

void MainWindow::openHoleByHoleWindow() {
    HoleByHoleWindow window(context_, this);
    window.exec();
}

void MainWindow::openRoundHistoryWindow() {
    RoundHistoryWindow window(context_, this);
    window.exec();
}

void MainWindow::printReport(Report report) {
    const core::CourseState& course = context_.state.course;
    if (!core::HasScoresToReport(course)) {
        context_.platform.messages.beep();
        context_.platform.messages.show(
            QString::fromUtf8(core::NothingToReportText.data(), core::NothingToReportText.size()),
            QString::fromUtf8(core::NothingToReportTitle.data(), core::NothingToReportTitle.size()),
            platform::MessageIcon::Information);
        return;
    }
    context_.platform.printer.print(core::BuildStatisticsReport(course, CoreReport(report)));
}

} // namespace ui
