#pragma once

namespace ui {

// Turns off the pixmap cache in which the style keeps drawn buttons, frames and icons.
// Its keys hold the key of the palette drawn with, and every window gets a palette of
// its own, so each opening of a window would leave drawings and keys that no later
// window uses: megabytes over an afternoon of opening windows. The program's windows
// are small, and drawing them anew costs less than that.
void TurnOffStyleCache();

} // namespace ui
