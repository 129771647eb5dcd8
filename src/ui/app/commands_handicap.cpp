// Main-window commands of the handicap windows.
#include "ui/app/main_window.h"

#include "ui/handicap/handicap_window.h"
#include "ui/handicap/slope_index_converter.h"

namespace ui {

void MainWindow::openHandicapWindow() {
    // Already open: it starts again from the handicap file just opened or created.
    // A window that is closing (hidden, not yet deleted) does not count.
    if (auto* open = qobject_cast<HandicapWindow*>(handicapWindow_.data());
        open && open->isVisible()) {
        open->reload();
        open->raise();
        open->activateWindow();
        return;
    }
    auto* window = new HandicapWindow(context_, this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    handicapWindow_ = window;
    window->show();
}

void MainWindow::openSlopeIndexConverter() {
    if (slopeConverterWindow_ && slopeConverterWindow_->isVisible()) {
        slopeConverterWindow_->raise();
        slopeConverterWindow_->activateWindow();
        return;
    }
    auto* window = new SlopeIndexConverter(context_, this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    slopeConverterWindow_ = window;
    window->show();
}

} // namespace ui
