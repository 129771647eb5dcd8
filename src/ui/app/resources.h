#pragma once

namespace ui {
// Registers the pictures compiled into the program (needed once, before any window).
void InitResources();
} // namespace ui
