#include "ui/handicap/handicap_history_window.h"

#include "core/handicap_history.h"
#include "platform/chart_control.h"
#include "ui/handicap/round_edit_dialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace ui {
namespace {

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

const QStringList Headings = {"Date",    "Adj Score",  "Rating", "Slope",    "T",
                              "WHS Adj", "Slope Diff", "Index",  "WHS Diff", "WHS Index"};

} // namespace

HandicapHistoryWindow::HandicapHistoryWindow(AppContext& context, QWidget* parent)
    : QDialog(parent), context_(context) {
    setObjectName("HandicapHistory");
    setWindowTitle("Handicap History");
    resize(720, 420);
    auto* layout = new QVBoxLayout(this);
    reason_ = new QLabel(this);
    reason_->setObjectName("HistoryReason");
    reason_->setWordWrap(true);
    layout->addWidget(reason_);
    table_ = new QTableWidget(0, Headings.size(), this);
    table_->setObjectName("HistoryTable");
    table_->setHorizontalHeaderLabels(Headings);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    layout->addWidget(table_);

    auto* buttons = new QHBoxLayout;
    correct_ = new QPushButton("Correct...", this);
    correct_->setObjectName("CorrectRound");
    remove_ = new QPushButton("Remove", this);
    remove_->setObjectName("RemoveRound");
    auto* chart = new QPushButton("Chart", this);
    chart->setObjectName("IndexChart");
    auto* close = new QPushButton("Close", this);
    close->setObjectName("CloseHistory");
    buttons->addWidget(correct_);
    buttons->addWidget(remove_);
    buttons->addWidget(chart);
    buttons->addStretch();
    buttons->addWidget(close);
    layout->addLayout(buttons);
    connect(correct_, &QPushButton::clicked, this, &HandicapHistoryWindow::askCorrection);
    connect(remove_, &QPushButton::clicked, this, &HandicapHistoryWindow::askRemoval);
    connect(chart, &QPushButton::clicked, this, &HandicapHistoryWindow::showChart);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    fill();
}

void HandicapHistoryWindow::fill() {
    journal_ = core::ReadJournalFor(context_.state.handicap);
    std::vector<core::HistoryRow> rows = core::HandicapHistoryRows(journal_.journal);
    table_->setRowCount(static_cast<int>(rows.size()));
    savedPositions_.clear();
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        const core::HistoryRow& r = rows[i];
        savedPositions_.push_back(r.savedPosition);
        const std::string* cells[] = {&r.date,
                                      &r.adjustedScore,
                                      &r.courseRating,
                                      &r.slopeRating,
                                      &r.tournament,
                                      &r.whsAdjustedScore,
                                      &r.slopeDifferential,
                                      &r.handicapIndex,
                                      &r.whsDifferential,
                                      &r.whsIndex};
        for (int column = 0; column < Headings.size(); ++column) {
            auto* item = new QTableWidgetItem(Text(*cells[column]));
            item->setTextAlignment(Qt::AlignCenter);
            table_->setItem(i, column, item);
        }
    }
    if (!rows.empty())
        table_->selectRow(0);
    const bool editable = journal_.editable() && !rows.empty();
    correct_->setEnabled(editable);
    remove_->setEnabled(editable);
    QString why;
    if (journal_.status == core::JournalReading::Status::Missing)
        why = "No round has been saved into this handicap file's journal yet.";
    else if (!journal_.editable())
        why = Text(journal_.reason) + " The history can be read but not changed.";
    reason_->setText(why);
    reason_->setVisible(!why.isEmpty());
}

bool HandicapHistoryWindow::rewrite(std::vector<core::JournalRound> rounds) {
    core::JournaledSave saved =
        core::RewriteJournaledRounds(context_.state.handicap, std::move(rounds));
    bool ok = saved.journal && saved.handicapFile;
    if (!ok) {
        context_.platform.messages.beep();
        context_.platform.messages.show(
            "The change could not be saved.\r\n\r\n" +
                Text(!saved.journal ? saved.journal.error : saved.handicapFile.error),
            "Handicap History", platform::MessageIcon::Critical);
    }
    fill();
    emit roundsChanged();
    return ok;
}

bool HandicapHistoryWindow::correctRound(int row, const core::RoundEditTexts& texts) {
    if (!journal_.editable() || row < 0 || row >= static_cast<int>(savedPositions_.size()))
        return false;
    auto checked = core::CheckEditedRound(texts);
    if (const std::string* refusal = std::get_if<std::string>(&checked)) {
        context_.platform.messages.beep();
        context_.platform.messages.show(Text(*refusal), "Invalid Round",
                                        platform::MessageIcon::Exclamation);
        return false;
    }
    std::vector<core::JournalRound> rounds = journal_.journal.rounds;
    rounds[savedPositions_[row]] = std::get<core::JournalRound>(checked);
    return rewrite(std::move(rounds));
}

bool HandicapHistoryWindow::removeRound(int row) {
    if (!journal_.editable() || row < 0 || row >= static_cast<int>(savedPositions_.size()))
        return false;
    std::vector<core::JournalRound> rounds = journal_.journal.rounds;
    const size_t position = savedPositions_[row];
    QString date = table_->item(row, 0)->text();
    if (context_.platform.messages.show(
            "Remove the round of " + date + " from the handicap file and its journal?",
            "Remove Round", platform::MessageIcon::Question,
            platform::MessageButtons::YesNo) != platform::MessageAnswer::Yes)
        return false;
    rounds.erase(rounds.begin() + static_cast<std::ptrdiff_t>(position));
    return rewrite(std::move(rounds));
}

void HandicapHistoryWindow::askCorrection() {
    int row = table_->currentRow();
    if (row < 0 || row >= static_cast<int>(savedPositions_.size()))
        return;
    RoundEditDialog dialog(core::EditTextsOf(journal_.journal.rounds[savedPositions_[row]]), this);
    while (dialog.exec() == QDialog::Accepted)
        if (correctRound(row, dialog.texts()))
            return;
}

void HandicapHistoryWindow::askRemoval() {
    removeRound(table_->currentRow());
}

void HandicapHistoryWindow::showChart() {
    QDialog chartWindow(this);
    chartWindow.setObjectName("IndexChartWindow");
    chartWindow.setWindowTitle("Handicap Indexes");
    chartWindow.resize(640, 400);
    auto* layout = new QVBoxLayout(&chartWindow);
    auto* chart = new platform::ChartControl(&chartWindow);
    chart->setObjectName("IndexChartControl");
    chart->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    layout->addWidget(chart, 1);
    const QString legendText =
        QString("<span style=\"color:%1\">&#9632;</span> Handicap Index (slope system) "
                "&nbsp;&nbsp; <span style=\"color:%2\">&#9632;</span> WHS Index")
            .arg(chart->colors().setColor(1).name(), chart->colors().setColor(2).name());
    layout->addWidget(new QLabel(legendText, &chartWindow));
    chart->apply(core::IndexChartScript(journal_.journal));
    chartWindow.exec();
}

} // namespace ui
