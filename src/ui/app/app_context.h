#pragma once

#include "core/state.h"
#include "platform/platform.h"

namespace ui {

class MainWindow;

// What every window is given: the shared state, the desktop services, and the main window.
struct AppContext {
    core::AppState& state;
    platform::Platform& platform;
    MainWindow* mainWindow = nullptr;
};

} // namespace ui
