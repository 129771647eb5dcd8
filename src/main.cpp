#include "core/command_line.h"
#include "core/report_command.h"
#include "core/state.h"
#include "platform/platform.h"
#include "platform/printer.h"
#include "ui/app/main_window.h"
#include "ui/app/resources.h"
#include "ui/app/style_cache.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

#include <ctime>
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

// For measuring start-up (TARNWICK_EXIT_WHEN_PAINTED set): once the main window's first
// frame is painted and flushed, print the monotonic clock in nanoseconds and leave.
class ExitWhenPainted : public QObject {
public:
    explicit ExitWhenPainted(QWidget* window) : window_(window) {}
    bool reported() const { return reported_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!painted_ && event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == window_) {
            painted_ = true;
            // Queued, so that it runs after the frame has gone to the screen.
            QTimer::singleShot(0, this, [this] {
                timespec now{};
                clock_gettime(CLOCK_MONOTONIC, &now);
                std::cout << "painted " << now.tv_sec * 1000000000LL + now.tv_nsec << std::endl;
                reported_ = true;
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    QWidget* window_;
    bool painted_ = false;
    bool reported_ = false;
};

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
    auto parsed = core::ParseWindowArguments(arguments);
    if (const std::string* message = std::get_if<std::string>(&parsed))
        return core::CommandLineError(std::cerr, *message);
    const core::WindowArguments& window = std::get<core::WindowArguments>(parsed);
    // Named relative to where the user started the program, not the program's folder.
    QString fileToOpen;
    if (window.file)
        fileToOpen = QFileInfo(QFile::decodeName(window.file->c_str())).absoluteFilePath();

    QApplication app(argc, argv);
    QApplication::setApplicationName("Tarnwick");
    QApplication::setOrganizationName("Tarnwick");
    QApplication::setApplicationVersion(
        QString::fromUtf8(core::ProgramVersion.data(), core::ProgramVersion.size()));
    // Docks and task bars find the icon through the desktop entry of this name.
    QGuiApplication::setDesktopFileName("tarnwick");
    ui::InitResources();
    ui::TurnOffStyleCache();

    core::AppState state;
    platform::QtPlatformServices services;
    platform::Platform platform = services.platform(QCoreApplication::applicationDirPath());

    ui::MainWindow mainWindow(state, platform);
    ExitWhenPainted exitWhenPainted(&mainWindow);
    if (qEnvironmentVariableIsSet("TARNWICK_EXIT_WHEN_PAINTED"))
        app.installEventFilter(&exitWhenPainted);
    // For a quick check that the program starts: leave as soon as the main window is on
    // screen, even when a window opened over it at start-up is waiting.
    if (window.exitWhenShown)
        QTimer::singleShot(0, &app, [] { QCoreApplication::exit(0); });
    mainWindow.startUp();
    // A window opened over the main one at start-up has left its loop by now.
    if (window.exitWhenShown || exitWhenPainted.reported()) {
        QCoreApplication::processEvents();
        return 0;
    }
    if (!fileToOpen.isEmpty())
        mainWindow.openFileAtStartUp(fileToOpen);
    return app.exec();
}
