// Main-window command of the score-entry window.
#include "ui/app/main_window.h"

namespace ui {

void MainWindow::openScoreEntryWindow() {
    // The score-entry window (Score2) opens here, modal.
}

} // namespace ui
