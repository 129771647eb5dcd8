// Main-window commands of the chart windows.
#include "ui/app/main_window.h"

namespace ui {

void MainWindow::openChartsWindow() {
    // The charts window (Form11) opens here, modal.
}

void MainWindow::openLastTwentyWindow() {
    // The last-20 scores window (Form15) opens here, modal.
}

} // namespace ui
