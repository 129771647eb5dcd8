#pragma once

#include "core/chart_scripts.h"
#include "ui/app/app_context.h"

#include <QDialog>

#include <optional>

class QAction;
class QMenuBar;

namespace platform {
class ChartControl;
}

namespace ui {

// "Bar Charts" (Form11): averages per hole as bars and three distributions as pies,
// flat or three-dimensional. Modal; opened only while rounds are recorded.
class ChartsWindow : public QDialog {
    Q_OBJECT
public:
    ChartsWindow(AppContext& context, QWidget* parent = nullptr);

    platform::ChartControl* chart() const { return chart_; }
    QMenuBar* menuBar() const { return menuBar_; }

    // The menu commands. par: the holes of that par only; none: all 18 holes.
    void showAverages(std::optional<int> par);
    void showPie(core::DistributionPie pie);
    void toggleThreeDBars();
    void toggleThreeDPies();
    void copyChart();

private:
    void buildMenus();

    AppContext& context_;
    QMenuBar* menuBar_ = nullptr;
    platform::ChartControl* chart_ = nullptr;
    QAction* threeDBars_ = nullptr;
    QAction* threeDPies_ = nullptr;
};

} // namespace ui
