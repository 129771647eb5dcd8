#include "platform/remembering_file_dialogs.h"

#include "core/dialog_filter.h"
#include "platform/settings.h"

#include <QFileInfo>

namespace platform {

std::optional<QString> RememberingFileDialogs::openFile(const FileDialogRequest& request) {
    return run(request, false);
}

std::optional<QString> RememberingFileDialogs::saveFile(const FileDialogRequest& request) {
    return run(request, true);
}

std::optional<QString> RememberingFileDialogs::run(FileDialogRequest request, bool save) {
    const QString kind = QString::fromStdString(core::DialogFileKind(request.filter.toStdString()));
    if (request.folder.isEmpty()) {
        // A remembered folder that has gone since (an unplugged drive) is no start.
        const QString remembered = kind.isEmpty() ? QString() : settings_.folderFor(kind);
        request.folder =
            !remembered.isEmpty() && QFileInfo(remembered).isDir() ? remembered : firstFolder_;
    }
    std::optional<QString> path = save ? dialogs_.saveFile(request) : dialogs_.openFile(request);
    if (path && !path->isEmpty() && !kind.isEmpty())
        settings_.setFolderFor(kind, QFileInfo(*path).absolutePath());
    return path;
}

} // namespace platform
