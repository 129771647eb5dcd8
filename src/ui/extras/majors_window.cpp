#include "ui/extras/majors_window.h"

#include "core/reference_cards.h"
#include "platform/picture_box.h"
#include "ui/app/window_routines.h"

#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStringList>

namespace ui {
namespace {

const QColor TitleColor{255, 0, 0};
const QColor CaptionColor{0, 0, 255};

// Result fields in pixels inside the panel: two columns, two blocks of three rows.
constexpr int LeftColumn = 80;
constexpr int RightColumn = 290;
constexpr int FieldWidth = 128;
constexpr int UpperRows[3] = {26, 46, 66};
constexpr int LowerRows[3] = {152, 172, 192};
// Rows are 20 pixels apart; one-line fields leave room for the borders between them.
constexpr int LineHeight = 18;

struct Block {
    const char* prefix;
    int column;
    const int* rows;
};
// In the table's order: The Masters, British Open, US Open, PGA.
constexpr Block Blocks[core::MajorCount] = {{"Mast", LeftColumn, UpperRows},
                                            {"BO", LeftColumn, LowerRows},
                                            {"US", RightColumn, UpperRows},
                                            {"PGA", RightColumn, LowerRows}};

struct Embossed {
    const char* text;
    int x;
    int y;
    bool title;
};
// Positions in twips from the panel's corner.
constexpr Embossed Texts[] = {
    {"THE MASTERS", 1250, 200, true}, {"BRITISH OPEN", 1250, 2080, true},
    {"US OPEN", 4500, 200, true},     {"PGA", 4500, 2080, true},
    {"Winner", 440, 430, false},      {"Winner", 440, 2330, false},
    {"Winner", 3570, 430, false},     {"Winner", 3570, 2330, false},
    {"Score", 510, 730, false},       {"Course", 450, 2630, false},
    {"Course", 3580, 730, false},     {"Course", 3580, 2630, false},
    {"Runner Up", 150, 1030, false},  {"Runner Up", 150, 2930, false},
    {"Runner Up", 3280, 1030, false}, {"Runner Up", 3280, 2930, false},
};

// Several runners-up share one text; each gets a line of its own whatever the font.
QString RunnerUpText(const std::string& text) {
    QStringList names;
    for (const std::string& name : core::RunnerUpNames(text))
        names << QString::fromStdString(name);
    return names.join('\n');
}

} // namespace

MajorsWindow::MajorsWindow(AppContext& context, QWidget* parent)
    : QDialog(parent), context_(context) {
    setObjectName("Form5");
    setWindowTitle("THE MAJORS");
    UseLightGrey(*this);
    QPalette white = palette();
    white.setColor(QPalette::Base, Qt::white);
    setPalette(white);

    picture_ = new platform::PictureBox(this);
    picture_->setObjectName("Picture1");
    picture_->setGeometry(8, 8, 440, 262);

    QFontMetrics metrics(font());
    int runnerUpHeight = 3 * metrics.lineSpacing() + 6;
    for (int t = 0; t < core::MajorCount; ++t) {
        const Block& block = Blocks[t];
        const QString prefix = block.prefix;
        fields_[t][0] =
            addField(qPrintable(prefix + "_Win"), block.column, block.rows[0], LineHeight);
        fields_[t][1] =
            addField(qPrintable(prefix + "_Sc"), block.column, block.rows[1], LineHeight);
        fields_[t][2] =
            addField(qPrintable(prefix + "_RU"), block.column, block.rows[2], runnerUpHeight);
        fields_[t][2]->setWordWrap(true);
        fields_[t][2]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }

    auto* yearLabel = new QLabel("Year", this);
    yearLabel->setObjectName("Label7");
    yearLabel->setGeometry(462, 8, 70, 16);
    yearLabel->setAlignment(Qt::AlignCenter);

    yearBox_ = new QListWidget(this);
    yearBox_->setObjectName("Yearbox");
    yearBox_->setGeometry(462, 26, 70, 196);
    yearBox_->setSelectionMode(QAbstractItemView::SingleSelection);
    for (int year = core::FirstMajorsYear; year <= core::LastMajorsYear; ++year)
        yearBox_->addItem(QString::number(year));
    connect(yearBox_, &QListWidget::itemSelectionChanged, this, &MajorsWindow::yearClicked);

    clubHouse_ = new QPushButton("ClubHouse", this);
    clubHouse_->setObjectName("Command1");
    clubHouse_->setGeometry(456, 234, 82, 30);
    clubHouse_->setAutoDefault(false);
    connect(clubHouse_, &QPushButton::clicked, this, &QDialog::accept);

    setFixedSize(546, 278);
    CenterForm(*this, context_);

    // Drawn once into the panel's kept image, so it stays for the life of the window.
    DrawInsetFrame(*picture_);
    for (auto& tournament : fields_)
        for (QLabel* field : tournament)
            DrawControlBorder(*field, *picture_);
    for (const Embossed& text : Texts)
        DrawShadowText(*picture_, text.text, text.x, text.y,
                       text.title ? TitleColor : CaptionColor);
}

QLabel* MajorsWindow::addField(const char* name, int x, int y, int height) {
    auto* field = new QLabel(picture_);
    field->setObjectName(name);
    field->setGeometry(x, y, FieldWidth, height);
    field->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    field->setIndent(2);
    return field;
}

void MajorsWindow::yearClicked() {
    const QList<QListWidgetItem*> selected = yearBox_->selectedItems();
    if (selected.isEmpty())
        return;
    year_ = selected.front()->text();
    if (year_.toInt() > 1930) {
        moreWinners();
        return;
    }
    showYear(core::FindMajorsYear(year_.toInt()));
}

void MajorsWindow::moreWinners() {
    int year = year_.toInt();
    showYear(year > 1930 ? core::FindMajorsYear(year) : nullptr);
}

void MajorsWindow::showYear(const core::MajorsYear* row) {
    // Every field is written, so nothing of the previous year stays.
    for (int t = 0; t < core::MajorCount; ++t) {
        const core::MajorResult* r = row ? &row->results[t] : nullptr;
        fields_[t][0]->setText(r ? QString::fromStdString(r->winner) : QString());
        fields_[t][1]->setText(r ? QString::fromStdString(r->scoreOrCourse) : QString());
        fields_[t][2]->setText(r ? RunnerUpText(r->runnerUp) : QString());
    }
}

} // namespace ui
