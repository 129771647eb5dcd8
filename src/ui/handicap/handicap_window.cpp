#include "ui/handicap/handicap_window.h"

#include "core/day_number.h"
#include "core/handicap_engine.h"
#include "core/handicap_entry.h"
#include "core/handicap_file.h"
#include "core/number_text.h"
#include "core/whs_entry.h"
#include "core/whs_report.h"
#include "platform/picture_box.h"
#include "platform/three_d_button.h"
#include "ui/app/window_routines.h"
#include "ui/handicap/handicap_history_window.h"
#include "ui/handicap/slope_index_converter.h"
#include "ui/handicap/whs_figures_panel.h"
#include "ui/stats/open_last_games_chart.h"

#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace ui {
namespace {

const QColor WindowGrey{0xC0, 0xC0, 0xC0};
const QColor White{0xFF, 0xFF, 0xFF};

// Grid geometry inside the picture box, in pixels.
constexpr int HalfWidth = 300;
constexpr int FirstRowTop = 42;
constexpr int RowPitch = 18;
constexpr int CellHeight = 15;
constexpr std::array<int, 4> ColumnLeft = {52, 134, 178, 228};
constexpr std::array<int, 4> ColumnWidth = {74, 36, 42, 42};

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

QLabel* AddLabel(QWidget* parent, const QString& name, const QString& caption, QRect at) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setGeometry(at);
    return label;
}

QLineEdit* AddBox(QWidget* parent, const QString& name, QRect at) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setGeometry(at);
    return box;
}

platform::ThreeDButton* AddButton(QWidget* parent, const QString& name, const QString& caption,
                                  QRect at) {
    auto* button = new platform::ThreeDButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(at);
    return button;
}

// Label numbers of a grid row: rows 1..10 start at Label3, rows 11..20 at Label43; the
// four columns are ten labels apart.
int CellLabelNumber(int row, int column) {
    int first = row <= 10 ? 3 + (row - 1) : 43 + (row - 11);
    return first + 10 * column;
}

} // namespace

HandicapWindow::HandicapWindow(AppContext& context, QWidget* parent)
    : QDialog(parent), context_(context) {
    setObjectName("Form4");
    setWindowTitle("Handicap");
    QPalette grey = palette();
    grey.setColor(QPalette::Window, WindowGrey);
    setPalette(grey);
    setAutoFillBackground(true);
    setFixedSize(640, 516);
    buildControls();
    CenterForm(*this, context_);
    drawGridBorders();
    reload();
}

