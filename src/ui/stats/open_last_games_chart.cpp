#include "ui/stats/open_last_games_chart.h"

#include "ui/stats/last_games_chart_window.h"

namespace ui {

void OpenLastGamesChart(AppContext& context, QWidget* owner) {
    LastGamesChartWindow window(context, owner);
    window.exec();
}

} // namespace ui
