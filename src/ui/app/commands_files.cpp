// Main-window commands of the course and handicap files.
#include "ui/app/main_window.h"

#include "core/course_file.h"
#include "core/handicap_file.h"
#include "ui/files/course_edit_window.h"
#include "ui/files/new_course_window.h"
#include "ui/files/new_handicap_window.h"

namespace ui {
namespace {

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
    // Read into a fresh course first, so a bad file leaves the open course as it was.
    core::CourseState loaded;
    core::FileStamp stamp;
    core::FileResult read = core::LoadCourseFile(path->toStdString(), loaded, &stamp);
    if (!read) {
        context_.platform.messages.beep();
        context_.platform.messages.show("Unable to open this course file.\r\n\r\n" +
                                            QString::fromStdString(read.error),
                                        "Course File Error", platform::MessageIcon::Critical);
        return;
    }
    context_.state.course = std::move(loaded);
    context_.state.courseFileStamp = stamp;
    if (menuVariant)
        context_.state.entry.EntryDate = 0;
    setCourseCommandsEnabled(true);
}

void MainWindow::openHandicapCommand(bool menuVariant) {
    std::optional<QString> path = context_.platform.fileDialogs.openFile(OpenRequest(
        "Open an existing HANDICAP File", "Handicap files (*.hcp)|*.hcp|All Files (*.*)|*.*|"));
    if (!path || path->isEmpty())
        return;
    core::HandicapState loaded;
    core::FileStamp stamp;
    core::FileResult read = core::LoadHandicapFile(path->toStdString(), loaded, &stamp);
    if (!read) {
        context_.platform.messages.beep();
        context_.platform.messages.show("Unable to open this handicap file.\r\n\r\n" +
                                            QString::fromStdString(read.error),
                                        "Handicap File Error", platform::MessageIcon::Critical);
        return;
    }
    context_.state.handicap = std::move(loaded);
    context_.state.handicapFileStamp = stamp;
    if (menuVariant)
        context_.state.entry.EntryDate = 0;
    openHandicapWindow();
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