void HandicapWindow::buildControls() {
    // Tab order follows creation: the entry boxes first, then the commands.
    AddLabel(this, "DateCaption", "Date:", {12, 346, 40, 20});
    date_ = AddBox(this, "Text1", {56, 344, 82, 22});
    date_->installEventFilter(this);
    auto* later = new QPushButton("+", this);
    later->setObjectName("Command4");
    later->setGeometry(142, 344, 22, 22);
    auto* earlier = new QPushButton("-", this);
    earlier->setObjectName("Command5");
    earlier->setGeometry(166, 344, 22, 22);
    // Enter in a box must not move the date.
    for (QPushButton* button : {later, earlier})
        button->setAutoDefault(false);
    connect(later, &QPushButton::clicked, this, [this] { stepDate(1); });
    connect(earlier, &QPushButton::clicked, this, [this] { stepDate(-1); });

    AddLabel(this, "ScoreCaption", "Adjusted Gross Score:", {200, 346, 134, 20});
    score_ = AddBox(this, "Text2", {336, 344, 52, 22});
    AddLabel(this, "RatingCaption", "Course Rating:", {12, 374, 90, 20});
    rating_ = AddBox(this, "Text3", {106, 372, 52, 22});
    AddLabel(this, "SlopeCaption", "Slope Rating:", {200, 374, 134, 20});
    slope_ = AddBox(this, "Text4", {336, 372, 52, 22});
    connect(score_, &QLineEdit::textChanged, this, [this](const QString& text) {
        context_.state.entry.EntryAdjustedScore = core::EntryScoreValue(text.toStdString());
    });
    connect(rating_, &QLineEdit::textChanged, this, [this](const QString& text) {
        context_.state.entry.EntryCourseRating = core::EntryRatingValue(text.toStdString());
    });
    connect(slope_, &QLineEdit::textChanged, this, [this](const QString& text) {
        context_.state.entry.EntrySlopeRating = core::EntryRatingValue(text.toStdString());
    });

    AddLabel(this, "TournamentCaption", "Tournament Score:", {12, 404, 112, 20});
    yes_ = new QRadioButton("Yes", this);
    yes_->setObjectName("Option2");
    yes_->setGeometry(126, 404, 48, 20);
    no_ = new QRadioButton("No", this);
    no_->setObjectName("Option1");
    no_->setGeometry(176, 404, 44, 20);
    connect(yes_, &QRadioButton::clicked, this, [this] {
        grossLabel_->show();
        gross_->show();
        gross_->setFocus();
    });
    grossLabel_ = AddLabel(this, "Label83", "Enter Gross Score", {226, 404, 108, 20});
    gross_ = AddBox(this, "Text5", {336, 402, 52, 22});

    save_ = AddButton(this, "SSCommand5", "Save Differential", {400, 340, 114, 56});
    next_ = AddButton(this, "SSCommand4", "Next Differential", {518, 340, 114, 56});
    auto* print = AddButton(this, "SSCommand3", "Print", {400, 402, 74, 56});
    auto* graph = AddButton(this, "SSCommand1", "View Graph", {479, 402, 74, 56});
    done_ = AddButton(this, "SSCommand6", "Done", {558, 402, 74, 56});
    connect(save_, &QToolButton::clicked, this, &HandicapWindow::saveRound);
    connect(next_, &QToolButton::clicked, this, &HandicapWindow::nextDifferential);
    connect(print, &QToolButton::clicked, this, &HandicapWindow::printReport);
    connect(graph, &QToolButton::clicked, this, &HandicapWindow::viewGraph);
    connect(done_, &QToolButton::clicked, this, &HandicapWindow::close);

    // The handicaps across the top.
    QFont heading = font();
    heading.setBold(true);
    AddLabel(this, "Label101", "Pre-Slope System", {12, 8, 150, 18})->setFont(heading);
    AddLabel(this, "Label86", "Handicap", {12, 30, 70, 18});
    preSlope_ = AddLabel(this, "Label1", "", {88, 28, 50, 22});
    AddLabel(this, "Label102", "Slope System", {170, 8, 150, 18})->setFont(heading);
    AddLabel(this, "Label89", "Handicap Index", {170, 30, 96, 18});
    index_ = AddLabel(this, "Label87", "", {268, 28, 50, 22});
    QLabel* home = AddLabel(this, "Label90", "Home Course           Handicap", {330, 8, 96, 40});
    home->setWordWrap(true);
    home->setFont(heading);
    courseHandicap_ = AddLabel(this, "Label88", "", {430, 28, 50, 22});
    for (QLabel* value : {preSlope_, index_, courseHandicap_}) {
        value->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        value->setAlignment(Qt::AlignCenter);
    }
    auto* converter = AddButton(this, "SSCommand2", "Index Converter", {520, 4, 112, 52});
    connect(converter, &QToolButton::clicked, this, &HandicapWindow::openIndexConverter);

    // The grid of the last 20 rounds, two halves of ten rows.
    grid_ = new platform::PictureBox(this);
    grid_->setObjectName("Picture1");
    grid_->setGeometry(8, 62, 2 * HalfWidth + 24, FirstRowTop + 10 * RowPitch + 8);
    for (int half = 0; half < 2; ++half) {
        int x = half * HalfWidth;
        int n = 103 + half * 6;
        auto heading = [&](int offset, const QString& caption, QRect at) {
            QLabel* label = AddLabel(grid_, "Label" + QString::number(n + offset), caption,
                                     at.translated(x, 0));
            label->setAlignment(Qt::AlignCenter);
        };
        heading(0, "Date", {ColumnLeft[0], 22, ColumnWidth[0], 16});
        heading(1, "Adjg", {ColumnLeft[1], 6, ColumnWidth[1], 16});
        heading(2, "Score", {ColumnLeft[1] - 4, 22, ColumnWidth[1] + 8, 16});
        heading(3, "Differentials",
                {ColumnLeft[2], 6, ColumnLeft[3] + ColumnWidth[3] - ColumnLeft[2], 16});
        heading(4, "Pre-Slp", {ColumnLeft[2] - 2, 22, ColumnWidth[2] + 4, 16});
        heading(5, "Slope", {ColumnLeft[3], 22, ColumnWidth[3], 16});
    }
    for (int row = 1; row <= 20; ++row) {
        int x = (row <= 10 ? 0 : HalfWidth);
        int y = FirstRowTop + ((row - 1) % 10) * RowPitch;
        for (int column = 0; column < 4; ++column) {
            QLabel* label =
                AddLabel(grid_, "Label" + QString::number(CellLabelNumber(row, column)), "",
                         {x + ColumnLeft[column], y, ColumnWidth[column], CellHeight});
            label->setAlignment(Qt::AlignCenter);
            cells_[row][column] = label;
        }
        cells_[row][3]->setAutoFillBackground(true);
    }

    auto* legend = AddLabel(this, "Label84", "", {12, 314, 12, 12});
    legend->setAutoFillBackground(true);
    legend->setFrameStyle(QFrame::Box | QFrame::Plain);
    setSlopeCellColour(legend, true);
    AddLabel(this, "Label100", "Tournament Score", {30, 312, 130, 16});
    AddLabel(this, "Label98", "Number of Differentials Currently Counting:", {190, 302, 260, 16});
    counting_ = AddLabel(this, "Label91", "", {456, 302, 40, 16});
    AddLabel(this, "Label99", "Highest Differential Used:", {190, 320, 260, 16});
    highest_ = AddLabel(this, "Label92", "", {456, 320, 40, 16});

    // The WHS index beside the slope system's, under everything of the old window.
    whs_ = new WhsFiguresPanel(this);
    whs_->setGeometry(8, 464, 624, 48);
    connect(whs_, &WhsFiguresPanel::historyRequested, this, &HandicapWindow::openHistory);
}

