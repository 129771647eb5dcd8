#include "ui/handicap/open_handicap_window.h"

#include "ui/handicap/handicap_window.h"

#include <QApplication>

namespace ui {

void OpenHandicapWindowModal(AppContext& context, QWidget* owner) {
    {
        HandicapWindow window(context, owner);
        window.exec();
    }
    context.state.entry.PendingAdjustedScore = 0;
    // A handicap window left open beside the main window shows the rounds just saved.
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* open = qobject_cast<HandicapWindow*>(widget); open && open->isVisible())
            open->showState();
}

} // namespace ui
