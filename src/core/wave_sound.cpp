#include "core/wave_sound.h"

#include <cstdint>

namespace core {
namespace {

constexpr std::uint16_t FormatPcm = 1;
constexpr std::uint16_t FormatFloat = 3;
constexpr std::uint16_t FormatExtensible = 0xFFFE;

std::uint32_t Little(std::string_view bytes, std::size_t at, int width) {
    std::uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return value;
}

std::optional<WaveSampleKind> KindOf(std::uint16_t format, std::uint16_t bits) {
    if (format == FormatPcm && bits == 8)
        return WaveSampleKind::UnsignedByte;
    if (format == FormatPcm && bits == 16)
        return WaveSampleKind::Signed16;
    if (format == FormatPcm && bits == 32)
        return WaveSampleKind::Signed32;
    if (format == FormatFloat && bits == 32)
        return WaveSampleKind::Float32;
    return std::nullopt;
}

} // namespace

int WaveSound::bytesPerFrame() const {
    const int sampleBytes = kind == WaveSampleKind::UnsignedByte ? 1
                            : kind == WaveSampleKind::Signed16   ? 2
                                                                 : 4;
    return sampleBytes * channels;
}

double WaveSound::seconds() const {
    if (sampleRate <= 0 || bytesPerFrame() <= 0)
        return 0;
    return static_cast<double>(samplesSize / static_cast<std::size_t>(bytesPerFrame())) /
           sampleRate;
}

std::optional<WaveSound> ReadWaveSound(std::string_view bytes) {
    if (bytes.size() < 12 || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "WAVE")
        return std::nullopt;
    std::optional<WaveSound> sound;
    std::size_t at = 12;
    while (at + 8 <= bytes.size()) {
        const std::string_view id = bytes.substr(at, 4);
        const std::size_t size = Little(bytes, at + 4, 4);
        const std::size_t body = at + 8;
        const std::size_t available = bytes.size() - body;
        if (id == "fmt ") {
            if (size < 16 || available < size)
                return std::nullopt;
            std::uint16_t format = static_cast<std::uint16_t>(Little(bytes, body, 2));
            const std::uint16_t bits = static_cast<std::uint16_t>(Little(bytes, body + 14, 2));
            // The extensible header names the real format in its sub-format's first bytes.
            if (format == FormatExtensible) {
                if (size < 26)
                    return std::nullopt;
                format = static_cast<std::uint16_t>(Little(bytes, body + 24, 2));
            }
            const std::optional<WaveSampleKind> kind = KindOf(format, bits);
            const int channels = static_cast<int>(Little(bytes, body + 2, 2));
            const std::uint32_t rate = Little(bytes, body + 4, 4);
            if (!kind || channels < 1 || channels > 8 || rate < 1000 || rate > 384000)
                return std::nullopt;
            sound = WaveSound{*kind, channels, static_cast<int>(rate), 0, 0};
        } else if (id == "data") {
            if (!sound)
                return std::nullopt;
            const std::size_t frame = static_cast<std::size_t>(sound->bytesPerFrame());
            const std::size_t kept = size < available ? size : available;
            sound->samplesOffset = body;
            sound->samplesSize = kept - kept % frame;
            return sound;
        }
        if (size > available)
            break;
        at = body + size + size % 2; // chunks are padded to an even length
    }
    return std::nullopt;
}

} // namespace core
