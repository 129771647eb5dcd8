#include "ui/stats/statistics_window.h"

#include "ui/app/controls.h"
#include "ui/app/window_routines.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace ui {
namespace {

// Rows 1..14 of each column are Label<first>..Label<first + 13>; row 15 came later
// and has a number of its own.
QString CellName(int firstOfColumn, int lastRowNumber, int row) {
    int number = row < 14 ? firstOfColumn + row : lastRowNumber;
    return "Label" + QString::number(number);
}

constexpr int RowHeight = 19;

} // namespace

StatisticsWindow::StatisticsWindow(AppContext& context, QWidget* parent)
    : QDialog(parent), context_(context) {
    setObjectName("Stats2");
    setWindowTitle("Golf Statistics");
    UseLightGrey(*this);
    setFixedSize(560, 352);

    auto* picture =
        AddLabel(this, "Picture1", "", QRect(8, 8, 166, 300), Qt::AlignHCenter | Qt::AlignTop);
    picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picture->setMargin(6);
    picture->setPixmap(QPixmap(":/pictures/stats.png"));
    auto* fromLine = AddLabel(picture, "Label43", "", QRect(6, 262, 154, 16));
    auto* toLine = AddLabel(picture, "Label44", "", QRect(6, 280, 154, 16));

    auto* table = new QFrame(this);
    table->setObjectName("Picture2");
    table->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    table->setGeometry(182, 8, 370, 300);
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    for (int row = 0; row < core::StatisticsRowCount; ++row) {
        int y = 8 + RowHeight * row;
        titles_[row] = AddLabel(table, CellName(1, 45, row), "", QRect(8, y, 220, 18));
        values_[row] = AddLabel(table, CellName(15, 46, row), "", QRect(232, y, 60, 18), right);
        percentages_[row] =
            AddLabel(table, CellName(29, 47, row), "", QRect(296, y, 66, 18), right);
    }

    struct ViewButton {
        const char* name;
        const char* caption;
        QRect geometry;
        core::StatisticsView view;
    };
    const ViewButton buttons[] = {
        {"Command2", "General Statistics 1", QRect(8, 316, 130, 28),
         core::StatisticsView::General1},
        {"Command9", "General Statistics 2", QRect(142, 316, 130, 28),
         core::StatisticsView::General2},
        {"Command8", "Averages", QRect(276, 316, 90, 28), core::StatisticsView::Averages},
        {"Command7", "Around the Green", QRect(370, 316, 110, 28),
         core::StatisticsView::AroundTheGreen},
    };
    for (const ViewButton& b : buttons) {
        QPushButton* button = AddButton(this, b.name, b.caption, b.geometry);
        core::StatisticsView view = b.view;
        connect(button, &QPushButton::clicked, this, [this, view] { showView(view); });
    }
    QPushButton* ok = AddButton(this, "Command6", "OK", QRect(484, 316, 68, 28));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    // Load: the caption names player and tees; the date lines give the period covered.
    CenterForm(*this, context_);
    const core::CourseState& course = context_.state.course;
    setWindowTitle(QString::fromStdString(core::StatisticsCaption(course)));
    core::StatisticsDateLines dates = core::ComputeStatisticsDateLines(
        course, context_.platform.clock.today(), context_.platform.clock.now());
    fromLine->setText(QString::fromStdString(dates.from));
    toLine->setText(QString::fromStdString(dates.to));
}

void StatisticsWindow::showView(core::StatisticsView view) {
    core::StatisticsTable table = core::ComputeStatisticsView(context_.state.course, view);
    for (int row = 0; row < core::StatisticsRowCount; ++row) {
        titles_[row]->setText(QString::fromStdString(table[row].title));
        values_[row]->setText(QString::fromStdString(table[row].value));
        percentages_[row]->setText(QString::fromStdString(table[row].percentage));
    }
}

} // namespace ui
