#include "ui/app/controls.h"

#include <QLabel>
#include <QPalette>
#include <QPushButton>

namespace ui {

QLabel* AddLabel(QWidget* parent, const QString& name, const QString& text, const QRect& geometry,
                 Qt::Alignment alignment) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setAlignment(alignment);
    return label;
}

QPushButton* AddButton(QWidget* parent, const QString& name, const QString& caption,
                       const QRect& geometry) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    return button;
}

} // namespace ui
