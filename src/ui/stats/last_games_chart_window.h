#pragma once

#include "ui/app/app_context.h"

#include <QDialog>

namespace platform {
class ChartControl;
}

namespace ui {

// Form14: the adjusted gross scores of the handicap table as a line, built once on load.
class LastGamesChartWindow : public QDialog {
    Q_OBJECT
public:
    LastGamesChartWindow(AppContext& context, QWidget* parent = nullptr);

    platform::ChartControl* chart() const { return chart_; }

    void copyChart();
    void printChart();

private:
    AppContext& context_;
    platform::ChartControl* chart_ = nullptr;
};

} // namespace ui
