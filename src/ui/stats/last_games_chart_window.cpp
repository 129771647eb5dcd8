#include "ui/stats/last_games_chart_window.h"

#include "core/chart_scripts.h"
#include "core/print_document.h"
#include "platform/chart_control.h"
#include "ui/app/window_routines.h"

#include <QPushButton>

namespace ui {
namespace {

constexpr int ChartWidth = 500;
constexpr int ChartHeight = 360;
constexpr int WindowWidth = 640;
// Printed larger than on screen, so that the page gets a sharp picture.
const QSize PrintedSize{1500, 1080};

} // namespace

LastGamesChartWindow::LastGamesChartWindow(AppContext& context, QWidget* parent)
    : QDialog(parent), context_(context) {
    setObjectName("Form14");
    setWindowTitle(QString());
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    setAutoFillBackground(true);

    chart_ = new platform::ChartControl(this);
    chart_->setObjectName("Graph1");
    chart_->setGeometry(0, 0, ChartWidth, ChartHeight);
    // The window's own design: a line on an axis from 50 to 130.
    chart_->set(core::ChartProperty::ChartType, double(core::ChartType::Line));
    chart_->set(core::ChartProperty::AxisMinimum, 50);
    chart_->setAxisMaximum(130);

    auto button = [this](const char* name, const char* caption, int row) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setGeometry(ChartWidth + 12, 24 + row * 44, WindowWidth - ChartWidth - 24, 32);
        return b;
    };
    connect(button("Command1", "OK", 0), &QPushButton::clicked, this, &QDialog::accept);
    connect(button("Command3", "Copy to Clipboard", 1), &QPushButton::clicked, this,
            &LastGamesChartWindow::copyChart);
    connect(button("Command2", "Print", 2), &QPushButton::clicked, this,
            &LastGamesChartWindow::printChart);

    setFixedSize(WindowWidth, ChartHeight);
    CenterForm(*this, context_);
    chart_->apply(core::LastGamesChartScript(context_.state.handicap));
}

void LastGamesChartWindow::copyChart() {
    chart_->set(core::ChartProperty::DrawAction, double(core::ChartAction::Copy));
}

// The printer reports its own failures.
void LastGamesChartWindow::printChart() {
    const std::string name =
        core::DocumentName("Last 20 Scores", context_.state.handicap.HandicapPlayerName);
    context_.platform.printer.printImage(chart_->renderImage(PrintedSize),
                                         QString::fromStdString(name));
}

} // namespace ui
