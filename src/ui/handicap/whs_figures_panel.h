#pragma once

#include "core/whs_report.h"

#include <QWidget>

#include <optional>

class QLabel;

namespace ui {

// The WHS figures beside the slope-system ones in the handicap window: the index, the
// course handicap for the open course, what is in force, and the "History" button.
class WhsFiguresPanel : public QWidget {
    Q_OBJECT
public:
    explicit WhsFiguresPanel(QWidget* parent = nullptr);
    void showFigures(const core::WhsFigures& figures, const std::optional<core::WhsCourse>& course);

signals:
    void historyRequested();

private:
    QLabel* index_ = nullptr;
    QLabel* courseHandicap_ = nullptr;
    QLabel* status_ = nullptr;
};

} // namespace ui
