#pragma once

#include "core/handicap_journal.h"
#include "core/whs_entry.h"
#include "ui/app/app_context.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTableWidget;

namespace ui {

// Every round of the handicap journal, newest first, with both differentials and both
// indexes after it. A round can be corrected or removed; both systems are then worked
// out again from the journal and the handicap file is rewritten. When the file and the
// journal disagree the list is read-only and says why.
class HandicapHistoryWindow : public QDialog {
    Q_OBJECT
public:
    HandicapHistoryWindow(AppContext& context, QWidget* parent = nullptr);

    // Row of the list (0 = newest) to the round typed in; false when it was refused.
    bool correctRound(int row, const core::RoundEditTexts& texts);
    // Removes the round of a row after asking; false when nothing was removed.
    bool removeRound(int row);
    void showChart();
    void fill();

    QTableWidget* table() const { return table_; }

signals:
    // The journal and the handicap state changed.
    void roundsChanged();

private:
    bool rewrite(std::vector<core::JournalRound> rounds);
    void askCorrection();
    void askRemoval();

    AppContext& context_;
    core::JournalReading journal_;
    std::vector<size_t> savedPositions_; // of each row
    QTableWidget* table_ = nullptr;
    QLabel* reason_ = nullptr;
    QPushButton* correct_ = nullptr;
    QPushButton* remove_ = nullptr;
};

} // namespace ui
