#include "core/sound_flags.h"

namespace core {

int NormalizeSoundFlags(std::optional<int> flags) {
    int f = flags.value_or(SoundFlag::NoDefault + SoundFlag::FileName);
    f &= ~SoundFlag::Alias;
    f &= ~SoundFlag::Memory;
    f |= SoundFlag::FileName;
    return f;
}

} // namespace core
