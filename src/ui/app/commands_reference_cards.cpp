// Main-window commands of the reference cards: the majors and the tours' awards.
#include "ui/app/main_window.h"

namespace ui {

void MainWindow::openMajorsWindow() {
    // The majors card (Form5) opens here, modal.
}

void MainWindow::openAwardsWindow() {
    // The awards card (Form12) opens here, modal.
}

} // namespace ui
