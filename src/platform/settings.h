#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class QSettings;

namespace platform {

// What the program remembers between runs, by kind of file ("crs", "hcp", "pdf"): the
// folder its dialogs last opened or saved one in, and the files opened most recently.
// Written through at once, so a second window or a crash loses nothing.
class Settings {
public:
    // The user's own: ~/.config/tarnwick/tarnwick.conf.
    Settings();
    // Kept in the given file (tests).
    explicit Settings(const QString& fileName);
    ~Settings();

    QString folderFor(const QString& kind) const;
    void setFolderFor(const QString& kind, const QString& folder);

    QStringList recentFiles(const QString& kind) const;
    void setRecentFiles(const QString& kind, const QStringList& files);

    QString fileName() const;

private:
    std::unique_ptr<QSettings> settings_;
};

} // namespace platform
