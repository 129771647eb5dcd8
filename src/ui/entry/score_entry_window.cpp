#include "ui/entry/score_entry_window.h"

#include "core/course_file.h"
#include "core/day_number.h"
#include "core/handicap_file.h"
#include "core/number_text.h"
#include "core/round_entry.h"
#include "core/scorecard.h"
#include "core/whs_entry.h"
#include "platform/three_d_button.h"
#include "ui/app/key_filters.h"
#include "ui/app/window_routines.h"
#include "ui/entry/scorecard_info_window.h"
#include "ui/handicap/open_handicap_window.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace ui {
namespace {

using platform::MessageButtons;
using platform::MessageIcon;

const QString LineBreak = "\r\n";

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// Scorecard grid: nine hole columns, then the nine's total and the 18-hole total.
constexpr int HoleLeft = 70;
constexpr int HoleStep = 40;
constexpr int BoxWidth = 36;
constexpr int RowHeight = 22;
constexpr int NineTotalLeft = HoleLeft + 9 * HoleStep;
constexpr int TotalLeft = NineTotalLeft + 44;

int HoleX(int column) {
    return HoleLeft + column * HoleStep;
}

QString NoPuttsText(int hole) {
    return "Unable to save this score." + LineBreak + LineBreak +
           "You are possibly missing a Putting Score on Hole #" + Q(core::SignedText(hole)) +
           "  You must fill in the data for ALL holes before continuing." + LineBreak + LineBreak +
           "If you had a CHIP-IN (0 putts) or a HOLE-IN-ONE on this hole click OK to"
           " continue else correct the error first by selecting CANCEL.";
}

} // namespace

ScoreEntryWindow::ScoreEntryWindow(AppContext& context, QWidget* parent)
    : QDialog(parent), context_(context) {
    setObjectName("Score2");
    setWindowTitle("Add a New Score -  " + Q(context_.state.course.CourseFileName));
    build();
    setFixedSize(780, 440);
    CenterForm(*this, context_);

    nextScoreButton_->setEnabled(false);
    updateHandicapButton_->setEnabled(false);
    printButton_->setEnabled(false);
    saveButton_->setEnabled(true);
    showEntryDate();
}

QLineEdit* ScoreEntryWindow::addBox(const QString& name, int x, int y, int width) {
    auto* box = new QLineEdit(this);
    box->setObjectName(name);
    box->setGeometry(x, y, width, RowHeight);
    box->setAlignment(Qt::AlignCenter);
    return box;
}

QLabel* ScoreEntryWindow::addLabel(const QString& name, const QString& caption, int x, int y,
                                   int width, Qt::Alignment alignment) {
    auto* label = new QLabel(caption, this);
    label->setObjectName(name);
    label->setGeometry(x, y, width, RowHeight);
    label->setAlignment(alignment);
    return label;
}

