#pragma once

#include "core/whs_entry.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;

namespace ui {

// The boxes of one journaled round, to correct it.
class RoundEditDialog : public QDialog {
    Q_OBJECT
public:
    RoundEditDialog(const core::RoundEditTexts& texts, QWidget* parent = nullptr);
    core::RoundEditTexts texts() const;

private:
    QLineEdit* date_;
    QLineEdit* adjusted_;
    QLineEdit* rating_;
    QLineEdit* slope_;
    QCheckBox* tournament_;
    QLineEdit* gross_;
    QLineEdit* whsAdjusted_;
    QLineEdit* par_;
};

} // namespace ui
