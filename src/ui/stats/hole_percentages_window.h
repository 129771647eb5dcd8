#pragma once

#include "ui/app/app_context.h"

#include <QDialog>

namespace ui {

// One hole's results as percentages of the rounds. objectName "Form6".
class HolePercentagesWindow : public QDialog {
    Q_OBJECT
public:
    HolePercentagesWindow(AppContext& context, int hole, QWidget* parent = nullptr);
};

} // namespace ui
