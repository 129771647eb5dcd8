#pragma once

#include "ui/app/app_context.h"

class QWidget;

namespace ui {

// Opens the handicap window (Form4) modally over `owner`, starting from the shared
// handicap state and the adjusted gross score pending in the entry state.
void OpenHandicapWindowModal(AppContext& context, QWidget* owner);

} // namespace ui
