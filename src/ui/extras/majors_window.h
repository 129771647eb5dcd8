#pragma once

#include "ui/app/app_context.h"

#include <QDialog>
#include <QString>

class QLabel;
class QListWidget;
class QPushButton;

namespace core {
struct MajorsYear;
}

namespace platform {
class PictureBox;
}

namespace ui {

// The majors card: for a chosen year, winner, score or course and runner-up of each of the
// four major championships. objectName "Form5".
class MajorsWindow : public QDialog {
    Q_OBJECT
public:
    MajorsWindow(AppContext& context, QWidget* parent = nullptr);

    // Writes the fields of a year after 1930, the selected year being the window's year text.
    void moreWinners();

private:
    void yearClicked();
    void showYear(const core::MajorsYear* row);
    QLabel* addField(const char* name, int x, int y, int height);

    AppContext& context_;
    platform::PictureBox* picture_ = nullptr;
    QListWidget* yearBox_ = nullptr;
    QPushButton* clubHouse_ = nullptr;
    // Winner, score or course and runner-up of each tournament, in the table's order.
    QLabel* fields_[4][3] = {};
    QString year_;
};

} // namespace ui
