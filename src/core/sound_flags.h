#pragma once

#include <optional>

namespace core {

namespace SoundFlag {
constexpr int Synchronous = 0;
constexpr int NoDefault = 0x2;
constexpr int Memory = 0x4;
constexpr int Alias = 0x10000;
constexpr int FileName = 0x20000;
} // namespace SoundFlag

// The flags a wave file is played with: by default a file, synchronously and without the
// system's default sound; an alias or memory image is never asked for, a file always is.
int NormalizeSoundFlags(std::optional<int> flags);

} // namespace core