void HandicapWindow::drawGridBorders() {
    for (int row = 1; row <= 20; ++row)
        for (QLabel* label : cells_[row])
            DrawControlBorder(*label, *grid_);
}

QLabel* HandicapWindow::cell(int row, int column) const {
    if (row < 1 || row > 20 || column < 0 || column > 3)
        return nullptr;
    return cells_[row][column];
}

void HandicapWindow::setSlopeCellColour(QLabel* label, bool tournament) {
    QPalette colours = label->palette();
    colours.setColor(QPalette::Window, tournament ? White : WindowGrey);
    label->setPalette(colours);
}

void HandicapWindow::reload() {
    core::EntryState& entry = context_.state.entry;
    showEntryDate();
    dateRefused_ = false;
    for (QLineEdit* box : {score_, rating_, slope_, gross_})
        box->clear();
    // Empty boxes stand for nothing: a score kept from an earlier round must not be
    // saved again unseen.
    entry.EntryAdjustedScore = 0;
    entry.EntryCourseRating = 0;
    entry.EntrySlopeRating = 0;
    no_->setChecked(true);
    hideGrossScore();
    showState();
    if (entry.PendingAdjustedScore > 0) {
        score_->setText(Text(core::PlainText(entry.PendingAdjustedScore)));
        rating_->setText(Text(core::PlainText(context_.state.course.CourseRating)));
        slope_->setText(Text(core::PlainText(context_.state.course.CourseSlope)));
    }
    save_->setEnabled(true);
    next_->setEnabled(true);
    date_->setFocus();
}

void HandicapWindow::showState() {
    setWindowTitle("Handicap Information -  " + Text(context_.state.handicap.HandicapFileName));
    showHandicaps(core::CourseHandicapMoment::Opening);
    clearGrid();
    refreshHandicapGrid();
    showWhsFigures();
}

