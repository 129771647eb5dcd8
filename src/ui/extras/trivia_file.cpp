#include "ui/extras/trivia_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace ui {
namespace {

// Permission bits do not tell (a read-only mount, or running as root): try it.
bool CanWriteIn(const QString& folder) {
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return false;
    QTemporaryFile probe(QDir(folder).filePath(".tarnwick-XXXXXX"));
    return probe.open();
}

} // namespace

QString TriviaFilePath(const AppContext& context) {
    QString folder = context.platform.programFolder;
    if (!CanWriteIn(folder)) {
        folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QDir().mkpath(folder);
    }
    return QDir(folder).filePath(QString::fromUtf8(core::TriviaFileName));
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