void ScoreEntryWindow::build() {
    // Date.
    addLabel("Label55", "Date:", 10, 10, 40);
    dateBox_ = addBox("Text39", 52, 10, 90);
    plusButton_ = new QPushButton("+", this);
    plusButton_->setObjectName("Command4");
    plusButton_->setGeometry(146, 10, 26, RowHeight);
    minusButton_ = new QPushButton("-", this);
    minusButton_->setObjectName("Command6");
    minusButton_->setGeometry(176, 10, 26, RowHeight);

    // The two nines, laid out as on a scorecard.
    const Qt::Alignment centre = Qt::AlignCenter;
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    const QStringList frontHeadings = {"Label64", "Label69", "Label70", "Label71", "Label72",
                                       "Label73", "Label74", "Label75", "Label76"};
    const QStringList backHeadings = {"Label65", "Label78", "Label79", "Label80", "Label81",
                                      "Label82", "Label83", "Label84", "Label85"};
    addLabel("Label60", "Front 9", 10, 46, 58);
    addLabel("Label66", "Back 9", 10, 130, 58);
    for (int i = 0; i < 9; ++i) {
        addLabel(frontHeadings[i], QString::number(i + 1), HoleX(i), 46, BoxWidth, centre);
        addLabel(backHeadings[i], QString::number(i + 10), HoleX(i), 130, BoxWidth, centre);
    }
    addLabel("Label77", "Out", NineTotalLeft, 46, 40, right);
    addLabel("Label86", "In", NineTotalLeft, 130, 40, right);
    addLabel("Label87", "Total", TotalLeft, 130, 44, right);
    addLabel("Label56", "Score:", 10, 68, 58);
    addLabel("Label57", "Putts:", 10, 94, 58);
    addLabel("Label58", "Score:", 10, 152, 58);
    addLabel("Label59", "Putts:", 10, 178, 58);

    for (int h = 1; h <= core::HoleCount; ++h) {
        bool front = h <= 9;
        int column = front ? h - 1 : h - 10;
        int scoreNumber = front ? h : h + 9;     // Text1..9, Text19..27
        int puttNumber = front ? h + 9 : h + 18; // Text10..18, Text28..36
        int scoreY = front ? 68 : 152;
        scoreBoxes_[h] =
            addBox("Text" + QString::number(scoreNumber), HoleX(column), scoreY, BoxWidth);
        puttBoxes_[h] =
            addBox("Text" + QString::number(puttNumber), HoleX(column), scoreY + 26, BoxWidth);
        FilterDigits(*scoreBoxes_[h], 0, 99);
        FilterDigits(*puttBoxes_[h], 0, 99);
        connect(scoreBoxes_[h], &QLineEdit::textChanged, this,
                [this, h](const QString& text) { scoreChanged(h, text); });
        connect(puttBoxes_[h], &QLineEdit::textChanged, this,
                [this, h](const QString& text) { puttsChanged(h, text); });
    }
    frontScoreLabel_ = addLabel("Label1", "", NineTotalLeft, 68, 40, right);
    frontPuttsLabel_ = addLabel("Label2", "", NineTotalLeft, 94, 40, right);
    backScoreLabel_ = addLabel("Label3", "", NineTotalLeft, 152, 40, right);
    backPuttsLabel_ = addLabel("Label4", "", NineTotalLeft, 178, 40, right);
    totalScoreLabel_ = addLabel("Label51", "", TotalLeft, 152, 44, right);
    totalPuttsLabel_ = addLabel("Label52", "", TotalLeft, 178, 44, right);

    // The round's optional figures.
    addLabel("Label61", "FairWays in Regulation:", 10, 218, 150);
    fairwaysBox_ = addBox("Text37", 162, 218, 40);
    addLabel("Label63", "Penalty Strokes:", 10, 244, 150);
    penaltiesBox_ = addBox("Text40", 162, 244, 40);
    addLabel("Label89", "Total # of Sand Shots:", 10, 270, 150);
    sandShotsBox_ = addBox("Text42", 162, 270, 40);
    addLabel("Label62", "Sand Saves:", 10, 296, 150);
    sandSavesBox_ = addBox("Text38", 162, 296, 40);
    addLabel("Label88", "Attempts:", 10, 322, 150);
    attemptsBox_ = addBox("Text41", 162, 322, 40);
    FilterDigits(*fairwaysBox_, 0, 18);
    FilterDigits(*sandSavesBox_, 0, 18);
    connect(fairwaysBox_, &QLineEdit::textChanged, this, &ScoreEntryWindow::fairwaysChanged);
    auto keepValue = [this](QLineEdit* box, float core::TypedRound::*field) {
        connect(box, &QLineEdit::textChanged, this, [this, field](const QString& text) {
            round_.*field = static_cast<float>(core::ReadNumber(text.toStdString()));
        });
    };
    keepValue(penaltiesBox_, &core::TypedRound::RoundPenalties);
    keepValue(sandShotsBox_, &core::TypedRound::RoundSandShots);
    keepValue(sandSavesBox_, &core::TypedRound::RoundSandSaves);
    keepValue(attemptsBox_, &core::TypedRound::RoundSandAttempts);

    sandHelpButton_ = new platform::ThreeDButton("", this);
    sandHelpButton_->setObjectName("SSCommand1");
    sandHelpButton_->setPicture(QPixmap(":/pictures/sand.png"));
    sandHelpButton_->setGeometry(208, 270, 40, 44);

    // Adjusted gross scores.
    auto* adjusted = new QFrame(this);
    adjusted->setObjectName("AdjustedPanel");
    adjusted->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    adjusted->setGeometry(254, 212, 280, 150);
    auto panelLabel = [&](QWidget* panel, const QString& name, const QString& caption, int x, int y,
                          int width, Qt::Alignment alignment) {
        auto* label = new QLabel(caption, panel);
        label->setObjectName(name);
        label->setGeometry(x, y, width, 19);
        label->setAlignment(alignment);
        return label;
    };
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
    panelLabel(adjusted, "Label68", "Adjusted Gross Scores", 6, 4, 268, centre);
    panelLabel(adjusted, "Label48", "Standard ESC.", 6, 28, 128, left);
    panelLabel(adjusted, "Label49", "USGA ESC.", 142, 28, 128, left);
    const QStringList standardCaptions = {"Hdcp 0 or Plus", "Hdcp 1 to 18", "Hdcp 19 to 32",
                                          "Hdcp 33 +"};
    const QStringList usgaCaptions = {"Hdcp 0-9", "Hdcp 10-19", "Hdcp 20-29", "Hdcp 30-39"};
    const QStringList standardNames = {"Label43", "Label44", "Label45", "Label46"};
    const QStringList usgaNames = {"Label47", "Label50", "Label53", "Label54"};
    for (int k = 0; k < core::EscSteps; ++k) {
        int y = 50 + k * 22;
        panelLabel(adjusted, standardNames[k], standardCaptions[k], 6, y, 92, left);
        standardLabels_[k] =
            panelLabel(adjusted, "Label" + QString::number(35 + k), "", 98, y, 36, right);
        panelLabel(adjusted, usgaNames[k], usgaCaptions[k], 142, y, 92, left);
        usgaLabels_[k] =
            panelLabel(adjusted, "Label" + QString::number(39 + k), "", 234, y, 36, right);
    }

    // Statistics of this game.
    auto* statistics = new QFrame(this);
    statistics->setObjectName("StatisticsPanel");
    statistics->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    statistics->setGeometry(546, 46, 224, 318);
    panelLabel(statistics, "Label67", "Statistics This Game", 6, 4, 212, centre);
    const QStringList statisticsCaptions = {
        "1 Putt Greens", "2 Putt Greens", "3/3+ Putt Greens",
        "Avg. Par 3's",  "Avg. Par 4's",  "Avg. Par 5's",
        "Dbl Eagles",    "Eagles",        "Birdies",
        "Pars",          "Bogeys",        "Others",
        "Greens in Reg", "Chip In's",     "Avg.Putts (Greens/Reg)"};
    for (int i = 0; i < 15; ++i) {
        int y = 28 + i * 19;
        panelLabel(statistics, "Label" + QString::number(20 + i), statisticsCaptions[i], 6, y, 156,
                   left);
        statisticsLabels_[i] =
            panelLabel(statistics, "Label" + QString::number(5 + i), "", 162, y, 50, right);
    }

    // Commands.
    auto command = [&](const QString& name, const QString& caption, int x, int width) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(name);
        button->setGeometry(x, 390, width, 30);
        // Enter in a box must not press a button: a round is saved only on purpose.
        button->setAutoDefault(false);
        button->setDefault(false);
        return button;
    };
    saveButton_ = command("Command1", "Save", 10, 100);
    nextScoreButton_ = command("Command3", "Next Score", 118, 100);
    printButton_ = command("Command5", "Print", 226, 100);
    updateHandicapButton_ = command("Command7", "Update Handicap", 334, 130);
    doneButton_ = command("Command2", "Done", 472, 100);
    plusButton_->setAutoDefault(false);
    minusButton_->setAutoDefault(false);

    connect(saveButton_, &QPushButton::clicked, this, &ScoreEntryWindow::save);
    connect(nextScoreButton_, &QPushButton::clicked, this, &ScoreEntryWindow::nextScore);
    connect(printButton_, &QPushButton::clicked, this, &ScoreEntryWindow::printScorecard);
    connect(updateHandicapButton_, &QPushButton::clicked, this,
            &ScoreEntryWindow::handOverToHandicap);
    connect(doneButton_, &QPushButton::clicked, this, &ScoreEntryWindow::done);
    connect(plusButton_, &QPushButton::clicked, this, &ScoreEntryWindow::nextDay);
    connect(minusButton_, &QPushButton::clicked, this, &ScoreEntryWindow::previousDay);
    connect(sandHelpButton_, &QToolButton::clicked, this, &ScoreEntryWindow::explainSandEntries);
    connect(dateBox_, &QLineEdit::textChanged, this, &ScoreEntryWindow::validateRoundDate);

    // Tab order: all the scores, then all the putts, the optional figures, the two main
    // commands, and the date last.
    QList<QWidget*> order;
    for (int h = 1; h <= core::HoleCount; ++h)
        order << scoreBoxes_[h];
    for (int h = 1; h <= core::HoleCount; ++h)
        order << puttBoxes_[h];
    order << fairwaysBox_ << penaltiesBox_ << sandShotsBox_ << sandSavesBox_ << attemptsBox_
          << saveButton_ << doneButton_ << dateBox_ << plusButton_ << minusButton_
          << nextScoreButton_ << printButton_ << updateHandicapButton_ << sandHelpButton_;
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void ScoreEntryWindow::scoreChanged(int hole, const QString& text) {
    int value = core::HoleValueFromText(text.toStdString());
    round_.HoleScore[hole] = value;
    if (value >= core::ScoreQueryFrom) {
        context_.platform.messages.beep();
        context_.platform.messages.show("Are you sure you have entered the correct score?",
                                        "Score Query", MessageIcon::Information);
    }
    if (hole <= 9)
        frontScoreLabel_->setText(Q(core::SignedText(round_.FrontScore())));
    else
        backScoreLabel_->setText(Q(core::SignedText(round_.BackScore())));
    totalScoreLabel_->setText(Q(core::SignedText(round_.TotalScore())));
}