void HandicapWindow::showWhsFigures() {
    whs_->showFigures(core::WhsFiguresFor(context_.state.handicap),
                      core::WhsCourseOf(context_.state.course));
}

void HandicapWindow::openHistory() {
    HandicapHistoryWindow history(context_, this);
    connect(&history, &HandicapHistoryWindow::roundsChanged, this, &HandicapWindow::showState);
    history.exec();
}

void HandicapWindow::clearGrid() {
    for (int row = 1; row <= 20; ++row) {
        for (QLabel* label : cells_[row])
            label->clear();
        setSlopeCellColour(cells_[row][3], false);
    }
    counting_->clear();
    highest_->clear();
}

void HandicapWindow::showHandicaps(core::CourseHandicapMoment moment) {
    const core::HandicapState& h = context_.state.handicap;
    preSlope_->setText(Text(core::PreSlopeHandicapText(h)));
    index_->setText(Text(core::HandicapIndexText(h)));
    courseHandicap_->setText(Text(core::CourseHandicapText(h, moment)));
}

void HandicapWindow::showEntryDate() {
    double day = context_.state.entry.EntryDate;
    if (!(day > 0))
        day = context_.platform.clock.today();
    date_->setText(Text(core::FormatDate(day, "mm/dd/yyyy")));
}

void HandicapWindow::hideGrossScore() {
    grossLabel_->hide();
    gross_->hide();
}

bool HandicapWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == date_ && event->type() == QEvent::FocusOut) {
        // Only a move to another control counts; another window taking the focus (a
        // message box, the converter) is not leaving the box.
        Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            validateEntryDate();
    }
    return QDialog::eventFilter(watched, event);
}

void HandicapWindow::validateEntryDate() {
    QString text = date_->text();
    core::EntryDateReading reading =
        core::ReadEntryDate(text.toStdString(), context_.platform.clock.today());
    if (!reading.valid) {
        dateRefused_ = true;
        context_.platform.messages.beep();
        context_.platform.messages.show(Text(core::InvalidDateMessage(text.toStdString())),
                                        core::InvalidDateTitle, platform::MessageIcon::Exclamation);
        date_->setFocus();
        return;
    }
    dateRefused_ = false;
    context_.state.entry.EntryDate = reading.dayNumber;
}

void HandicapWindow::stepDate(int days) {
    core::EntryState& entry = context_.state.entry;
    // With no date entered yet the box shows today; start from there, not from 1899.
    double from = entry.EntryDate > 0 ? entry.EntryDate : context_.platform.clock.today();
    entry.EntryDate = from + days;
    dateRefused_ = false;
    showEntryDate();
    date_->setFocus();
}

