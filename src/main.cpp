#include "core/command_line.h"
#include "core/report_command.h"
#include "core/state.h"
#include "platform/platform.h"
#include "platform/printer.h"
#include "ui/app/main_window.h"
#include "ui/app/resources.h"

#include <QApplication>
#include <QTimer>

#include <iostream>
#include <string>
#include <variant>

namespace {

// tarnwick --report NAME FILE.crs --pdf OUT.pdf: the report drawn into a PDF file.
int RunPdfReportCommand(const core::ReportCommand& command, int argc, char* argv[]) {
    std::variant<core::PrintDocument, int> document =
        core::BuildReportCommandDocument(command, std::cerr);
    if (const int* status = std::get_if<int>(&document))
        return *status;
    // Rendering needs a GUI application, but no screen: without a display, draw offscreen.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (!platform::RenderDocumentToPdf(std::get<core::PrintDocument>(document),
                                       QString::fromLocal8Bit(command.pdfFile->c_str())))
        return core::CommandLineError(std::cerr, *command.pdfFile + " could not be written.");
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    const core::CommandArguments arguments(argv + 1, argv + argc);
    if (std::optional<int> status = core::RunTextCommand(arguments, std::cout, std::cerr))
        return *status;
    if (auto report = core::ParseReportCommand(arguments)) {
        if (const std::string* message = std::get_if<std::string>(&*report))
            return core::CommandLineError(std::cerr, *message);
        return RunPdfReportCommand(std::get<core::ReportCommand>(*report), argc, argv);
    }

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
