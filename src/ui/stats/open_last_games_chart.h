#pragma once

#include "ui/app/app_context.h"

class QWidget;

namespace ui {

// Opens the line chart of the handicap table's adjusted gross scores (Form14) modally.
void OpenLastGamesChart(AppContext& context, QWidget* owner);

} // namespace ui
