#pragma once

#include "core/handicap_state.h"
#include "ui/app/app_context.h"

#include <QDialog>

class QLineEdit;

namespace ui {

// "Create a NEW Handicap file" (objectName "Form13"): a player's name and home slope,
// written to a new handicap file that then becomes the open one. Until it is written
// the boxes change only the window's own copy of the handicap, so the file open before
// keeps its name and slope.
class NewHandicapWindow : public QDialog {
    Q_OBJECT
public:
    NewHandicapWindow(AppContext& context, QWidget* parent = nullptr);

    void save(); // "Save"
    // A file was written: the handicap window should open once this window closes,
    // where it can take input (this one is modal).
    bool createdAFile() const { return createdAFile_; }

private:
    AppContext& context_;
    core::HandicapState handicap_;
    QLineEdit* name_ = nullptr;
    QLineEdit* slope_ = nullptr;
    bool createdAFile_ = false;
};

} // namespace ui
