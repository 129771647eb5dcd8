#include "ui/stats/round_history_window.h"

#include "core/round_csv.h"
#include "core/round_history.h"
#include "core/round_list.h"
#include "core/scorecard.h"
#include "ui/app/window_routines.h"
#include "ui/entry/score_entry_window.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace ui {
namespace {

using platform::MessageAnswer;
using platform::MessageButtons;
using platform::MessageIcon;

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

const QStringList Columns = {"Date",  "Front",    "Back",   "Total",
                             "Putts", "Fairways", "Greens", "Penalties"};

} // namespace

RoundHistoryWindow::RoundHistoryWindow(AppContext& context, QWidget* parent)
    : QDialog(parent), context_(context) {
    setObjectName("RoundHistory");
    setWindowTitle("Round History");

    list_ = new QTableWidget(0, static_cast<int>(Columns.size()), this);
    list_->setObjectName("RoundList");
    list_->setHorizontalHeaderLabels(Columns);
    list_->setToolTip("Greens = greens in regulation");
    list_->verticalHeader()->hide();
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    connect(list_, &QTableWidget::itemSelectionChanged, this, &RoundHistoryWindow::updateButtons);
    connect(list_, &QTableWidget::cellDoubleClicked, this, &RoundHistoryWindow::printScorecard);

    earlierLabel_ = new QLabel(this);
    earlierLabel_->setObjectName("EarlierRounds");
    earlierLabel_->setWordWrap(true);
    readOnlyLabel_ = new QLabel(this);
    readOnlyLabel_->setObjectName("ReadOnlyReason");
    readOnlyLabel_->setWordWrap(true);
    auto* handicapNote = new QLabel(Q(std::string(core::HandicapNoteText)), this);
    handicapNote->setObjectName("HandicapNote");
    handicapNote->setWordWrap(true);

    auto button = [this](const char* name, const QString& caption,
                         void (RoundHistoryWindow::*slot)()) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        connect(b, &QPushButton::clicked, this, slot);
        return b;
    };
    scorecardButton_ = button("ScorecardButton", "Scorecard", &RoundHistoryWindow::printScorecard);
    correctButton_ = button("CorrectButton", "Correct", &RoundHistoryWindow::correctRound);
    removeButton_ = button("RemoveButton", "Remove", &RoundHistoryWindow::removeRound);
    exportButton_ = button("ExportButton", "Export Rounds...", &RoundHistoryWindow::exportRounds);
    finishButton_ =
        button("FinishButton", "Finish Change", &RoundHistoryWindow::finishInterruptedChange);
    auto* closeButton = new QPushButton("Close", this);
    closeButton->setObjectName("CloseButton");
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b :
         {scorecardButton_, correctButton_, removeButton_, exportButton_, finishButton_})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(closeButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(readOnlyLabel_);
    layout->addWidget(list_, 1);
    layout->addWidget(earlierLabel_);
    layout->addWidget(handicapNote);
    layout->addLayout(buttons);
    resize(640, 420);
    CenterForm(*this, context_);
    reload();
}

void RoundHistoryWindow::reload() {
    history_ = core::LoadRoundHistory(context_.state.course.CourseFileName);
    const std::vector<core::RoundListRow> rows =
        core::RoundListNewestFirst(context_.state.course, history_.journal.rounds);
    list_->clearContents();
    list_->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const core::RoundListRow& row = rows[static_cast<size_t>(r)];
        const std::string* cells[] = {&row.date,  &row.front,    &row.back,   &row.total,
                                      &row.putts, &row.fairways, &row.greens, &row.penalties};
        for (int c = 0; c < static_cast<int>(std::size(cells)); ++c) {
            auto* item = new QTableWidgetItem(Q(*cells[c]));
            item->setData(Qt::UserRole, static_cast<qulonglong>(row.index));
            if (c > 0)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            list_->setItem(r, c, item);
        }
    }
    const QString earlier = Q(core::EarlierRoundsText(history_.earlierRounds()));
    earlierLabel_->setText(earlier);
    earlierLabel_->setVisible(!earlier.isEmpty());
    const QString readOnly = Q(core::ReadOnlyText(history_));
    readOnlyLabel_->setText(readOnly);
    readOnlyLabel_->setVisible(!readOnly.isEmpty());
    finishButton_->setVisible(history_.status == core::HistoryStatus::Interrupted);
    updateButtons();
}

