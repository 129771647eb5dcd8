#include "ui/stats/charts_window.h"

#include "platform/chart_control.h"
#include "ui/app/window_routines.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace ui {
namespace {

constexpr int WindowWidth = 640;
constexpr int ChartWidth = 500;
constexpr int ChartHeight = 400;

} // namespace

ChartsWindow::ChartsWindow(AppContext& context, QWidget* parent)
    : QDialog(parent), context_(context) {
    setObjectName("Form11");
    setWindowTitle("Bar Charts");
    UseLightGrey(*this);

    buildMenus();
    const int top = menuBar_->sizeHint().height();

    chart_ = new platform::ChartControl(this);
    chart_->setObjectName("Graph1");
    chart_->setGeometry(0, top, ChartWidth, ChartHeight);
    chart_->setEmptyText("Choose a chart from the Averages or Distributions menu.");

    auto* copy = new QPushButton("Copy to Clipboard", this);
    copy->setObjectName("Command3");
    copy->setGeometry(ChartWidth + 12, top + ChartHeight - 84, WindowWidth - ChartWidth - 24, 32);
    connect(copy, &QPushButton::clicked, this, &ChartsWindow::copyChart);
    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("Command2");
    ok->setGeometry(ChartWidth + 12, top + ChartHeight - 44, WindowWidth - ChartWidth - 24, 32);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    setFixedSize(WindowWidth, top + ChartHeight);
    menuBar_->setGeometry(0, 0, WindowWidth, top);

    // A par item stays greyed when the course has no hole of that par.
    for (int par = 3; par <= 6; ++par)
        findChild<QAction*>(QString("P%1_cmd").arg(par))
            ->setEnabled(core::CourseHasParHole(context_.state.course, par));
    CenterForm(*this, context_);
}

void ChartsWindow::buildMenus() {
    menuBar_ = new QMenuBar(this);
    menuBar_->setNativeMenuBar(false);
    auto menu = [this](const QString& name, const QString& caption) {
        QMenu* m = menuBar_->addMenu(caption);
        m->setObjectName(name);
        m->menuAction()->setObjectName(name);
        return m;
    };
    auto item = [this](QMenu* m, const QString& name, const QString& caption, auto handler) {
        QAction* a = m->addAction(caption);
        a->setObjectName(name);
        connect(a, &QAction::triggered, this, handler);
        return a;
    };
    auto separator = [](QMenu* m, const QString& name) { m->addSeparator()->setObjectName(name); };

    QMenu* averages = menu("Avg_cmd", "Averages");
    for (int par = 3; par <= 6; ++par) {
        static const char* const captions[] = {"Par Three's", "Par Four's", "Par Five's",
                                               "Par Six's"};
        item(averages, QString("P%1_cmd").arg(par), captions[par - 3],
             [this, par] { showAverages(par); });
    }
    item(averages, "All_Cmd", "All Holes", [this] { showAverages(std::nullopt); });
    separator(averages, "SB1");
    threeDBars_ = item(averages, "threeD_cmd", "3D Bar Graph", [this] { toggleThreeDBars(); });
    threeDBars_->setCheckable(true);
    threeDBars_->setChecked(true);

    QMenu* distributions = menu("Misc_cmd", "Distributions");
    item(distributions, "ScDist_cmd", "Distribution by Score",
         [this] { showPie(core::DistributionPie::Scores); });
    item(distributions, "Score_cmd", "Distribution of Hole Scores",
         [this] { showPie(core::DistributionPie::HoleScores); });
    item(distributions, "GrDist_cmd", "Distribution Around the Green",
         [this] { showPie(core::DistributionPie::AroundTheGreen); });
    separator(distributions, "SB2");
    threeDPies_ = item(distributions, "Pie3D", "3D Pie Graph", [this] { toggleThreeDPies(); });
    threeDPies_->setCheckable(true);
    threeDPies_->setChecked(true);
}

void ChartsWindow::showAverages(std::optional<int> par) {
    chart_->apply(core::AveragesChartScript(context_.state.course, par, threeDBars_->isChecked()));
}

void ChartsWindow::showPie(core::DistributionPie pie) {
    chart_->apply(
        core::DistributionPieScript(context_.state.course, pie, threeDPies_->isChecked()));
}

// The menu item has already flipped its own check mark; the type follows it.
void ChartsWindow::toggleThreeDBars() {
    chart_->apply(core::ChartTypeScript(threeDBars_->isChecked() ? core::ChartType::Bar3D
                                                                 : core::ChartType::Bar));
}

void ChartsWindow::toggleThreeDPies() {
    chart_->apply(core::ChartTypeScript(threeDPies_->isChecked() ? core::ChartType::Pie3D
                                                                 : core::ChartType::Pie));
}

void ChartsWindow::copyChart() {
    chart_->set(core::ChartProperty::DrawAction, double(core::ChartAction::Copy));
}

} // namespace ui
