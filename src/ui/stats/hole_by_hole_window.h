#pragma once

#include "ui/app/app_context.h"

#include <QDialog>

namespace ui {

// Results against par hole by hole, the holes ranked best to worst, and a printout.
// objectName "Form2".
class HoleByHoleWindow : public QDialog {
    Q_OBJECT
public:
    HoleByHoleWindow(AppContext& context, QWidget* parent = nullptr);

    // Hole button n: that hole's results as percentages, in a modal window.
    void showHolePercentages(int hole);
    // "Print": the table and the ranking, to the printer.
    void printTable();

private:
    void fillTable();
    void fillRanking();

    AppContext& context_;
};

} // namespace ui
