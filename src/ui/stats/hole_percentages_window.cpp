#include "ui/stats/hole_percentages_window.h"

#include "core/hole_statistics.h"
#include "ui/app/controls.h"
#include "ui/app/window_routines.h"

#include <QLabel>
#include <QPushButton>

namespace ui {

HolePercentagesWindow::HolePercentagesWindow(AppContext& context, int hole, QWidget* parent)
    : QDialog(parent) {
    setObjectName("Form6");
    UseLightGrey(*this);
    setFixedSize(344, 208);

    auto* image = AddLabel(this, "Image1", "", QRect(8, 8, 144, 192));
    image->setPixmap(QPixmap(":/pictures/hole.png"));

    core::HolePercentages percentages = core::ComputeHolePercentages(context.state.course, hole);
    const char* titles[] = {"Double Eagles", "Eagles", "Birdies", "Pars", "Bogeys", "Others"};
    for (int row = 0; row < 6; ++row) {
        int y = 14 + 26 * row;
        AddLabel(this, "Label" + QString::number(row + 1), titles[row], QRect(166, y, 100, 20));
        AddLabel(this, "Label" + QString::number(row + 7),
                 QString::fromStdString(percentages.values[row]), QRect(270, y, 62, 20),
                 Qt::AlignRight | Qt::AlignVCenter);
    }
    QPushButton* ok = AddButton(this, "Command1", "OK", QRect(214, 172, 80, 28));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    setWindowTitle(QString::fromStdString(percentages.caption));
    CenterForm(*this, context);
}

} // namespace ui