void ScoreEntryWindow::puttsChanged(int hole, const QString& text) {
    int value = core::HoleValueFromText(text.toStdString());
    round_.HolePutts[hole] = value;
    if (value >= core::PuttsQueryFrom) {
        context_.platform.messages.beep();
        context_.platform.messages.show("Are you sure!", "Score Query", MessageIcon::Information);
    }
    if (hole <= 9)
        frontPuttsLabel_->setText(Q(core::SignedText(round_.FrontPutts())));
    else
        backPuttsLabel_->setText(Q(core::SignedText(round_.BackPutts())));
    totalPuttsLabel_->setText(Q(core::SignedText(round_.TotalPutts())));
}

void ScoreEntryWindow::fairwaysChanged(const QString& text) {
    round_.RoundFairways = static_cast<float>(core::ReadNumber(text.toStdString()));
    int available = context_.state.course.FairwaysPerRound;
    if (round_.RoundFairways > available) {
        context_.platform.messages.beep();
        context_.platform.messages.show(
            "Par 3's are not counted in this statistic." + LineBreak +
                "The maximum number of Fairways available on this course is " +
                Q(core::SignedText(available)),
            "Incorrect Fairway calculation", MessageIcon::Exclamation);
        fairwaysBox_->clear();
    }
}

void ScoreEntryWindow::validateRoundDate() {
    QString text = dateBox_->text();
    core::RoundDateCheck check =
        core::ValidateRoundDate(text.toStdString(), context_.platform.clock.today());
    if (!check.valid) {
        context_.platform.messages.beep();
        context_.platform.messages.show(text + " is not a valid Date. " +
                                            "Should be in the form  mm/dd/yyyy",
                                        "Invalid Date", MessageIcon::None);
        dateBox_->setFocus();
        return;
    }
    context_.state.entry.EntryDate = check.dayNumber;
}

