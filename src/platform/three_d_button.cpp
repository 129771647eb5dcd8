#include "platform/three_d_button.h"

#include <QLabel>
#include <QVBoxLayout>

namespace platform {

ThreeDButton::ThreeDButton(const QString& caption, QWidget* parent) : QToolButton(parent) {
    setText(caption);
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    setIconSize(QSize(32, 32));
    setAutoRaise(false);
    setFocusPolicy(Qt::StrongFocus);
}

void ThreeDButton::setPicture(const QPixmap& picture) {
    setIcon(QIcon(picture));
    setToolButtonStyle(picture.isNull() ? Qt::ToolButtonTextOnly : Qt::ToolButtonTextUnderIcon);
}

ThreeDPanel::ThreeDPanel(QWidget* parent) : QFrame(parent), label_(new QLabel(this)) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    label_->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(label_);
}

QString ThreeDPanel::caption() const {
    return label_->text();
}

void ThreeDPanel::setCaption(const QString& caption) {
    label_->setText(caption);
}

} // namespace platform
