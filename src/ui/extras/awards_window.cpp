#include "ui/extras/awards_window.h"

#include "core/reference_cards.h"
#include "platform/three_d_button.h"
#include "ui/app/window_routines.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>

namespace ui {
namespace {

struct Row {
    const char* caption;
    const char* captionName;
    const char* fieldName;
    int top;
};
// Top to bottom: the players of the year, the money lists, the scoring trophies.
constexpr Row Rows[] = {
    {"PGA Player of the Year", "Label2", "PGAYear", 20},
    {"LPGA Player of the Year", "Label5", "LPGAYear", 45},
    {"Leading Money Winner PGA", "Label3", "MoneyPGA", 84},
    {"Leading Money Winner LPGA", "Label6", "MoneyLPGA", 109},
    {"Senior Money Winner", "Label8", "SeniorMoney", 134},
    {"Vardon Trophy", "Label4", "Vardon", 173},
    {"Vare Trophy", "Label7", "Vare", 198},
};

constexpr int CaptionLeft = 100;
constexpr int FieldLeft = 280;
constexpr int FieldWidth = 215;
constexpr int RowHeight = 19;

std::string FieldOf(const core::AwardsYear& row, int index) {
    switch (index) {
    case 0:
        return row.pgaPlayerOfYear;
    case 1:
        return row.lpgaPlayerOfYear;
    case 2:
        return row.pgaMoneyLeader;
    case 3:
        return row.lpgaMoneyLeader;
    case 4:
        return row.seniorMoneyLeader;
    case 5:
        return row.vardonTrophy;
    default:
        return row.vareTrophy;
    }
}

// An etched separator: a dark line with a light one under it.
void AddSeparator(QWidget* parent, const char* dark, const char* light, int top) {
    const std::pair<const char*, QColor> lines[] = {{dark, ShadowColor}, {light, LightColor}};
    for (int i = 0; i < 2; ++i) {
        auto* line = new QFrame(parent);
        line->setObjectName(lines[i].first);
        line->setFrameShape(QFrame::NoFrame);
        QPalette palette = line->palette();
        palette.setColor(QPalette::Window, lines[i].second);
        line->setPalette(palette);
        line->setAutoFillBackground(true);
        line->setGeometry(CaptionLeft, top + i, FieldLeft + FieldWidth - CaptionLeft, 1);
    }
}

} // namespace

QString AwardsWindow::ScoringAveragesText() {
    return QStringList{"The VARDON TROPHY is presented to the PGA",
                       "player with the lowest scoring average.", "",
                       "The LPGA recognizes it's lowest scoring", "average with the VARE TROPHY."}
        .join("\r\n");
}

AwardsWindow::AwardsWindow(AppContext& context, QWidget* parent)
    : QDialog(parent), context_(context) {
    setObjectName("Form12");
    setWindowTitle("Awards & Trophies - PGA, LPGA & Senior Tours");
    UseLightGrey(*this);
    QPalette white = palette();
    white.setColor(QPalette::Base, Qt::white);
    setPalette(white);

    auto* yearLabel = new QLabel("Year", this);
    yearLabel->setObjectName("Label1");
    yearLabel->setGeometry(12, 4, 70, 16);
    yearLabel->setAlignment(Qt::AlignCenter);

    yearBox_ = new QListWidget(this);
    yearBox_->setObjectName("yearbox");
    yearBox_->setGeometry(12, 22, 70, 236);
    yearBox_->setSelectionMode(QAbstractItemView::SingleSelection);
    for (int year = core::FirstAwardsYear; year <= core::LastAwardsYear; ++year)
        yearBox_->addItem(QString::number(year));
    connect(yearBox_, &QListWidget::itemSelectionChanged, this, &AwardsWindow::yearClicked);

    for (std::size_t i = 0; i < fields_.size(); ++i) {
        const Row& row = Rows[i];
        auto* caption = new QLabel(row.caption, this);
        caption->setObjectName(row.captionName);
        caption->setGeometry(CaptionLeft, row.top, FieldLeft - CaptionLeft - 6, RowHeight);
        caption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

        fields_[i] = new QLabel(this);
        fields_[i]->setObjectName(row.fieldName);
        fields_[i]->setGeometry(FieldLeft, row.top, FieldWidth, RowHeight);
        fields_[i]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        QFont bold = fields_[i]->font();
        bold.setBold(true);
        fields_[i]->setFont(bold);
    }
    AddSeparator(this, "Line1", "Line2", 73);
    AddSeparator(this, "Line3", "Line4", 162);

    club_ = new platform::ThreeDButton("Club House", this);
    club_->setObjectName("Club");
    club_->setGeometry(CaptionLeft + 60, 228, 100, 30);
    connect(club_, &QToolButton::clicked, this, &QDialog::accept);

    info_ = new platform::ThreeDButton("Info", this);
    info_->setObjectName("SSCommand1");
    info_->setGeometry(CaptionLeft + 220, 228, 100, 30);
    connect(info_, &QToolButton::clicked, this, &AwardsWindow::showInfo);

    setFixedSize(FieldLeft + FieldWidth + 12, 268);
    CenterForm(*this, context_);
}

void AwardsWindow::yearClicked() {
    const QList<QListWidgetItem*> selected = yearBox_->selectedItems();
    if (selected.isEmpty())
        return;
    year_ = selected.front()->text();
    const core::AwardsYear* row = core::FindAwardsYear(year_.toInt());
    // Every field is written, so nothing of the previous year stays.
    for (std::size_t i = 0; i < fields_.size(); ++i)
        fields_[i]->setText(row ? QString::fromStdString(FieldOf(*row, int(i))) : QString());
}

void AwardsWindow::showInfo() {
    context_.platform.messages.show(ScoringAveragesText(), "Scoring Averages",
                                    platform::MessageIcon::Information,
                                    platform::MessageButtons::Ok);
}

} // namespace ui