void ScoreEntryWindow::showEntryDate() {
    double date = context_.state.entry.EntryDate;
    if (date <= 0)
        date = context_.platform.clock.today();
    dateBox_->setText(Q(core::FormatDate(date, "mm/dd/yyyy")));
}

void ScoreEntryWindow::nextDay() {
    context_.state.entry.EntryDate += 1;
    showEntryDate();
}

void ScoreEntryWindow::previousDay() {
    context_.state.entry.EntryDate -= 1;
    showEntryDate();
}

void ScoreEntryWindow::explainSandEntries() {
    context_.platform.messages.show(
        "Total # of Sand Shots refers to the number" + LineBreak +
            "of Sand Shots made from bunkers this round." + LineBreak + LineBreak +
            "A Sand Save is a Par made after taking a shot" + LineBreak +
            "from a greenside bunker." + LineBreak + LineBreak +
            "Attempts refers to the number of attempts to score a Sand" + LineBreak +
            "Save. This can not be less than the number of Sand Saves.",
        "How to enter Sand Shot totals", MessageIcon::Information);
}

void ScoreEntryWindow::save() {
    auto& messages = context_.platform.messages;
    core::CourseState& course = context_.state.course;
    round_.EntryDate = context_.state.entry.EntryDate;
    // Kept so that a round the file did not take leaves the statistics as they were.
    const core::CourseState before = course;

    core::SaveOutcome outcome = core::SaveRound(course, round_, [&](int hole) {
        messages.beep();
        return messages.show(
                   NoPuttsText(hole), "Possible CHIP-IN, HOLE-IN-ONE or Putting Score Error",
                   MessageIcon::Question, MessageButtons::OkCancel) == platform::MessageAnswer::Ok;
    });
    if (outcome.status == core::SaveStatus::MissingScore) {
        messages.beep();
        messages.show("Unable to save this score." + LineBreak + LineBreak +
                          "Missing Hole Score(s). You must fill in"
                          " the data for ALL holes before continuing.",
                      "Hole Score Error!", MessageIcon::Critical);
        return;
    }
    if (outcome.status != core::SaveStatus::Saved)
        return;

    core::FileResult written = core::WriteCourseFile(course);
    if (!written) {
        course = before;
        messages.beep();
        messages.show("This round has not been saved." + LineBreak + LineBreak + Q(written.error) +
                          LineBreak + LineBreak +
                          "The statistics are as they were before this round. Correct the "
                          "problem and click Save again.",
                      "Course File Error", MessageIcon::Critical);
        return;
    }

    savedRound_ = round_;
    savedFigures_ = outcome.figures;
    for (size_t i = 0; i < outcome.holesInOne.size(); ++i) {
        PlaySoundIfDevice(context_, "crowd.wav");
        messages.show("Congratulations on your HOLE IN ONE!!!  A nice cold beer would go good "
                      "just about now!",
                      "HOLE IN ONE!!!", MessageIcon::Information);
    }
    showPanels(outcome.figures);
    nextScoreButton_->setEnabled(true);
    printButton_->setEnabled(true);
    updateHandicapButton_->setEnabled(true);
    saveButton_->setEnabled(false);
    if (outcome.NewBestRound) {
        PlaySoundIfDevice(context_, "crowd.wav");
        messages.show("Congratulations you have just beaten your best recorded score." + LineBreak +
                          LineBreak +
                          "To remember your game you may wish to print out a detailed score "
                          "summary of this round." +
                          LineBreak + LineBreak + "Click PRINT to begin.",
                      "Best Score", MessageIcon::Information);
    }
}

