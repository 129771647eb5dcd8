#include "platform/picture_box.h"

#include "core/twips.h"

#include <QFontMetrics>
#include <QPainter>

namespace platform {
namespace {

QPointF ToPixels(double x, double y) {
    return {x / core::TwipsPerPixel, y / core::TwipsPerPixel};
}

} // namespace

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
}

double PictureBox::scaleWidth() const {
    return width() * core::TwipsPerPixel;
}

double PictureBox::scaleHeight() const {
    return height() * core::TwipsPerPixel;
}

void PictureBox::setCurrentPosition(double x, double y) {
    currentX_ = x;
    currentY_ = y;
}

void PictureBox::lineTo(double x, double y, const QColor& color) {
    if (image_.size() != size())
        resizeEvent(nullptr);
    QPainter painter(&image_);
    painter.setPen(QPen(color, drawWidth_));
    painter.drawLine(ToPixels(currentX_, currentY_), ToPixels(x, y));
    currentX_ = x;
    currentY_ = y;
    update();
}

void PictureBox::printText(const QString& text) {
    if (image_.size() != size())
        resizeEvent(nullptr);
    QPainter painter(&image_);
    painter.setFont(font());
    painter.setPen(foreColor_);
    QFontMetrics metrics(font());
    QPointF at = ToPixels(currentX_, currentY_);
    painter.drawText(QPointF(at.x(), at.y() + metrics.ascent()), text);
    currentX_ = scaleLeft();
    currentY_ += metrics.height() * core::TwipsPerPixel;
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, image_);
}

void PictureBox::resizeEvent(QResizeEvent*) {
    // Keep what was drawn when the box grows; new area is transparent.
    QImage grown(size(), QImage::Format_ARGB32_Premultiplied);
    grown.fill(Qt::transparent);
    QPainter painter(&grown);
    painter.drawImage(0, 0, image_);
    image_ = grown;
}

} // namespace platform
