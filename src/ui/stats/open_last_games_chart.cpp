#include "ui/stats/open_last_games_chart.h"

namespace ui {

void OpenLastGamesChart(AppContext&, QWidget*)
{
    // The last-games chart opens here.
}

} // namespace ui
