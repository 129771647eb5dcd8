// Main-window commands of the handicap windows.
#include "ui/app/main_window.h"

namespace ui {

void MainWindow::openHandicapWindow() {
    // The handicap window (Form4) opens here, modeless.
}

void MainWindow::openSlopeIndexConverter() {
    // The slope index converter (Form8) opens here, modeless.
}

} // namespace ui
