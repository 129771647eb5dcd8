#include "ui/handicap/open_handicap_window.h"

namespace ui {

void OpenHandicapWindowModal(AppContext&, QWidget*)
{
    // The handicap window opens here.
}

} // namespace ui
