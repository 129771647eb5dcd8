// "Edit Course Specifications" on a course with journaled rounds: a corrected par or
// yardage can be folded into every round saved since the journal began.
#include "core/round_history.h"
#include "ui/files/course_edit_window.h"

namespace ui {

bool CourseEditWindow::offerToFoldRoundsAgain() {
    platform::MessageBoxes& messages = context_.platform.messages;
    core::CourseState& course = context_.state.course;
    const int rounds = core::RoundsToFoldAgain(course);
    if (rounds == 0)
        return false;
    const QString which = rounds == 1 ? QString("the round") : QString("the %1 rounds").arg(rounds);
    if (messages.show("The pars or yardages of this course have changed." + QString("\r\n\r\n") +
                          "Do you wish to rebuild the statistics of " + which +
                          " in the round history with the corrected hole data?" +
                          QString("\r\n\r\n") +
                          "Rounds saved before the history began stay as they were counted.",
                      "Rebuild Statistics", platform::MessageIcon::Question,
                      platform::MessageButtons::YesNo) != platform::MessageAnswer::Yes)
        return false;
    core::FileResult rebuilt = core::RebuildWithHoleData(course);
    if (!rebuilt) {
        messages.beep();
        messages.show("Unable to save the course file.\r\n\r\n" +
                          QString::fromStdString(rebuilt.error),
                      "Course File Error", platform::MessageIcon::Critical);
    } else {
        context_.state.courseFileStamp = core::CurrentFileStamp(course.CourseFileName);
    }
    return true;
}

} // namespace ui
