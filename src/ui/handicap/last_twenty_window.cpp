#include "ui/handicap/last_twenty_window.h"

#include "platform/chart_control.h"
#include "platform/three_d_button.h"
#include "ui/app/window_routines.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace ui {
namespace {

constexpr int WindowWidth = 640;
constexpr int ChartLeft = 8;
constexpr int ChartWidth = 456;
constexpr int MinimumChartHeight = 360;
constexpr int SideLeft = ChartLeft + ChartWidth + 8;
constexpr int SideWidth = WindowWidth - SideLeft - 8;
constexpr int ButtonHeight = 28;
constexpr int ButtonGap = 4;

} // namespace

const QColor LastTwentyWindow::GreensColor{0, 0, 255};
const QColor LastTwentyWindow::FairwaysColor{0, 255, 0};

LastTwentyWindow::LastTwentyWindow(AppContext& context, QWidget* parent)
    : QDialog(parent), context_(context) {
    setObjectName("Form15");
    setWindowTitle("Last 20 Scores");
    buildMenus();
    const int top = menuBar_->sizeHint().height() + 8;

    chart_ = new platform::ChartControl(this);
    chart_->setObjectName("Graph1");
    chart_->setGeometry(ChartLeft, top, ChartWidth, MinimumChartHeight);
    // Flat bars at every opening; greens and fairways in the legend's colours.
    chart_->set(core::ChartProperty::ChartType, double(core::ChartType::Bar));
    chart_->setSetColor(1, GreensColor);
    chart_->setSetColor(2, FairwaysColor);

    struct Button {
        const char* name;
        const char* caption;
        void (LastTwentyWindow::*show)();
        core::RecentChart chart;
    };
    auto panel = [&](const char* name, int y, std::initializer_list<Button> buttons) {
        auto* frame = new platform::ThreeDPanel(this);
        frame->setObjectName(name);
        int height = int(buttons.size()) * (ButtonHeight + ButtonGap) + ButtonGap + 4;
        frame->setGeometry(SideLeft, y, SideWidth, height);
        int row = 0;
        for (const Button& b : buttons) {
            auto* button = new QPushButton(b.caption, frame);
            button->setObjectName(b.name);
            button->setGeometry(6, 4 + ButtonGap + row++ * (ButtonHeight + ButtonGap),
                                SideWidth - 12, ButtonHeight);
            if (b.show)
                connect(button, &QPushButton::clicked, this, b.show);
            else
                connect(button, &QPushButton::clicked, this, [this, c = b.chart] { showChart(c); });
        }
        return y + height;
    };
    int y = panel("SSPanel1", top,
                  {{"Command8", "18 Hole Scores", nullptr, core::RecentChart::RoundScores},
                   {"Command7", "Front 9 Scores", nullptr, core::RecentChart::FrontScores},
                   {"Command6", "Back 9 Scores", nullptr, core::RecentChart::BackScores}});
    y = panel("SSPanel2", y + 8,
              {{"Command1", "18 Hole Putts", nullptr, core::RecentChart::RoundPutts},
               {"Command2", "Front 9 Putts", nullptr, core::RecentChart::FrontPutts},
               {"Command3", "Back 9 Putts", nullptr, core::RecentChart::BackPutts},
               {"Command5", "Fways and Greens", &LastTwentyWindow::showFairwaysAndGreens,
                core::RecentChart::Load}});

    // The legend of the fairways-and-greens chart: a filled box before each name.
    auto legendRow = [&](const char* boxName, const QColor& color, const char* labelName,
                         const char* caption, int rowTop) {
        auto* box = new QLineEdit(this);
        box->setObjectName(boxName);
        box->setReadOnly(true);
        box->setFocusPolicy(Qt::NoFocus);
        QPalette palette = box->palette();
        palette.setColor(QPalette::Base, color);
        box->setPalette(palette);
        box->setGeometry(SideLeft + 8, rowTop, 18, 18);
        auto* label = new QLabel(caption, this);
        label->setObjectName(labelName);
        label->setGeometry(SideLeft + 34, rowTop, SideWidth - 42, 18);
        legend_.push_back(box);
        legend_.push_back(label);
    };
    legendRow("Text1", FairwaysColor, "Label1", "Fairways", y + 10);
    legendRow("Text2", GreensColor, "Label3", "Greens", y + 34);

    auto* copy = new QPushButton("Copy to Clipboard", this);
    copy->setObjectName("Command10");
    copy->setGeometry(SideLeft, y + 64, SideWidth, 32);
    connect(copy, &QPushButton::clicked, this, &LastTwentyWindow::copyChart);
    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("Command4");
    ok->setGeometry(SideLeft, y + 102, SideWidth, 32);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    // The chart runs down as far as the buttons beside it.
    const int bottom = y + 134;
    chart_->setGeometry(ChartLeft, top, ChartWidth, std::max(MinimumChartHeight, bottom - top));
    setFixedSize(WindowWidth, chart_->geometry().bottom() + 1 + 8);
    menuBar_->setGeometry(0, 0, WindowWidth, menuBar_->sizeHint().height());
    CenterForm(*this, context_);
    showChart(core::RecentChart::Load);
}

void LastTwentyWindow::buildMenus() {
    menuBar_ = new QMenuBar(this);
    menuBar_->setNativeMenuBar(false);
    QMenu* types = menuBar_->addMenu("Chart Types");
    types->setObjectName("Types_cmd");
    types->menuAction()->setObjectName("Types_cmd");
    threeDBars_ = types->addAction("3D Bar Chart");
    threeDBars_->setObjectName("Bar_cmd");
    threeDBars_->setCheckable(true);
    threeDBars_->setChecked(false);
    connect(threeDBars_, &QAction::triggered, this, &LastTwentyWindow::toggleThreeDBars);
    QAction* line = types->addAction("Line Chart");
    line->setObjectName("Line_cmd");
    connect(line, &QAction::triggered, this, &LastTwentyWindow::showLines);
}

void LastTwentyWindow::setLegendVisible(bool visible) {
    for (QWidget* w : legend_)
        w->setVisible(visible);
}

void LastTwentyWindow::showChart(core::RecentChart which) {
    setLegendVisible(false);
    chart_->apply(core::RecentChartScript(context_.state.course, which));
}

void LastTwentyWindow::showFairwaysAndGreens() {
    setLegendVisible(true);
    chart_->apply(core::FairwaysAndGreensScript(context_.state.course));
}

// The menu item has already flipped its check mark; the bars follow it.
void LastTwentyWindow::toggleThreeDBars() {
    chart_->apply(core::ChartTypeScript(threeDBars_->isChecked() ? core::ChartType::Bar3D
                                                                 : core::ChartType::Bar));
}

void LastTwentyWindow::showLines() {
    chart_->apply(core::ChartTypeScript(core::ChartType::Line));
}

void LastTwentyWindow::copyChart() {
    chart_->set(core::ChartProperty::DrawAction, double(core::ChartAction::Copy));
}

} // namespace ui
