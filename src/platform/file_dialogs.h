#pragma once

#include <QString>

#include <optional>

namespace platform {

// Flag values of the Open and Save dialogs.
namespace DialogFlag {
constexpr int OverwritePrompt = 2;
constexpr int HideReadOnly = 4;
constexpr int ExtensionDifferent = 1024;
constexpr int PathMustExist = 2048;
constexpr int FileMustExist = 4096;
constexpr int ForOpening = HideReadOnly + PathMustExist + FileMustExist; // 6148
constexpr int ForSaving =
    HideReadOnly + OverwritePrompt + PathMustExist + ExtensionDifferent; // 3078
} // namespace DialogFlag

struct FileDialogRequest {
    QString title;
    QString filter; // "Label|pattern|Label|pattern|"
    QString defaultExtension;
    int flags = 0;
    QString fileName; // proposed name; empty clears it
    QString folder;   // where the dialog starts; empty leaves it to the toolkit
};

// The Open and Save dialogs. An empty optional means the user cancelled.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    virtual std::optional<QString> openFile(const FileDialogRequest& request) = 0;
    virtual std::optional<QString> saveFile(const FileDialogRequest& request) = 0;
};

class QtFileDialogs : public FileDialogs {
public:
    std::optional<QString> openFile(const FileDialogRequest& request) override;
    std::optional<QString> saveFile(const FileDialogRequest& request) override;
};

} // namespace platform
