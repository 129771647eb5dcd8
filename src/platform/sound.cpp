#include "platform/sound.h"

#include <QAudioDevice>
#include <QEventLoop>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

namespace platform {
namespace {

// SND_ASYNC: return at once and let the sound play on.
constexpr int Asynchronous = 0x1;

// A sound that never reports its end must not hold the program for ever.
constexpr int LongestWaitMs = 15000;

bool PlayToTheEnd(QSoundEffect& effect) {
    QEventLoop loop;
    bool failed = false;
    bool started = false;
    auto startWhenReady = [&] {
        if (effect.status() == QSoundEffect::Error) {
            failed = true;
            loop.quit();
        } else if (effect.status() == QSoundEffect::Ready && !started) {
            started = true;
            effect.play();
        }
    };
    QObject::connect(&effect, &QSoundEffect::statusChanged, &loop, startWhenReady);
    QObject::connect(&effect, &QSoundEffect::playingChanged, &loop, [&] {
        if (started && !effect.isPlaying())
            loop.quit();
    });
    startWhenReady();
    if (failed)
        return false;
    QTimer::singleShot(LongestWaitMs, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    effect.stop();
    return !failed;
}

void PlayOn(QSoundEffect* effect) {
    auto startWhenReady = [effect] {
        if (effect->status() == QSoundEffect::Error)
            effect->deleteLater();
        else if (effect->status() == QSoundEffect::Ready && !effect->isPlaying())
            effect->play();
    };
    QObject::connect(effect, &QSoundEffect::statusChanged, effect, startWhenReady);
    QObject::connect(effect, &QSoundEffect::playingChanged, effect, [effect] {
        if (!effect->isPlaying())
            effect->deleteLater();
    });
    startWhenReady();
}

} // namespace

int QtSoundDevice::outputDeviceCount() {
    return static_cast<int>(QMediaDevices::audioOutputs().size());
}

bool QtSoundDevice::playSound(const QString& fileName, int flags) {
    QFileInfo file(fileName);
    // No default sound in place of a missing file, and nothing to play on without a device.
    if (!file.isFile() || outputDeviceCount() == 0)
        return false;
    if (flags & Asynchronous) {
        auto* effect = new QSoundEffect;
        effect->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
        PlayOn(effect);
        return true;
    }
    QSoundEffect effect;
    effect.setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
    return PlayToTheEnd(effect);
}

} // namespace platform
