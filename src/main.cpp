#include "core/state.h"
#include "platform/platform.h"
#include "ui/app/main_window.h"
#include "ui/app/resources.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[]) {
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
