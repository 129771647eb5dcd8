#pragma once

#include "ui/app/app_context.h"

#include <QDialog>

class QLineEdit;

namespace platform {
class ThreeDButton;
}

namespace ui {

// "Optional Scorecard Information": partners, weather and a tournament for the printed
// scorecard. objectName "Form10". Closing it with its own "Print" decides which of the
// sections are printed; the close box prints none of partners and weather.
class ScorecardInfoWindow : public QDialog {
    Q_OBJECT
public:
    ScorecardInfoWindow(AppContext& context, QWidget* parent = nullptr);

    void print();

private:
    AppContext& context_;
    QLineEdit* partner1_ = nullptr;
    QLineEdit* partner2_ = nullptr;
    QLineEdit* partner3_ = nullptr;
    QLineEdit* weather_ = nullptr;
    QLineEdit* tournamentName_ = nullptr;
    QLineEdit* tournamentResult_ = nullptr;
    platform::ThreeDButton* printButton_ = nullptr;
};

} // namespace ui
