#pragma once

#include "core/trivia.h"
#include "ui/app/app_context.h"

#include <QDialog>

#include <array>

class QLabel;
class QPushButton;

namespace ui {

// The golf trivia question of the day. objectName "Form7".
class TriviaWindow : public QDialog {
    Q_OBJECT
public:
    TriviaWindow(AppContext& context, QWidget* parent = nullptr);

    void answerClicked(int k); // Command1..Command4 = A..D
    void okClicked();          // Command6
    void startOverClicked();   // Command5

private:
    QLabel* addLabel(const QString& name, const QString& text, int left, int top, int width,
                     int height);
    QPushButton* addButton(const QString& name, const QString& caption, int left, int top,
                           int width, int height);
    void showSession();

    AppContext& context_;
    core::TriviaSession session_;
    double today_;
    std::array<QLabel*, 14> labels_{};      // Label1..Label13 at their numbers
    std::array<QPushButton*, 5> answers_{}; // Command1..Command4 at their numbers
};

// Opens the window modally over `owner`.
void OpenTriviaWindowModal(AppContext& context, QWidget* owner);

} // namespace ui
