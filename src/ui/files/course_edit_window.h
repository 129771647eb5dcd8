#pragma once

#include "core/course_edit.h"
#include "core/course_state.h"
#include "ui/app/app_context.h"

#include <QDialog>

class QLineEdit;

namespace platform {
class PictureBox;
}

namespace ui {

// "Edit Course Specifications" (objectName "Form9"): corrects the holes, ratings and
// names of the open course and rewrites its file. Every box changes the open course
// as it is typed into.
class CourseEditWindow : public QDialog {
    Q_OBJECT
public:
    CourseEditWindow(AppContext& context, QWidget* parent = nullptr);

    void save(); // "Save"

private:
    // The box a refused value was typed into.
    QLineEdit* boxOf(const core::CourseEditRefusal& refusal) const;
    platform::PictureBox* addFrame(const QString& name, int left, int top, int width, int height);
    QLineEdit* addBox(QWidget* frame, int number, int left, int top, int width);
    void addCaption(QWidget* frame, const QString& text, int left, int top, int width);
    void buildNine(platform::PictureBox* frame, int firstHole, int firstBox);
    void load();
    void fillBoxes();
    // After a par or a yardage was corrected: offers to fold the journaled rounds again
    // with it. True when the rounds were folded again and both files written.
    bool offerToFoldRoundsAgain();

    AppContext& context_;
    core::OneBased<QLineEdit*, core::HoleCount> par_{};
    core::OneBased<QLineEdit*, core::HoleCount> yards_{};
    core::OneBased<QLineEdit*, core::HoleCount> handicap_{};
    QLineEdit* rating_ = nullptr;
    QLineEdit* slope_ = nullptr;
    QLineEdit* name_ = nullptr;
    QLineEdit* courseName_ = nullptr;
    QLineEdit* tee_ = nullptr;
};

} // namespace ui
