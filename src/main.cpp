#include "core/course_file.h"
#include "core/state.h"
#include "core/statistics_reports.h"
#include "platform/platform.h"
#include "platform/printer.h"
#include "ui/app/main_window.h"
#include "ui/app/resources.h"

#include <QApplication>
#include <QTimer>

#include <cstring>
#include <iostream>
#include <optional>
#include <string>

namespace {

constexpr const char* ReportNames = "general, greens, averages or holes";

bool AsksForReport(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--report") == 0)
            return true;
    return false;
}

int UsageError(const std::string& message) {
    std::cerr << "tarnwick: " << message << '\n';
    return 2;
}

// tarnwick --report general|greens|averages|holes FILE.crs [--pdf OUT.pdf]
// Prints one statistics report of a course file without opening a window: as plain
// text on standard output, or as a PDF file. Exit status 0 when the report was
// written, 1 when the course has no round to report on, 2 for a bad command line or
// a file that cannot be read or written.
int RunReportCommand(int argc, char* argv[]) {
    std::optional<core::StatisticsReport> report;
    std::string courseFile;
    std::optional<std::string> pdfFile;
    for (int i = 1; i < argc; ++i) {
        std::string argument = argv[i];
        if (argument == "--report") {
            if (i + 1 >= argc)
                return UsageError(std::string("--report needs a report name: ") + ReportNames);
            std::string name = argv[++i];
            report = core::StatisticsReportFromName(name);
            if (!report)
                return UsageError("unknown report \"" + name + "\": use " + ReportNames);
        } else if (argument == "--pdf") {
            if (i + 1 >= argc)
                return UsageError("--pdf needs the name of the PDF file to write");
            pdfFile = argv[++i];
        } else if (argument.rfind("--", 0) == 0 || !courseFile.empty()) {
            return UsageError("unexpected argument \"" + argument +
                              "\"; usage: tarnwick --report NAME FILE.crs [--pdf OUT.pdf]");
        } else {
            courseFile = argument;
        }
    }
    if (courseFile.empty())
        return UsageError("--report needs a course file (.crs)");

    core::CourseState course;
    if (core::FileResult loaded = core::LoadCourseFile(courseFile, course); !loaded)
        return UsageError(loaded.error);
    if (!core::HasScoresToReport(course)) {
        std::cerr << core::NothingToReportText << '\n';
        return 1;
    }
    core::PrintDocument document = core::BuildStatisticsReport(course, *report);

    if (!pdfFile) {
        std::cout << document.plainText() << std::flush;
        return std::cout ? 0 : 2;
    }
    // Rendering needs a GUI application, but no screen: without a display, draw offscreen.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (!platform::RenderDocumentToPdf(document, QString::fromLocal8Bit(pdfFile->c_str())))
        return UsageError(*pdfFile + " could not be written.");
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    if (AsksForReport(argc, argv))
        return RunReportCommand(argc, argv);

    QApplication app(argc, argv);
    QApplication::setApplicationName("Tarnwick");
    QApplication::setOrganizationName("Tarnwick");
    ui::InitResources();

    core::AppState state;
    platform::QtPlatformServices services;
    platform::Platform platform = services.platform(QCoreApplication::applicationDirPath());

    ui::MainWindow mainWindow(state, platform);
    // For measuring start-up: leave as soon as the main window is on screen, even when a
    // window opened over it at start-up is waiting.
    const bool exitWhenShown = app.arguments().contains("--exit-when-shown");
    if (exitWhenShown)
        QTimer::singleShot(0, &app, [] { QCoreApplication::exit(0); });
    mainWindow.startUp();
    if (exitWhenShown) {
        QCoreApplication::processEvents();
        return 0;
    }
    return app.exec();
}
