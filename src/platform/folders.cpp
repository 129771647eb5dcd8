#include "platform/folders.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace platform {
namespace {

// Any one of them tells the folder; a build without sounds still has its help.
const QStringList DataFileNames = {"Tarnwk30.HLP", "teeshot.wav", "putt.wav", "crowd.wav"};

bool HoldsDataFiles(const QDir& folder) {
    for (const QString& name : DataFileNames)
        if (QFileInfo(folder.filePath(name)).isFile())
            return true;
    return false;
}

} // namespace

QString ProgramDataFolder(const QString& executableFolder) {
    // bin/ and lib/tarnwick/ (or libexec/tarnwick/) sit one and two levels below the prefix.
    for (const char* relative : {".", "../share/tarnwick", "../../share/tarnwick"}) {
        QDir folder(QDir(executableFolder).filePath(relative));
        if (folder.exists() && HoldsDataFiles(folder))
            return folder.canonicalPath();
    }
    return executableFolder;
}

QString UserDataFolder() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath("tarnwick");
}

QString DocumentsFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        return documents;
    return QDir::homePath();
}

} // namespace platform
