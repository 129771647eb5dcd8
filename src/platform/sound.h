#pragma once

#include <QString>

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

class QtSoundDevice : public SoundDevice {
public:
    int outputDeviceCount() override;
    bool playSound(const QString& fileName, int flags) override;
};

} // namespace platform
