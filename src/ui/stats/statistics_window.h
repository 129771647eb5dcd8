#pragma once

#include "core/statistics_views.h"
#include "ui/app/app_context.h"

#include <QDialog>

#include <array>

class QLabel;

namespace ui {

// The course statistics in four views of fifteen rows. objectName "Stats2".
class StatisticsWindow : public QDialog {
    Q_OBJECT
public:
    StatisticsWindow(AppContext& context, QWidget* parent = nullptr);

    // Writes all 45 cells from the shared statistics.
    void showView(core::StatisticsView view);

    QLabel* titleCell(int row) const { return titles_[row]; }
    QLabel* valueCell(int row) const { return values_[row]; }
    QLabel* percentageCell(int row) const { return percentages_[row]; }

private:
    AppContext& context_;
    std::array<QLabel*, core::StatisticsRowCount> titles_{};
    std::array<QLabel*, core::StatisticsRowCount> values_{};
    std::array<QLabel*, core::StatisticsRowCount> percentages_{};
};

} // namespace ui
