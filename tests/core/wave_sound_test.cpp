#include "core/wave_sound.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

std::string Le(std::uint32_t value, int width) {
    std::string bytes;
    for (int i = 0; i < width; ++i)
        bytes.push_back(static_cast<char>(value >> (8 * i) & 0xFF));
    return bytes;
}

std::string Chunk(const std::string& id, const std::string& body, std::uint32_t claimed = 0) {
    std::string chunk =
        id + Le(claimed ? claimed : static_cast<std::uint32_t>(body.size()), 4) + body;
    if (!claimed && body.size() % 2)
        chunk.push_back('\0');
    return chunk;
}

std::string Fmt(std::uint16_t format, int channels, std::uint32_t rate, int bits) {
    const std::uint32_t frame = static_cast<std::uint32_t>(channels * bits / 8);
    return Chunk("fmt ", Le(format, 2) + Le(static_cast<std::uint32_t>(channels), 2) + Le(rate, 4) +
                             Le(rate * frame, 4) + Le(frame, 2) +
                             Le(static_cast<std::uint32_t>(bits), 2));
}

std::string Riff(const std::string& chunks) {
    return "RIFF" + Le(static_cast<std::uint32_t>(4 + chunks.size()), 4) + "WAVE" + chunks;
}

TEST(ReadWaveSound, TheGreetingLastsWhatItsSamplesSay) {
    // teeshot.wav: 22050 Hz, mono, 16 bits, 36162 bytes of samples.
    const std::string file = Riff(Fmt(1, 1, 22050, 16) + Chunk("data", std::string(36162, '\1')));
    const auto sound = core::ReadWaveSound(file);
    ASSERT_TRUE(sound);
    EXPECT_EQ(sound->kind, core::WaveSampleKind::Signed16);
    EXPECT_EQ(sound->channels, 1);
    EXPECT_EQ(sound->sampleRate, 22050);
    EXPECT_EQ(sound->samplesOffset, 44u);
    EXPECT_EQ(sound->samplesSize, 36162u);
    EXPECT_NEAR(sound->seconds(), 0.82, 0.001);
}

TEST(ReadWaveSound, FindsTheSamplesPastOtherChunks) {
    struct Case {
        const char* what;
        std::string file;
        core::WaveSampleKind kind;
        int channels;
        std::size_t offset;
        std::size_t size;
    };
    std::string extensible = Le(0xFFFE, 2) + Le(2, 2) + Le(48000, 4) + Le(48000 * 8, 4) + Le(8, 2) +
                             Le(32, 2) + Le(22, 2) + Le(32, 2) + Le(3, 4) + Le(3, 2) +
                             std::string(14, '\0');
    const Case cases[] = {
        {"an odd-sized chunk before the samples is padded",
         Riff(Fmt(1, 1, 8000, 8) + Chunk("LIST", "abc") + Chunk("data", "wxyz")),
         core::WaveSampleKind::UnsignedByte, 1, 56, 4},
        {"extensible header naming float samples",
         Riff(Chunk("fmt ", extensible) + Chunk("data", std::string(16, '\0'))),
         core::WaveSampleKind::Float32, 2, 68, 16},
        {"a data chunk claiming more than the file holds keeps whole frames",
         Riff(Fmt(1, 2, 44100, 16) + Chunk("data", std::string(11, '\0'), 1000)),
         core::WaveSampleKind::Signed16, 2, 44, 8},
    };
    for (const Case& c : cases) {
        const auto sound = core::ReadWaveSound(c.file);
        ASSERT_TRUE(sound) << c.what;
        EXPECT_EQ(sound->kind, c.kind) << c.what;
        EXPECT_EQ(sound->channels, c.channels) << c.what;
        EXPECT_EQ(sound->samplesOffset, c.offset) << c.what;
        EXPECT_EQ(sound->samplesSize, c.size) << c.what;
    }
}

TEST(ReadWaveSound, RefusesWhatItCannotPlay) {
    const std::string data = Chunk("data", std::string(8, '\0'));
    const struct {
        const char* what;
        std::string file;
    } cases[] = {
        {"empty", ""},
        {"not RIFF", "RIFX" + Riff(Fmt(1, 1, 22050, 16) + data).substr(4)},
        {"samples before their format", Riff(data + Fmt(1, 1, 22050, 16))},
        {"no samples", Riff(Fmt(1, 1, 22050, 16))},
        {"24-bit samples", Riff(Fmt(1, 1, 22050, 24) + data)},
        {"compressed samples", Riff(Fmt(2, 1, 22050, 4) + data)},
        {"no channel", Riff(Fmt(1, 0, 22050, 16) + data)},
        {"no sample rate", Riff(Fmt(1, 1, 0, 16) + data)},
        {"format chunk cut short", Riff(Fmt(1, 1, 22050, 16)).substr(0, 30)},
        {"chunk size past the end",
         Riff(Chunk("LIST", "", 0xFFFFFFF0) + Fmt(1, 1, 22050, 16) + data)},
    };
    for (const auto& c : cases)
        EXPECT_FALSE(core::ReadWaveSound(c.file)) << c.what;
}

} // namespace
