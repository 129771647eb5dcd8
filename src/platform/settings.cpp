#include "platform/settings.h"

#include <QSettings>

namespace platform {

Settings::Settings()
    : settings_(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                            "tarnwick", "tarnwick")) {}

Settings::Settings(const QString& fileName)
    : settings_(std::make_unique<QSettings>(fileName, QSettings::IniFormat)) {}

Settings::~Settings() = default;

QString Settings::folderFor(const QString& kind) const {
    return settings_->value("folders/" + kind).toString();
}

void Settings::setFolderFor(const QString& kind, const QString& folder) {
    settings_->setValue("folders/" + kind, folder);
    settings_->sync();
}

QStringList Settings::recentFiles(const QString& kind) const {
    return settings_->value("recent/" + kind).toStringList();
}

void Settings::setRecentFiles(const QString& kind, const QStringList& files) {
    settings_->setValue("recent/" + kind, files);
    settings_->sync();
}

QString Settings::fileName() const {
    return settings_->fileName();
}

} // namespace platform
