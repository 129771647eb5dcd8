// Main-window commands of the statistics windows and printed reports.
#include "ui/app/main_window.h"

namespace ui {

void MainWindow::openStatisticsWindow() {
    // The statistics window (Stats2) opens here, modal.
}

void MainWindow::openHoleByHoleWindow() {
    // The hole-by-hole window (Form2) opens here, modal.
}

void MainWindow::printReport(Report) {
    // The four printed statistics reports are built here.
}

} // namespace ui
