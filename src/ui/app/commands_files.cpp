// Main-window commands of the course and handicap files.
#include "ui/app/main_window.h"

#include "core/course_file.h"
#include "core/handicap_file.h"
#include "core/recent_files.h"
#include "ui/files/course_edit_window.h"
#include "ui/files/new_course_window.h"
#include "ui/files/new_handicap_window.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>

namespace ui {
namespace {

// Recent files are kept by the extension of their kind.
const QString CourseKind = "crs";
const QString HandicapKind = "hcp";

platform::FileDialogRequest OpenRequest(const QString& title, const QString& filter) {
    platform::FileDialogRequest request;
    request.title = title;
    request.filter = filter;
    request.flags = platform::DialogFlag::ForOpening;
    return request;
}

} // namespace

void MainWindow::openCourseCommand(bool menuVariant) {
    std::optional<QString> path = context_.platform.fileDialogs.openFile(
        OpenRequest("Open a COURSE File", "Course Files (*.crs)|*.crs|All Files (*.*)|*.*|"));
    if (!path || path->isEmpty())
        return;
    openCourseFile(*path, menuVariant);
}

bool MainWindow::openCourseFile(const QString& path, bool menuVariant) {
    // Read into a fresh course first, so a bad file leaves the open course as it was.
    core::CourseState loaded;
    core::FileStamp stamp;
    core::FileResult read =
        core::LoadCourseFile(QFile::encodeName(path).toStdString(), loaded, &stamp);
    if (!read) {
        forgetRecentFile(CourseKind, path);
        context_.platform.messages.beep();
        context_.platform.messages.show("Unable to open this course file.\r\n\r\n" +
                                            QString::fromStdString(read.error),
                                        "Course File Error", platform::MessageIcon::Critical);
        return false;
    }
    context_.state.course = std::move(loaded);
    context_.state.courseFileStamp = stamp;
    if (menuVariant)
        context_.state.entry.EntryDate = 0;
    setCourseCommandsEnabled(true);
    rememberRecentFile(CourseKind, path);
    return true;
}

void MainWindow::openHandicapCommand(bool menuVariant) {
    std::optional<QString> path = context_.platform.fileDialogs.openFile(OpenRequest(
        "Open an existing HANDICAP File", "Handicap files (*.hcp)|*.hcp|All Files (*.*)|*.*|"));
    if (!path || path->isEmpty())
        return;
    openHandicapFile(*path, menuVariant);
}

bool MainWindow::openHandicapFile(const QString& path, bool menuVariant) {
    core::HandicapState loaded;
    core::FileStamp stamp;
    core::FileResult read =
        core::LoadHandicapFile(QFile::encodeName(path).toStdString(), loaded, &stamp);
    if (!read) {
        forgetRecentFile(HandicapKind, path);
        context_.platform.messages.beep();
        context_.platform.messages.show("Unable to open this handicap file.\r\n\r\n" +
                                            QString::fromStdString(read.error),
                                        "Handicap File Error", platform::MessageIcon::Critical);
        return false;
    }
    context_.state.handicap = std::move(loaded);
    context_.state.handicapFileStamp = stamp;
    if (menuVariant)
        context_.state.entry.EntryDate = 0;
    rememberRecentFile(HandicapKind, path);
    openHandicapWindow();
    return true;
}

void MainWindow::openFileAtStartUp(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (QFileInfo(path).suffix().compare(HandicapKind, Qt::CaseInsensitive) == 0)
        openHandicapFile(absolute, true);
    else
        openCourseFile(absolute, true);
}

void MainWindow::showRecentFiles(const QString& kind) {
    QMenu* menu = recentMenus_[kind];
    QList<QAction*>& items = recentItems_[kind];
    for (QAction* item : items) {
        menu->removeAction(item);
        item->deleteLater();
    }
    items.clear();
    const QStringList files = context_.platform.settings.recentFiles(kind);
    if (files.isEmpty())
        return;
    QAction* separator = menu->addSeparator();
    separator->setObjectName(kind == CourseKind ? "RecentCourseSep" : "RecentHandicapSep");
    items << separator;
    const QString home = QDir::homePath() + '/';
    for (int n = 0; n < files.size(); ++n) {
        const QString& file = files[n];
        QString shown = file.startsWith(home) ? "~/" + file.mid(home.size()) : file;
        shown.replace('&', "&&");
        QAction* item = menu->addAction(QString("&%1 %2").arg(n + 1).arg(shown));
        item->setObjectName(
            QString(kind == CourseKind ? "RecentCourse%1" : "RecentHandicap%1").arg(n + 1));
        item->setStatusTip(file);
        item->setData(file);
        connect(item, &QAction::triggered, this, [this, kind, file] {
            if (kind == CourseKind)
                openCourseFile(file, true);
            else
                openHandicapFile(file, true);
        });
        items << item;
    }
}

void MainWindow::rememberRecentFile(const QString& kind, const QString& path) {
    std::vector<std::string> recent;
    for (const QString& file : context_.platform.settings.recentFiles(kind))
        recent.push_back(file.toStdString());
    recent = core::WithRecentFile(recent, QFileInfo(path).absoluteFilePath().toStdString());
    QStringList files;
    for (const std::string& file : recent)
        files << QString::fromStdString(file);
    context_.platform.settings.setRecentFiles(kind, files);
    // Opened from the command line or the list, too: the dialogs start there next.
    context_.platform.settings.setFolderFor(kind, QFileInfo(path).absolutePath());
    showRecentFiles(kind);
}

void MainWindow::forgetRecentFile(const QString& kind, const QString& path) {
    QStringList files = context_.platform.settings.recentFiles(kind);
    if (files.removeAll(QFileInfo(path).absoluteFilePath()) == 0)
        return;
    context_.platform.settings.setRecentFiles(kind, files);
    showRecentFiles(kind);
}

void MainWindow::openNewCourseWindow() {
    NewCourseWindow window(context_, this);
    window.exec();
}

void MainWindow::openCourseEditWindow() {
    CourseEditWindow window(context_, this);
    window.exec();
}

void MainWindow::openNewHandicapWindow() {
    NewHandicapWindow window(context_, this);
    window.exec();
    if (window.createdAFile())
        openHandicapWindow();
}

} // namespace ui