void ScoreEntryWindow::showPanels(const core::RoundFigures& figures) {
    core::RoundPanelTexts texts = core::PanelTexts(figures);
    for (size_t i = 0; i < statisticsLabels_.size(); ++i)
        statisticsLabels_[i]->setText(Q(texts.statistics[i]));
    for (int k = 0; k < core::EscSteps; ++k) {
        standardLabels_[k]->setText(Q(texts.standard[k]));
        usgaLabels_[k]->setText(Q(texts.usga[k]));
    }
}

void ScoreEntryWindow::clearRound() {
    showEntryDate();
    for (int h = 1; h <= core::HoleCount; ++h) {
        for (QLineEdit* box : {scoreBoxes_[h], puttBoxes_[h]}) {
            QSignalBlocker quiet(box);
            box->clear();
        }
    }
    for (QLineEdit* box :
         {fairwaysBox_, penaltiesBox_, sandShotsBox_, sandSavesBox_, attemptsBox_}) {
        QSignalBlocker quiet(box);
        box->clear();
    }
    round_ = core::TypedRound{};
    for (QLabel* label : {frontScoreLabel_, frontPuttsLabel_, backScoreLabel_, backPuttsLabel_,
                          totalScoreLabel_, totalPuttsLabel_})
        label->clear();
    for (QLabel* label : statisticsLabels_)
        label->clear();
    for (int k = 0; k < core::EscSteps; ++k) {
        standardLabels_[k]->clear();
        usgaLabels_[k]->clear();
    }
}

