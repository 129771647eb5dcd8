#include "ui/handicap/whs_figures_panel.h"

#include "platform/three_d_button.h"

#include <QGridLayout>
#include <QLabel>

namespace ui {
namespace {

QLabel* ValueLabel(QWidget* parent, const QString& name) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(50);
    return label;
}

} // namespace

WhsFiguresPanel::WhsFiguresPanel(QWidget* parent) : QWidget(parent) {
    setObjectName("WhsFigures");
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    QFont heading = font();
    heading.setBold(true);
    auto* indexCaption = new QLabel("WHS Index", this);
    indexCaption->setFont(heading);
    index_ = ValueLabel(this, "WhsIndex");
    auto* courseCaption = new QLabel("WHS Course Handicap", this);
    courseCaption->setFont(heading);
    courseHandicap_ = ValueLabel(this, "WhsCourseHandicap");
    status_ = new QLabel(this);
    status_->setObjectName("WhsStatus");
    auto* history = new platform::ThreeDButton("History", this);
    history->setObjectName("WhsHistoryButton");
    history->setToolButtonStyle(Qt::ToolButtonTextOnly);
    connect(history, &QToolButton::clicked, this, &WhsFiguresPanel::historyRequested);

    layout->addWidget(indexCaption, 0, 0);
    layout->addWidget(index_, 0, 1);
    layout->addWidget(courseCaption, 0, 2);
    layout->addWidget(courseHandicap_, 0, 3);
    layout->addWidget(history, 0, 5, 2, 1);
    layout->addWidget(status_, 1, 0, 1, 5);
    layout->setColumnStretch(4, 1);
}

void WhsFiguresPanel::showFigures(const core::WhsFigures& figures,
                                  const std::optional<core::WhsCourse>& course) {
    index_->setText(QString::fromStdString(core::WhsIndexText(figures.history.indexTenths)));
    courseHandicap_->setText(
        QString::fromStdString(core::WhsCourseHandicapText(figures.history, course)));
    std::string status = core::WhsStatusText(figures.history);
    if (!figures.journal.reason.empty())
        status = figures.journal.reason;
    status_->setText(QString::fromStdString(status));
}

} // namespace ui
