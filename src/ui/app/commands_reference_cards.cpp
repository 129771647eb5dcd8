// Main-window commands of the reference cards: the majors and the tours' awards.
#include "ui/app/main_window.h"
#include "ui/extras/awards_window.h"
#include "ui/extras/majors_window.h"

namespace ui {

void MainWindow::openMajorsWindow() {
    MajorsWindow window(context_, this);
    window.exec();
}

void MainWindow::openAwardsWindow() {
    AwardsWindow window(context_, this);
    window.exec();
}

} // namespace ui
