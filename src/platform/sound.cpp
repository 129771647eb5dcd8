#include "platform/sound.h"

#include "core/wave_sound.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QBuffer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>
#include <QTimer>

#include <cmath>
#include <string_view>

namespace platform {
namespace {

// SND_ASYNC: return at once and let the sound play on.
constexpr int Asynchronous = 0x1;

// What a sound may take past its own length: the output starting, and the last samples
// leaving the sound server's buffer.
constexpr int StartAllowanceMs = 100;

QAudioFormat::SampleFormat SampleFormatOf(core::WaveSampleKind kind) {
    switch (kind) {
    case core::WaveSampleKind::UnsignedByte:
        return QAudioFormat::UInt8;
    case core::WaveSampleKind::Signed16:
        return QAudioFormat::Int16;
    case core::WaveSampleKind::Signed32:
        return QAudioFormat::Int32;
    case core::WaveSampleKind::Float32:
        break;
    }
    return QAudioFormat::Float;
}

// Without a sound server, Qt's PulseAudio backend complains on standard error when the
// devices are first listed. Having no sound device is not a fault: say nothing.
QtMessageHandler previousHandler = nullptr;

void QuietAboutMissingSoundServer(QtMsgType type, const QMessageLogContext& context,
                                  const QString& message) {
    if (message.startsWith(QLatin1String("PulseAudioService:")))
        return;
    if (previousHandler)
        previousHandler(type, context, message);
}

// One playing of a sound: its own buffer over the samples and its own output.
class Playback : public QObject {
public:
    explicit Playback(const QtSoundDevice::Sound& sound)
        : samples_(sound.samples), buffer_(&samples_), sink_(sound.format),
          milliseconds_(sound.milliseconds) {}

    bool start() {
        buffer_.open(QIODevice::ReadOnly);
        sink_.start(&buffer_);
        return !failed();
    }
    bool failed() const {
        return sink_.state() == QAudio::StoppedState && sink_.error() != QAudio::NoError;
    }
    // The sound has left the speakers by then.
    int endsAfterMs() const { return milliseconds_ + StartAllowanceMs; }
    QAudioSink& sink() { return sink_; }

private:
    QByteArray samples_;
    QBuffer buffer_;
    QAudioSink sink_;
    int milliseconds_;
};

} // namespace

int QtSoundDevice::outputDeviceCount() {
    previousHandler = qInstallMessageHandler(QuietAboutMissingSoundServer);
    const auto count = QMediaDevices::audioOutputs().size();
    qInstallMessageHandler(previousHandler);
    return static_cast<int>(count);
}

const QtSoundDevice::Sound* QtSoundDevice::load(const QString& path) {
    const QFileInfo info(path);
    auto known = sounds_.find(path);
    if (known != sounds_.end() && known->second.modified == info.lastModified() &&
        known->second.fileSize == info.size())
        return &known->second;
    if (known != sounds_.end())
        sounds_.erase(known);

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return nullptr;
    const QByteArray bytes = file.readAll();
    const std::optional<core::WaveSound> wave =
        core::ReadWaveSound(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
    if (!wave || wave->samplesSize == 0)
        return nullptr;
    Sound sound;
    sound.format.setSampleRate(wave->sampleRate);
    sound.format.setChannelCount(wave->channels);
    sound.format.setSampleFormat(SampleFormatOf(wave->kind));
    sound.samples = bytes.mid(static_cast<qsizetype>(wave->samplesOffset),
                              static_cast<qsizetype>(wave->samplesSize));
    sound.milliseconds = static_cast<int>(std::ceil(wave->seconds() * 1000));
    sound.modified = info.lastModified();
    sound.fileSize = info.size();
    return &sounds_.insert_or_assign(path, std::move(sound)).first->second;
}

bool QtSoundDevice::playSound(const QString& fileName, int flags) {
    QFileInfo file(fileName);
    // No default sound in place of a missing file, and nothing to play on without a device.
    if (!file.isFile() || outputDeviceCount() == 0)
        return false;
    const Sound* sound = load(file.absoluteFilePath());
    if (!sound)
        return false;

    if (flags & Asynchronous) {
        auto* playback = new Playback(*sound);
        if (!playback->start()) {
            delete playback;
            return false;
        }
        QTimer::singleShot(playback->endsAfterMs(), playback, &QObject::deleteLater);
        return true;
    }

    Playback playback(*sound);
    if (!playback.start())
        return false;
    QEventLoop loop;
    QObject::connect(&playback.sink(), &QAudioSink::stateChanged, &loop, [&] {
        if (playback.failed())
            loop.quit();
    });
    QTimer::singleShot(playback.endsAfterMs(), &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    return !playback.failed();
}

} // namespace platform