void HandicapWindow::saveRound() {
    platform::MessageBoxes& messages = context_.platform.messages;
    core::EntryState& entry = context_.state.entry;
    // A round is never stored without a date: take the one in the box if none was
    // entered yet, and never one the box was refused for.
    if (dateRefused_)
        return;
    if (!(entry.EntryDate > 0)) {
        validateEntryDate();
        if (dateRefused_)
            return;
    }

    bool noRating = rating_->text().isEmpty();
    bool noSlope = slope_->text().isEmpty();
    if (noRating || noSlope) {
        messages.beep();
        platform::MessageAnswer answer =
            messages.show(Text(core::MissingRatingQuestion()), core::MissingRatingTitle,
                          platform::MessageIcon::Question, platform::MessageButtons::YesNo);
        if (answer != platform::MessageAnswer::Yes)
            return;
    }
    if (noRating)
        entry.EntryCourseRating = core::DefaultCourseRating;
    if (noSlope)
        entry.EntrySlopeRating = core::DefaultSlopeRating;
    entry.EntryAdjustedScore = core::WholeScore(entry.EntryAdjustedScore);

    if (std::optional<core::EntryRefusal> refusal = core::CheckRoundEntry(
            entry.EntryAdjustedScore, entry.EntryCourseRating, entry.EntrySlopeRating)) {
        messages.beep();
        messages.show(Text(refusal->message), Text(refusal->title),
                      platform::MessageIcon::Exclamation);
        QLineEdit* box = refusal->box == core::EntryBox::Score    ? score_
                         : refusal->box == core::EntryBox::Rating ? rating_
                                                                  : slope_;
        box->setFocus();
        box->clear();
        return;
    }

    core::HandicapRound round;
    round.date = entry.EntryDate;
    round.adjustedScore = entry.EntryAdjustedScore;
    round.courseRating = entry.EntryCourseRating;
    round.slopeRating = entry.EntrySlopeRating;
    round.tournament = yes_->isChecked();
    if (round.tournament)
        round.grossScore = core::GrossScoreValue(gross_->text().toStdString());
    core::HandicapState& handicap = context_.state.handicap;
    std::vector<core::CountingResult> results;
    core::JournaledSave saved =
        core::AddJournaledRounds(handicap, {core::JournalRoundOf(round, entry)}, &results);
    // The handed-over WHS score belongs to that one round.
    entry.PendingWhsAdjustedScore = 0;

    counting_->setText(Text(core::SignedText(results.at(0).counting)));
    highest_->setText(Text(core::SignedText(results.at(0).highest)));
    showHandicaps(core::CourseHandicapMoment::AfterSave);

    if (!saved.handicapFile) {
        reportFailedSave(Text(saved.handicapFile.error));
    } else if (!saved.journal) {
        context_.platform.messages.show(
            "The round was saved, but not in the journal of rounds beside the handicap "
            "file.\r\n\r\n" +
                Text(saved.journal.error) + "\r\n\r\nThe WHS index does not include this round.",
            "Handicap Journal Not Saved", platform::MessageIcon::Exclamation);
    }

    refreshHandicapGrid();
    showWhsFigures();
    done_->setFocus();
    next_->setEnabled(true);
    save_->setEnabled(false);
}

void HandicapWindow::reportFailedSave(const QString& reason) {
    // The round is in the table and counts; the next saved round writes the whole file
    // again, this one with it.
    context_.platform.messages.beep();
    context_.platform.messages.show(
        "The round was added, but the handicap file could not be saved.\r\n\r\n" + reason +
            "\r\n\r\nThe file will be written again with the next round you save.",
        "Handicap File Not Saved", platform::MessageIcon::Critical);
}

void HandicapWindow::refreshHandicapGrid() {
    const core::HandicapState& h = context_.state.handicap;
    for (int row = 1; row <= 20; ++row) {
        core::HandicapGridRow texts = core::GridRow(h, row);
        if (!texts.shown)
            continue;
        cells_[row][0]->setText(Text(texts.date));
        if (!texts.score.empty())
            cells_[row][1]->setText(Text(texts.score));
        cells_[row][2]->setText(Text(texts.preSlope));
        cells_[row][3]->setText(Text(texts.slope));
        setSlopeCellColour(cells_[row][3], texts.tournament);
        counting_->setText(Text(core::SignedText(core::CountingNumber(row))));
    }
    std::string highest = core::HighestDifferentialText(h);
    if (!highest.empty())
        highest_->setText(Text(highest));
}

void HandicapWindow::nextDifferential() {
    showEntryDate();
    dateRefused_ = false;
    for (QLineEdit* box : {score_, rating_, slope_, gross_})
        box->clear();
    no_->setChecked(true);
    hideGrossScore();
    date_->setFocus();
    save_->setEnabled(true);
    next_->setEnabled(false);
}

void HandicapWindow::printReport() {
    const core::HandicapState& handicap = context_.state.handicap;
    context_.platform.printer.print(core::HandicapReportWithWhs(
        handicap, core::WhsFiguresFor(handicap), core::WhsCourseOf(context_.state.course)));
}

void HandicapWindow::viewGraph() {
    OpenLastGamesChart(context_, this);
}

void HandicapWindow::openIndexConverter() {
    SlopeIndexConverter converter(context_, this);
    converter.exec();
}

void HandicapWindow::done(int result) {
    // The score handed over by the score-entry window is used once at most.
    context_.state.entry.PendingAdjustedScore = 0;
    QDialog::done(result);
    if (testAttribute(Qt::WA_DeleteOnClose))
        deleteLater();
}

} // namespace ui
