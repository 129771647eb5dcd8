#include "platform/sound.h"

#include "core/sound_flags.h"

#include <QAudioDevice>
#include <QEventLoop>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

namespace platform {

int QtSoundDevice::outputDeviceCount() {
    return static_cast<int>(QMediaDevices::audioOutputs().size());
}

bool QtSoundDevice::playSound(const QString& fileName, int flags) {
    QFileInfo file(fileName);
    if (!file.isFile())
        return false; // no default sound in place of a missing file
    auto* effect = new QSoundEffect;
    effect->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
    QEventLoop loop;
    bool failed = false;
    QObject::connect(effect, &QSoundEffect::statusChanged, &loop, [&] {
        if (effect->status() == QSoundEffect::Error) {
            failed = true;
            loop.quit();
        } else if (effect->status() == QSoundEffect::Ready && !effect->isPlaying()) {
            effect->play();
        }
    });
    QObject::connect(effect, &QSoundEffect::playingChanged, &loop, [&] {
        if (!effect->isPlaying())
            loop.quit();
    });
    if (effect->status() == QSoundEffect::Ready)
        effect->play();
    if ((flags & 1) == core::SoundFlag::Synchronous) {
        // A sound that never reports its end must not hold the program for ever.
        QTimer::singleShot(15000, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
        delete effect;
        return !failed;
    }
    QObject::connect(effect, &QSoundEffect::playingChanged, effect, [effect] {
        if (!effect->isPlaying())
            effect->deleteLater();
    });
    return true;
}

} // namespace platform
