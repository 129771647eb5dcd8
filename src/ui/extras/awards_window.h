#pragma once

#include "ui/app/app_context.h"

#include <QDialog>
#include <QString>

#include <array>

class QLabel;
class QListWidget;

namespace platform {
class ThreeDButton;
}

namespace ui {

// The tours' awards card: seven award holders of a chosen year. objectName "Form12".
class AwardsWindow : public QDialog {
    Q_OBJECT
public:
    AwardsWindow(AppContext& context, QWidget* parent = nullptr);

    // The message that explains the two scoring trophies.
    static QString ScoringAveragesText();

private:
    void yearClicked();
    void showInfo();

    AppContext& context_;
    QListWidget* yearBox_ = nullptr;
    // PGAYear, LPGAYear, MoneyPGA, MoneyLPGA, SeniorMoney, Vardon, Vare.
    std::array<QLabel*, 7> fields_{};
    platform::ThreeDButton* club_ = nullptr;
    platform::ThreeDButton* info_ = nullptr;
    QString year_;
};

} // namespace ui
