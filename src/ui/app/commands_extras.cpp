// Main-window commands of the extras: trivia, help and about.
#include "core/help_search.h"
#include "core/trivia.h"
#include "ui/app/about_window.h"
#include "ui/app/main_window.h"
#include "ui/extras/trivia_file.h"
#include "ui/extras/trivia_window.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>

namespace ui {

void MainWindow::runTriviaStartUp() {
    QString path = ResolveTriviaFile(context_);
    core::TriviaStartUp start = core::StartTrivia(
        ReadTriviaFile(path), context_.platform.clock.today(), context_.state.trivia);
    if (start.create)
        WriteTriviaFile(context_, path, *start.create);
    QAction* item = action("Trv_cmd");
    item->setChecked(start.checked);
    item->setText(QString::fromStdString(core::TriviaSwitchCaption(start.checked)));
    // The question comes over the main window, never in its place.
    show();
    if (start.askToday)
        OpenTriviaWindowModal(context_, this);
}

// Runs after the menu item has turned its own check mark over.
void MainWindow::toggleTrivia() {
    QAction* item = action("Trv_cmd");
    const bool checked = item->isChecked();
    QString path = ResolveTriviaFile(context_);
    core::TriviaRecord record = core::SwitchTrivia(
        ReadTriviaFile(path), checked, context_.platform.clock.today(), context_.state.trivia);
    WriteTriviaFile(context_, path, record);
    item->setText(QString::fromStdString(core::TriviaSwitchCaption(checked)));
}

bool MainWindow::FindHelpFile() {
    std::optional<std::string> found = core::FindHelpFile(
        QFile::encodeName(context_.platform.programFolder).toStdString(),
        [] { return qEnvironmentVariable("PATH").toStdString(); },
        [](const std::string& file) {
            return QFileInfo(QFile::decodeName(QByteArray::fromStdString(file))).isFile();
        });
    if (!found)
        return false;
    helpFilePath_ = QFile::decodeName(QByteArray::fromStdString(*found));
    helpFileSetting_ = helpFilePath_;
    return true;
}

void MainWindow::showHelpContents() {
    if (!FindHelpFile()) {
        context_.platform.messages.show(
            QString("Tarnwk30.HLP not found in your path.") + "\n\n" +
                "Tarnwick searches your PATH environment variable for help files, " +
                "so you need to copy Tarnwk30.HLP to a directory included in your " +
                "PATH if you wish to obtain help while running TARNWICK.",
            "Tarnwick Help not available", platform::MessageIcon::Exclamation);
        return;
    }
    context_.platform.help.showContents(this, helpFilePath_);
}

void MainWindow::openAboutWindow() {
    AboutWindow window(context_, this);
    window.exec();
}

} // namespace ui
