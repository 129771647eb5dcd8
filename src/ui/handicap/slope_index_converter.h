#pragma once

#include "ui/app/app_context.h"

#include <QDialog>

class QComboBox;
class QLineEdit;

namespace platform {
class ThreeDPanel;
}

namespace ui {

// Form8: the handicap a handicap index gives on a course of any slope rating.
class SlopeIndexConverter : public QDialog {
    Q_OBJECT
public:
    SlopeIndexConverter(AppContext& context, QWidget* parent = nullptr);

    void calculate();
    void clear();

private:
    QLineEdit* index_ = nullptr;              // Text1
    QComboBox* slope_ = nullptr;              // Combo1
    platform::ThreeDPanel* result_ = nullptr; // SSPanel1
};

} // namespace ui