void ScoreEntryWindow::nextScore() {
    clearRound();
    saveButton_->setEnabled(true);
    nextScoreButton_->setEnabled(false);
    printButton_->setEnabled(false);
    scoreBoxes_[1]->setFocus();
}

void ScoreEntryWindow::done() {
    clearRound();
    context_.state.entry.ScoreHandicapLoaded = false;
    accept();
}

void ScoreEntryWindow::printScorecard() {
    if (!savedRound_)
        return;
    ScorecardInfoWindow info(context_, this);
    info.exec();
    core::PrintDocument document = core::ScorecardDocument(context_.state.course, *savedRound_,
                                                           savedFigures_, context_.state.scorecard);
    context_.platform.printer.print(document);
    core::ResetScorecardFlags(context_.state.scorecard);
}

void ScoreEntryWindow::handOverToHandicap() {
    if (!savedRound_)
        return;
    core::EntryState& entry = context_.state.entry;
    if (!entry.ScoreHandicapLoaded) {
        platform::FileDialogRequest request;
        request.title = "Open an existing HANDICAP File";
        request.filter = "Handicap files (*.hcp)|*.hcp|";
        request.flags = platform::DialogFlag::ForOpening;
        std::optional<QString> path = context_.platform.fileDialogs.openFile(request);
        if (!path || path->isEmpty()) {
            updateHandicapButton_->setEnabled(false);
            return;
        }
        // Read into a fresh state, so that a bad file leaves the handicap as it was.
        core::HandicapState loaded;
        core::FileResult read = core::LoadHandicapFile(path->toStdString(), loaded);
        if (!read) {
            context_.platform.messages.beep();
            context_.platform.messages.show("Unable to open this handicap file." + LineBreak +
                                                LineBreak + Q(read.error) + LineBreak + LineBreak +
                                                "The handicap has not been changed.",
                                            "Handicap File Error", MessageIcon::Critical);
            return;
        }
        context_.state.handicap = std::move(loaded);
        entry.ScoreHandicapLoaded = true;
    }
    // The adjusted score follows the player's handicap, so the file comes first.
    entry.PendingAdjustedScore = core::HandedOverAdjustedScore(
        savedFigures_, context_.state.handicap, context_.state.course.CourseSlope);
    core::WhsHandOver whs =
        core::HandedOverWhsRound(*savedRound_, context_.state.course, context_.state.handicap);
    entry.PendingWhsAdjustedScore = whs.whsAdjustedScore;
    entry.PendingPar = whs.par;
    OpenHandicapWindowModal(context_, this);
    updateHandicapButton_->setEnabled(false);
}

} // namespace ui
