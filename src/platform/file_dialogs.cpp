#include "platform/file_dialogs.h"

#include "core/dialog_filter.h"

#include <QApplication>
#include <QFileDialog>

namespace platform {
namespace {

std::optional<QString> Run(const FileDialogRequest& request, bool save) {
    QFileDialog dialog(QApplication::activeWindow(), request.title);
    QStringList filters;
    for (const std::string& f : core::DialogNameFilters(request.filter.toStdString()))
        filters << QString::fromStdString(f);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(request.defaultExtension);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    if (request.flags & DialogFlag::FileMustExist)
        dialog.setFileMode(QFileDialog::ExistingFile);
    else
        dialog.setFileMode(QFileDialog::AnyFile);
    if (save && !(request.flags & DialogFlag::OverwritePrompt))
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (!request.folder.isEmpty())
        dialog.setDirectory(request.folder);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

} // namespace

std::optional<QString> QtFileDialogs::openFile(const FileDialogRequest& request) {
    return Run(request, false);
}

std::optional<QString> QtFileDialogs::saveFile(const FileDialogRequest& request) {
    return Run(request, true);
}

} // namespace platform
