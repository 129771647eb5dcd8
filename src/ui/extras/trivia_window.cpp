#include "ui/extras/trivia_window.h"

#include "core/twips.h"
#include "ui/app/window_routines.h"
#include "ui/extras/trivia_file.h"

#include <QLabel>
#include <QPushButton>

namespace ui {
namespace {} // namespace

TriviaWindow::TriviaWindow(AppContext& context, QWidget* parent)
    : QDialog(parent), context_(context), session_(core::TriviaQuestions(), context.state.trivia),
      today_(context.platform.clock.today()) {
    setObjectName("Form7");
    setWindowTitle("Golf Trivia Question of the Day");
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    UseLightGrey(*this);
    setFixedSize(core::TwipsToPixels(7200), core::TwipsToPixels(5400));

    QLabel* question = addLabel("Label1", "", 240, 180, 6720, 900);
    question->setWordWrap(true);
    question->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont bold = question->font();
    bold.setBold(true);
    question->setFont(bold);

    const char* letters[] = {"A", "B", "C", "D"};
    for (int k = 1; k <= 4; ++k) {
        const int top = 1200 + (k - 1) * 600;
        answers_[k] = addButton(QString("Command%1").arg(k), letters[k - 1], 240, top, 555, 435);
        QLabel* answer = addLabel(QString("Label%1").arg(k + 1), "", 960, top, 6000, 435);
        answer->setWordWrap(true);
        connect(answers_[k], &QPushButton::clicked, this, [this, k] { answerClicked(k); });
    }

    QLabel* prompt = addLabel("Label6", "", 240, 3660, 6720, 315);
    prompt->setAlignment(Qt::AlignCenter);
    prompt->setFont(bold);

    addLabel("Label11", "Question #", 240, 4080, 1095, 255);
    addLabel("Label7", "", 1335, 4080, 735, 255);
    addLabel("Label12", "Total Points", 2280, 4080, 1095, 255);
    addLabel("Label8", "", 3375, 4080, 735, 255);
    addLabel("Label13", "% of Maximum", 4320, 4080, 1335, 255);
    addLabel("Label9", "", 5655, 4080, 1095, 255);
    addLabel("Label10", "", 240, 4620, 3000, 315)->setFont(bold);

    connect(addButton("Command5", "Start Over", 3840, 4560, 1455, 435), &QPushButton::clicked, this,
            &TriviaWindow::startOverClicked);
    QPushButton* ok = addButton("Command6", "OK", 5505, 4560, 1455, 435);
    connect(ok, &QPushButton::clicked, this, &TriviaWindow::okClicked);

    CenterForm(*this, context_);
    showSession();
    if (session_.seriesComplete()) {
        context_.platform.messages.beep();
        context_.platform.messages.show("You have successfully completed all Trivia Questions."
                                        " Click START OVER if you wish to begin again. ",
                                        "End of Trivia File", platform::MessageIcon::Information);
    }
}

QLabel* TriviaWindow::addLabel(const QString& name, const QString& text, int left, int top,
                               int width, int height) {
    auto* label = new QLabel(text, this);
    label->setObjectName(name);
    label->setGeometry(TwipsRect(left, top, width, height));
    labels_[name.mid(5).toInt()] = label;
    return label;
}

QPushButton* TriviaWindow::addButton(const QString& name, const QString& caption, int left, int top,
                                     int width, int height) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setGeometry(TwipsRect(left, top, width, height));
    button->setAutoDefault(false);
    return button;
}

void TriviaWindow::showSession() {
    labels_[1]->setText(QString::fromStdString(session_.questionText()));
    for (int k = 1; k <= 4; ++k) {
        labels_[k + 1]->setText(QString::fromStdString(session_.answerText(k)));
        answers_[k]->setVisible(session_.answerButtonVisible(k));
    }
    labels_[6]->setText(QString::fromStdString(session_.prompt()));
    labels_[7]->setText(QString::fromStdString(session_.questionNumberText()));
    labels_[8]->setText(QString::fromStdString(session_.pointsText()));
    labels_[9]->setText(QString::fromStdString(session_.percentText()));
    labels_[10]->setText(QString::fromStdString(session_.statusText()));
}

void TriviaWindow::answerClicked(int k) {
    platform::MessageBoxes& messages = context_.platform.messages;
    switch (session_.answer(k, context_.state.trivia)) {
    case core::TriviaSession::Answer::Refused:
        messages.beep();
        messages.show("Only one question per day!", "", platform::MessageIcon::None);
        return;
    case core::TriviaSession::Answer::Gimmie:
        messages.show("That's a Gimmie!. No Points", "", platform::MessageIcon::None);
        break;
    case core::TriviaSession::Answer::Correct:
    case core::TriviaSession::Answer::Incorrect:
        break;
    }
    showSession();
}

void TriviaWindow::okClicked() {
    core::TriviaSession::Finish finish = session_.finish(context_.state.trivia, today_);
    if (finish.seriesEnded) {
        context_.platform.messages.beep();
        context_.platform.messages.show("This was the last question in the series", "",
                                        platform::MessageIcon::None);
    }
    if (finish.record)
        WriteTriviaFile(context_, ResolveTriviaFile(context_), *finish.record);
    accept();
}

void TriviaWindow::startOverClicked() {
    core::TriviaRecord record = session_.startOver(context_.state.trivia, today_);
    WriteTriviaFile(context_, ResolveTriviaFile(context_), record);
    accept();
}

void OpenTriviaWindowModal(AppContext& context, QWidget* owner) {
    TriviaWindow window(context, owner);
    window.exec();
}

} // namespace ui
