// Main-window commands of the extras: trivia, help and about.
#include "ui/app/main_window.h"

namespace ui {

void MainWindow::runTriviaStartUp() {
    // The daily trivia start-up goes here; it always ends with the main window shown.
    show();
}

void MainWindow::toggleTrivia() {
    // The trivia switch writes trivia.dat here.
}

bool MainWindow::FindHelpFile() {
    // The help file is looked up here.
    return false;
}

void MainWindow::showHelpContents() {
    // Help contents open here.
}

void MainWindow::openAboutWindow() {
    // The program information window (Form3) opens here, modal.
}

} // namespace ui
