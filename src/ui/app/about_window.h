#pragma once

#include "ui/app/app_context.h"

#include <QDialog>

namespace ui {

// The program information box: name, version and notices. objectName "Form3".
class AboutWindow : public QDialog {
    Q_OBJECT
public:
    AboutWindow(AppContext& context, QWidget* parent = nullptr);
};

} // namespace ui
