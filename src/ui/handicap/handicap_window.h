#pragma once

#include "core/handicap_report.h"
#include "ui/app/app_context.h"

#include <QDialog>

#include <array>

class QLabel;
class QLineEdit;
class QRadioButton;

namespace platform {
class PictureBox;
class ThreeDButton;
} // namespace platform

namespace ui {

class WhsFiguresPanel;

// Form4: records one round at a time for handicap, shows the index, the pre-slope and
// course handicaps and the last 20 rounds, and rewrites the handicap file after each
// saved round.
class HandicapWindow : public QDialog {
    Q_OBJECT
public:
    HandicapWindow(AppContext& context, QWidget* parent = nullptr);

    // Starts again from the shared state, as a newly opened window does.
    void reload();
    // Shows the current handicaps and grid, leaving the entry boxes as they are.
    void showState();

    // The window's commands, public so that tests can drive them.
    void validateEntryDate();
    void stepDate(int days);
    void saveRound();
    void nextDifferential();
    void printReport();
    void viewGraph();
    void openIndexConverter();
    void refreshHandicapGrid();
    // The rounds of the handicap journal, to correct or remove one.
    void openHistory();

    // Grid cell of a row 1..20 and a column: 0 date, 1 score, 2 pre-slope, 3 slope.
    QLabel* cell(int row, int column) const;

    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void drawGridBorders();
    void clearGrid();
    void showHandicaps(core::CourseHandicapMoment moment);
    void showEntryDate();
    void hideGrossScore();
    void setSlopeCellColour(QLabel* cell, bool tournament);
    void reportFailedSave(const QString& reason);
    void showWhsFigures();

    AppContext& context_;
    platform::PictureBox* grid_ = nullptr;
    std::array<std::array<QLabel*, 4>, 21> cells_{}; // [row][column], row 0 unused
    QLabel* preSlope_ = nullptr;                     // Label1
    QLabel* index_ = nullptr;                        // Label87
    QLabel* courseHandicap_ = nullptr;               // Label88
    QLabel* counting_ = nullptr;                     // Label91
    QLabel* highest_ = nullptr;                      // Label92
    QLabel* grossLabel_ = nullptr;                   // Label83
    QLineEdit* date_ = nullptr;                      // Text1
    QLineEdit* score_ = nullptr;                     // Text2
    QLineEdit* rating_ = nullptr;                    // Text3
    QLineEdit* slope_ = nullptr;                     // Text4
    QLineEdit* gross_ = nullptr;                     // Text5
    QRadioButton* yes_ = nullptr;                    // Option2
    QRadioButton* no_ = nullptr;                     // Option1
    platform::ThreeDButton* save_ = nullptr;         // SSCommand5
    platform::ThreeDButton* next_ = nullptr;         // SSCommand4
    platform::ThreeDButton* done_ = nullptr;         // SSCommand6
    WhsFiguresPanel* whs_ = nullptr;
    // The date box holds a date that was refused; nothing is saved until it is put right.
    bool dateRefused_ = false;
};

} // namespace ui
