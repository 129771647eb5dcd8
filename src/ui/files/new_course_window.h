#pragma once

#include "core/course_state.h"
#include "core/new_course.h"
#include "ui/app/app_context.h"

#include <QDialog>

#include <array>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;

namespace ui {

// "New Course Information" (objectName "setup2"): the holes and ratings of a new course,
// written to a new course file. The window works on a course of its own, so the open
// course stays as it was until the new file has been written.
class NewCourseWindow : public QDialog {
    Q_OBJECT
public:
    NewCourseWindow(AppContext& context, QWidget* parent = nullptr);

    void save();     // "Save"
    void showHelp(); // "Help"

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* addBox(const QString& name, int left, int top, int width);
    void addCaption(const QString& name, const QString& text, int left, int top, int width);
    QLabel* addSum(const QString& name, int top);
    void buildNine(int firstHole, int top, const std::array<int, 9>& parBoxes,
                   const std::array<int, 9>& yardBoxes, const std::array<int, 9>& handicapBoxes);
    void showSums();
    void takeValuesFromBoxes();
    // Shows the refusal, if there is one, and says so.
    bool refuse(const std::optional<core::NewCourseRefusal>& refusal);
    void emptyBoxes();

    AppContext& context_;
    core::CourseState course_;

    QLineEdit* name_ = nullptr;
    QLineEdit* courseName_ = nullptr;
    QComboBox* tees_ = nullptr;
    QLineEdit* rating_ = nullptr;
    QLineEdit* slope_ = nullptr;
    core::OneBased<QLineEdit*, core::HoleCount> par_{};
    core::OneBased<QLineEdit*, core::HoleCount> yards_{};
    core::OneBased<QLineEdit*, core::HoleCount> handicap_{};
    QLabel* frontPar_ = nullptr;   // Label21
    QLabel* backPar_ = nullptr;    // Label22
    QLabel* frontYards_ = nullptr; // Label23
    QLabel* backYards_ = nullptr;  // Label24
};

} // namespace ui
