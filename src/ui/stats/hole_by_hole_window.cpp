#include "ui/stats/hole_by_hole_window.h"

#include "core/hole_statistics.h"
#include "core/statistics_reports.h"
#include "ui/app/controls.h"
#include "ui/app/window_routines.h"
#include "ui/stats/hole_percentages_window.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace ui {
namespace {

constexpr int RowCount = 8; // par, five result classes, others, average
constexpr int ColumnWidth = 34;
constexpr int RowHeight = 20;

// First label of a row of the front block (holes 1..9) and of the back block.
int FirstLabelOfRow(bool back, int row) {
    if (row == 0)
        return back ? 10 : 1;
    return (back ? 100 : 19) + 9 * (row - 1);
}

QLabel* Cell(QWidget* window, int hole, int row) {
    bool back = hole > 9;
    int number = FirstLabelOfRow(back, row) + (hole - 1) % 9;
    return window->findChild<QLabel*>("Label" + QString::number(number));
}

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

HoleByHoleWindow::HoleByHoleWindow(AppContext& context, QWidget* parent)
    : QDialog(parent), context_(context) {
    setObjectName("Form2");
    setWindowTitle("Hole By Hole Statistics");
    UseLightGrey(*this);
    setFixedSize(594, 472);

    const char* rowTitles[RowCount] = {"Par",  "Db Eag", "Eagles", "Birdies",
                                       "Pars", "Bogeys", "Others", "Avg."};
    for (bool back : {false, true}) {
        const int top = back ? 214 : 8;
        AddLabel(this, back ? "Label99" : "Label98", back ? "Back 9" : "Front 9",
                 QRect(8, top + 2, 60, 20));
        for (int i = 0; i < 9; ++i) {
            int hole = (back ? 10 : 1) + i;
            QPushButton* button =
                AddButton(this, "Command" + QString::number(hole + 2), QString::number(hole),
                          QRect(72 + ColumnWidth * i, top, ColumnWidth - 4, 24));
            connect(button, &QPushButton::clicked, this,
                    [this, hole] { showHolePercentages(hole); });
        }
        for (int row = 0; row < RowCount; ++row) {
            int y = top + 30 + RowHeight * row;
            AddLabel(this, "Label" + QString::number((back ? 90 : 82) + row), rowTitles[row],
                     QRect(8, y, 60, 18));
            for (int i = 0; i < 9; ++i)
                AddLabel(this, "Label" + QString::number(FirstLabelOfRow(back, row) + i), "",
                         QRect(72 + ColumnWidth * i, y, ColumnWidth - 4, 18), Qt::AlignCenter);
        }
    }

    auto* ranking = new QFrame(this);
    ranking->setObjectName("Picture2");
    ranking->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    ranking->setGeometry(396, 8, 190, 420);
    AddLabel(ranking, "Label218", "Best to Worst", QRect(8, 4, 174, 18), Qt::AlignCenter);
    AddLabel(ranking, "Label217", " Hole    Hdcp        +/-", QRect(8, 24, 174, 18));
    for (int r = 1; r <= core::HoleCount; ++r) {
        int y = 44 + RowHeight * (r - 1);
        const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
        AddLabel(ranking, "Label" + QString::number(161 + 2 * r), "", QRect(8, y, 34, 18), right);
        AddLabel(ranking, "Label" + QString::number(198 + r), "", QRect(56, y, 40, 18), right);
        AddLabel(ranking, "Label" + QString::number(162 + 2 * r), "", QRect(110, y, 60, 18), right);
    }

    AddLabel(this, "Label219", "Click on Hole button for Percentage Breakdowns",
             QRect(8, 428, 380, 18));
    QPushButton* print = AddButton(this, "Command2", "Print", QRect(396, 436, 90, 28));
    connect(print, &QPushButton::clicked, this, &HoleByHoleWindow::printTable);
    QPushButton* ok = AddButton(this, "Command1", "OK", QRect(496, 436, 90, 28));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    CenterForm(*this, context_);
    fillTable();
    fillRanking();
}

void HoleByHoleWindow::fillTable() {
    core::HoleTable table = core::ComputeHoleTable(context_.state.course);
    for (int h = 1; h <= core::HoleCount; ++h) {
        const core::HoleColumn& column = table[h];
        Cell(this, h, 0)->setText(Text(column.par));
        for (int k = 0; k < core::ResultClassCount; ++k)
            Cell(this, h, 1 + k)->setText(Text(column.results[k]));
        Cell(this, h, 6)->setText(Text(column.others));
        Cell(this, h, 7)->setText(Text(column.average));
    }
}

void HoleByHoleWindow::fillRanking() {
    core::OneBased<core::RankingRow, core::HoleCount> rows =
        core::ComputeRankingRows(context_.state.course);
    for (int r = 1; r <= core::HoleCount; ++r) {
        findChild<QLabel*>("Label" + QString::number(161 + 2 * r))->setText(Text(rows[r].hole));
        // A hole without a handicap rating keeps its empty cell.
        if (!rows[r].handicap.empty())
            findChild<QLabel*>("Label" + QString::number(198 + r))->setText(Text(rows[r].handicap));
        findChild<QLabel*>("Label" + QString::number(162 + 2 * r))
            ->setText(Text(rows[r].plusMinus));
    }
}

void HoleByHoleWindow::showHolePercentages(int hole) {
    HolePercentagesWindow percentages(context_, hole, this);
    percentages.exec();
}

void HoleByHoleWindow::printTable() {
    context_.platform.printer.print(core::BuildHoleByHolePrintout(context_.state.course));
}

} // namespace ui