void RoundHistoryWindow::updateButtons() {
    const bool selected = selectedRound().has_value();
    const bool editable = history_.status == core::HistoryStatus::Matches;
    scorecardButton_->setEnabled(selected);
    correctButton_->setEnabled(selected && editable);
    removeButton_->setEnabled(selected && editable);
    exportButton_->setEnabled(!history_.journal.rounds.empty());
}

std::optional<size_t> RoundHistoryWindow::selectedRound() const {
    const QList<QTableWidgetItem*> items = list_->selectedItems();
    if (items.isEmpty())
        return std::nullopt;
    return static_cast<size_t>(items.first()->data(Qt::UserRole).toULongLong());
}

void RoundHistoryWindow::printScorecard() {
    std::optional<size_t> index = selectedRound();
    if (!index)
        return;
    const core::CourseState& course = context_.state.course;
    const core::TypedRound& round = history_.journal.rounds[*index];
    // Only the card itself: partners, weather and tournament belong to the day it was played.
    context_.platform.printer.print(core::ScorecardDocument(
        course, round, core::ComputeRoundFigures(course, round), core::ScorecardInfo{}));
}

void RoundHistoryWindow::correctRound() {
    std::optional<size_t> index = selectedRound();
    if (!index || history_.status != core::HistoryStatus::Matches)
        return;
    // The date being entered for new rounds is not the corrected round's.
    const double entryDate = context_.state.entry.EntryDate;
    bool corrected = false;
    {
        ScoreEntryWindow window(context_, this);
        window.startCorrection(*index, history_.journal.rounds[*index]);
        window.exec();
        corrected = window.correctionSaved();
    }
    context_.state.entry.EntryDate = entryDate;
    reload();
    if (corrected)
        emit courseChanged();
}

void RoundHistoryWindow::removeRound() {
    std::optional<size_t> index = selectedRound();
    if (!index || history_.status != core::HistoryStatus::Matches)
        return;
    auto& messages = context_.platform.messages;
    const core::RoundListRow row =
        core::RoundListNewestFirst(context_.state.course, {history_.journal.rounds[*index]})
            .front();
    if (messages.show("Remove the round of " + Q(row.date) + " (" + Q(row.total) +
                          ") from this course?\r\n\r\nThe statistics will be made again "
                          "from the remaining rounds.",
                      "Remove Round", MessageIcon::Question,
                      MessageButtons::YesNo) != MessageAnswer::Yes)
        return;
    core::FileResult removed = core::RemoveRound(context_.state.course, *index);
    if (!removed) {
        messages.beep();
        messages.show("The round has not been removed.\r\n\r\n" + Q(removed.error),
                      "Course File Error", MessageIcon::Critical);
    } else
        context_.state.courseFileStamp =
            core::CurrentFileStamp(context_.state.course.CourseFileName);
    reload();
    if (removed)
        emit courseChanged();
}

void RoundHistoryWindow::exportRounds() {
    platform::FileDialogRequest request;
    request.title = "Export Rounds";
    request.filter = "Rounds (*.csv)|*.csv|All Files (*.*)|*.*|";
    request.defaultExtension = "csv";
    request.flags = platform::DialogFlag::ForSaving;
    std::optional<QString> path = context_.platform.fileDialogs.saveFile(request);
    if (!path || path->isEmpty())
        return;
    core::FileResult written = core::WriteRoundsCsv(path->toStdString(), history_.journal.rounds);
    if (!written) {
        context_.platform.messages.beep();
        context_.platform.messages.show(Q(written.error), "Export Rounds", MessageIcon::Critical);
    }
}

void RoundHistoryWindow::finishInterruptedChange() {
    core::CourseState finished;
    core::FileResult result =
        core::FinishInterruptedChange(context_.state.course.CourseFileName, finished);
    if (!result) {
        context_.platform.messages.beep();
        context_.platform.messages.show(Q(result.error), "Round History", MessageIcon::Critical);
    } else {
        context_.state.course = std::move(finished);
    }
    reload();
    if (result)
        emit courseChanged();
}

} // namespace ui
