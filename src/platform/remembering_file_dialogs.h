#pragma once

#include "platform/file_dialogs.h"

#include <utility>

namespace platform {

class Settings;

// Starts every dialog where the user last opened or saved a file of its kind (its
// filter's extension), or in firstFolder the first time, and remembers the folder of
// the file chosen. A dialog that names its own folder keeps it.
class RememberingFileDialogs : public FileDialogs {
public:
    RememberingFileDialogs(FileDialogs& dialogs, Settings& settings, QString firstFolder)
        : dialogs_(dialogs), settings_(settings), firstFolder_(std::move(firstFolder)) {}

    std::optional<QString> openFile(const FileDialogRequest& request) override;
    std::optional<QString> saveFile(const FileDialogRequest& request) override;

private:
    std::optional<QString> run(FileDialogRequest request, bool save);
    FileDialogs& dialogs_;
    Settings& settings_;
    QString firstFolder_;
};

} // namespace platform
