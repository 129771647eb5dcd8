// The score-entry window correcting a round of the course's history.
#include "core/number_text.h"
#include "core/round_history.h"
#include "ui/entry/score_entry_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

namespace ui {
namespace {

using platform::MessageIcon;

const QString LineBreak = "\r\n";

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

void ScoreEntryWindow::startCorrection(size_t index, const core::TypedRound& round) {
    correcting_ = index;
    setWindowTitle("Correct a Score -  " + Q(context_.state.course.CourseFileName));
    context_.state.entry.EntryDate = round.EntryDate;
    showEntryDate();
    // The round was checked when it was saved: no score queries while it is filled in.
    auto fill = [](QLineEdit* box, const QString& text) {
        QSignalBlocker quiet(box);
        box->setText(text);
    };
    for (int h = 1; h <= core::HoleCount; ++h) {
        fill(scoreBoxes_[h], QString::number(round.HoleScore[h]));
        fill(puttBoxes_[h], QString::number(round.HolePutts[h]));
    }
    const std::pair<QLineEdit*, float> optional[] = {{fairwaysBox_, round.RoundFairways},
                                                     {penaltiesBox_, round.RoundPenalties},
                                                     {sandShotsBox_, round.RoundSandShots},
                                                     {sandSavesBox_, round.RoundSandSaves},
                                                     {attemptsBox_, round.RoundSandAttempts}};
    for (const auto& [box, value] : optional)
        fill(box, value == 0 ? QString() : Q(core::PlainText(value)));
    round_ = round;
    frontScoreLabel_->setText(Q(core::SignedText(round_.FrontScore())));
    backScoreLabel_->setText(Q(core::SignedText(round_.BackScore())));
    totalScoreLabel_->setText(Q(core::SignedText(round_.TotalScore())));
    frontPuttsLabel_->setText(Q(core::SignedText(round_.FrontPutts())));
    backPuttsLabel_->setText(Q(core::SignedText(round_.BackPutts())));
    totalPuttsLabel_->setText(Q(core::SignedText(round_.TotalPutts())));
}

void ScoreEntryWindow::saveCorrection() {
    auto& messages = context_.platform.messages;
    round_.EntryDate = context_.state.entry.EntryDate;
    // The checks and questions of a new round, on a copy: the history folds it in its place.
    core::CourseState scratch = context_.state.course;
    core::SaveOutcome outcome = checkAndFold(scratch);
    if (outcome.status != core::SaveStatus::Saved)
        return;
    core::FileResult written = core::CorrectRound(context_.state.course, *correcting_, round_);
    if (!written) {
        messages.beep();
        messages.show("This correction has not been saved." + LineBreak + LineBreak +
                          Q(written.error) + LineBreak + LineBreak +
                          "The round and the statistics are as they were.",
                      "Course File Error", MessageIcon::Critical);
        return;
    }
    context_.state.courseFileStamp = core::CurrentFileStamp(context_.state.course.CourseFileName);
    savedRound_ = round_;
    savedFigures_ = outcome.figures;
    showPanels(outcome.figures);
    printButton_->setEnabled(true);
    saveButton_->setEnabled(false);
}

} // namespace ui
