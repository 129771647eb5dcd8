// Main-window command of the score-entry window.
#include "ui/app/main_window.h"

#include "ui/entry/score_entry_window.h"

namespace ui {

void MainWindow::openScoreEntryWindow() {
    ScoreEntryWindow window(context_, this);
    window.exec();
}

} // namespace ui
