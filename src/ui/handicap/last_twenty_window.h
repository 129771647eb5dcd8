#pragma once

#include "core/chart_scripts.h"
#include "ui/app/app_context.h"

#include <QColor>
#include <QDialog>

#include <vector>

class QAction;
class QMenuBar;

namespace platform {
class ChartControl;
}

namespace ui {

// "Last 20 Scores" (Form15): the recent rounds of the course, one chart at a time.
class LastTwentyWindow : public QDialog {
    Q_OBJECT
public:
    LastTwentyWindow(AppContext& context, QWidget* parent = nullptr);

    platform::ChartControl* chart() const { return chart_; }
    QMenuBar* menuBar() const { return menuBar_; }

    void showChart(core::RecentChart which);
    void showFairwaysAndGreens();
    void toggleThreeDBars();
    void showLines();
    void copyChart();

    // The colours of the fairways-and-greens legend, which the chart's two sets share.
    static const QColor GreensColor;
    static const QColor FairwaysColor;

private:
    void buildMenus();
    void setLegendVisible(bool visible);

    AppContext& context_;
    QMenuBar* menuBar_ = nullptr;
    platform::ChartControl* chart_ = nullptr;
    QAction* threeDBars_ = nullptr;
    std::vector<QWidget*> legend_;
};

} // namespace ui
