#pragma once

#include "core/round_folding.h"
#include "ui/app/app_context.h"

#include <QDialog>

#include <array>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace platform {
class ThreeDButton;
}

namespace ui {

// "Add a New Score": one round typed hole by hole, saved into the open course,
// printed as a scorecard and handed to the handicap. objectName "Score2".
class ScoreEntryWindow : public QDialog {
    Q_OBJECT
public:
    ScoreEntryWindow(AppContext& context, QWidget* parent = nullptr);

    // The command buttons.
    void save();
    void nextScore();
    void done();
    void printScorecard();
    void handOverToHandicap();
    void nextDay();
    void previousDay();
    void explainSandEntries();

    // The round as typed so far.
    const core::TypedRound& round() const { return round_; }

    // Fills the window with journaled round `index` (0 = the oldest) to correct it: "Save"
    // then replaces that round, with the same checks and without congratulations.
    void startCorrection(size_t index, const core::TypedRound& round);
    bool correctionSaved() const { return correcting_ && savedRound_.has_value(); }

private:
    void build();
    QLineEdit* addBox(const QString& name, int x, int y, int width);
    QLabel* addLabel(const QString& name, const QString& caption, int x, int y, int width,
                     Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);

    void scoreChanged(int hole, const QString& text);
    void puttsChanged(int hole, const QString& text);
    void fairwaysChanged(const QString& text);
    void validateRoundDate();
    void showEntryDate();
    void clearRound();
    void showPanels(const core::RoundFigures& figures);
    void congratulate(const core::SaveOutcome& outcome, bool holesInOne);
    // Checks the card as "Save" does, asking about holes without putts, and folds it into
    // `course`; a refused card is reported and leaves `course` as it was.
    core::SaveOutcome checkAndFold(core::CourseState& course);
    void saveCorrection();

    AppContext& context_;
    core::TypedRound round_;
    // The round as it was saved, for the scorecard and the handicap.
    std::optional<core::TypedRound> savedRound_;
    core::RoundFigures savedFigures_;
    std::optional<size_t> correcting_; // the journaled round being corrected

    std::array<QLineEdit*, 19> scoreBoxes_{}; // 1-based
    std::array<QLineEdit*, 19> puttBoxes_{};  // 1-based
    QLineEdit* fairwaysBox_ = nullptr;
    QLineEdit* penaltiesBox_ = nullptr;
    QLineEdit* sandShotsBox_ = nullptr;
    QLineEdit* sandSavesBox_ = nullptr;
    QLineEdit* attemptsBox_ = nullptr;
    QLineEdit* dateBox_ = nullptr;
    QLabel* frontScoreLabel_ = nullptr;
    QLabel* frontPuttsLabel_ = nullptr;
    QLabel* backScoreLabel_ = nullptr;
    QLabel* backPuttsLabel_ = nullptr;
    QLabel* totalScoreLabel_ = nullptr;
    QLabel* totalPuttsLabel_ = nullptr;
    std::array<QLabel*, 15> statisticsLabels_{}; // Label5..Label19
    std::array<QLabel*, 4> standardLabels_{};    // Label35..Label38
    std::array<QLabel*, 4> usgaLabels_{};        // Label39..Label42
    QPushButton* saveButton_ = nullptr;
    QPushButton* nextScoreButton_ = nullptr;
    QPushButton* printButton_ = nullptr;
    QPushButton* updateHandicapButton_ = nullptr;
    QPushButton* doneButton_ = nullptr;
    QPushButton* plusButton_ = nullptr;
    QPushButton* minusButton_ = nullptr;
    platform::ThreeDButton* sandHelpButton_ = nullptr;
};

} // namespace ui
