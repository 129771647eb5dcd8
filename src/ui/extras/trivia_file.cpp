#include "ui/extras/trivia_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace ui {
namespace {

// Where earlier versions kept trivia.dat: beside the program, or, when that folder could
// not be written, in a two-level per-user folder.
QStringList EarlierTriviaFolders(const AppContext& context) {
    QStringList folders{context.platform.programFolder};
    if (QCoreApplication::instance())
        folders << QCoreApplication::applicationDirPath();
    folders << QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    folders.removeAll(QString());
    folders.removeDuplicates();
    return folders;
}

// Brings an earlier trivia.dat into the user's folder once, so the progress carries
// over; the old one is removed where that is allowed, and left alone where it is not.
void MoveEarlierTriviaFile(const AppContext& context, const QString& path) {
    for (const QString& folder : EarlierTriviaFolders(context)) {
        const QString earlier = QDir(folder).filePath(QString::fromUtf8(core::TriviaFileName));
        if (QFileInfo(earlier).canonicalFilePath() == QFileInfo(path).absoluteFilePath() ||
            !QFileInfo(earlier).isFile())
            continue;
        if (QFile::copy(earlier, path)) {
            QFile::remove(earlier);
            return;
        }
    }
}

} // namespace

QString TriviaFilePath(const AppContext& context) {
    const QString folder = context.platform.dataFolder;
    QDir().mkpath(folder);
    const QString path = QDir(folder).filePath(QString::fromUtf8(core::TriviaFileName));
    if (!QFileInfo::exists(path))
        MoveEarlierTriviaFile(context, path);
    return path;
}

QString ResolveTriviaFile(AppContext& context) {
    QString path = TriviaFilePath(context);
    context.state.trivia.TriviaFile = QFile::encodeName(path).toStdString();
    return path;
}

std::optional<core::TriviaRecord> ReadTriviaFile(const QString& path) {
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    core::TriviaRecord record;
    if (!core::LoadTriviaFile(QFile::encodeName(path).toStdString(), record))
        return std::nullopt;
    return record;
}

bool WriteTriviaFile(const AppContext& context, const QString& path,
                     const core::TriviaRecord& record) {
    core::FileResult written = core::SaveTriviaFile(QFile::encodeName(path).toStdString(), record);
    if (written)
        return true;
    context.platform.messages.beep();
    context.platform.messages.show("The trivia progress could not be saved.\r\n\r\n" +
                                       QString::fromStdString(written.error),
                                   "Trivia File Error", platform::MessageIcon::Exclamation);
    return false;
}

} // namespace ui
