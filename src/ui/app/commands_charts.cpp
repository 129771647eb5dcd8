// Main-window commands of the chart windows.
#include "ui/app/main_window.h"

#include "ui/handicap/last_twenty_window.h"
#include "ui/stats/charts_window.h"

namespace ui {

void MainWindow::openChartsWindow() {
    ChartsWindow window(context_, this);
    window.exec();
}

void MainWindow::openLastTwentyWindow() {
    LastTwentyWindow window(context_, this);
    window.exec();
}

} // namespace ui
