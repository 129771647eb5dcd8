#pragma once

#include <QRect>
#include <QString>

class QLabel;
class QPushButton;
class QWidget;

// Small builders for windows that place their controls at fixed positions, as their
// designs do.
namespace ui {

QLabel* AddLabel(QWidget* parent, const QString& name, const QString& text, const QRect& geometry,
                 Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
QPushButton* AddButton(QWidget* parent, const QString& name, const QString& caption,
                       const QRect& geometry);

} // namespace ui
