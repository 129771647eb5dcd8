#pragma once

#include <QAudioFormat>
#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <map>

namespace platform {

// Wave output: how many devices there are, and playing a file to its end.
class SoundDevice {
public:
    virtual ~SoundDevice() = default;
    virtual int outputDeviceCount() = 0;
    // Plays the file with the given flags; returns false when it could not be played.
    // Synchronous flags return only when the sound has ended.
    virtual bool playSound(const QString& fileName, int flags) = 0;
};

// Plays the samples of a wave file straight to the audio output. A synchronous sound
// holds the program for the sound's own length and a little for the output to start,
// no longer.
class QtSoundDevice : public SoundDevice {
public:
    int outputDeviceCount() override;
    bool playSound(const QString& fileName, int flags) override;

    struct Sound {
        QAudioFormat format;
        QByteArray samples;
        int milliseconds = 0;
        QDateTime modified; // read again when the file changes
        qint64 fileSize = 0;
    };

private:
    const Sound* load(const QString& path);

    std::map<QString, Sound> sounds_; // read once, by full path
};

} // namespace platform
