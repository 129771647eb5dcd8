#pragma once

#include "core/round_journal.h"
#include "ui/app/app_context.h"

#include <QDialog>

#include <optional>

class QLabel;
class QPushButton;
class QTableWidget;

namespace ui {

// "Round History": the rounds saved on the open course, newest first, each of which can be
// printed as a scorecard, corrected or removed; and the rounds exported as CSV.
// objectName "RoundHistory".
class RoundHistoryWindow : public QDialog {
    Q_OBJECT
public:
    RoundHistoryWindow(AppContext& context, QWidget* parent = nullptr);

    QTableWidget* list() const { return list_; }

    void printScorecard();
    void correctRound();
    void removeRound();
    void exportRounds();
    void finishInterruptedChange();

signals:
    // The course statistics were folded again and rewritten.
    void courseChanged();

private:
    void reload();
    void updateButtons();
    // The journal index of the selected round.
    std::optional<size_t> selectedRound() const;

    AppContext& context_;
    core::RoundHistory history_;
    QTableWidget* list_ = nullptr;
    QLabel* earlierLabel_ = nullptr;
    QLabel* readOnlyLabel_ = nullptr;
    QPushButton* scorecardButton_ = nullptr;
    QPushButton* correctButton_ = nullptr;
    QPushButton* removeButton_ = nullptr;
    QPushButton* exportButton_ = nullptr;
    QPushButton* finishButton_ = nullptr;
};

} // namespace ui
