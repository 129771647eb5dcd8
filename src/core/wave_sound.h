#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

// The program's sounds are RIFF wave files of plain samples. Reading the header here lets
// the platform layer hand the samples straight to the audio output, and know how long
// the sound lasts, so that a synchronous sound holds the program no longer than that.
namespace core {

enum class WaveSampleKind { UnsignedByte, Signed16, Signed32, Float32 };

struct WaveSound {
    WaveSampleKind kind = WaveSampleKind::Signed16;
    int channels = 0;
    int sampleRate = 0;
    std::size_t samplesOffset = 0; // where the samples start in the file
    std::size_t samplesSize = 0;   // whole frames only, within the file

    int bytesPerFrame() const;
    double seconds() const;
};

// The sound in a wave file's bytes, or nothing when it is not a wave file of plain 8, 16
// or 32-bit integer or 32-bit float samples. A data chunk that claims more than the file
// holds is cut to what is there.
std::optional<WaveSound> ReadWaveSound(std::string_view bytes);

} // namespace core
