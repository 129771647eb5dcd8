#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

namespace platform {

// A surface that keeps what is drawn on it, in twips: lines and printed text stay
// on its background image and survive every repaint.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    // The drawing area in twips (the widget's own size).
    double scaleLeft() const { return 0; }
    double scaleTop() const { return 0; }
    double scaleWidth() const;
    double scaleHeight() const;

    int drawWidth() const { return drawWidth_; }
    void setDrawWidth(int width) { drawWidth_ = width; }
    QColor foreColor() const { return foreColor_; }
    void setForeColor(const QColor& color) { foreColor_ = color; }
    double currentX() const { return currentX_; }
    double currentY() const { return currentY_; }
    void setCurrentPosition(double x, double y);

    void lineTo(double x, double y, const QColor& color);
    // Prints at the current position and moves to the start of the next text line.
    void printText(const QString& text);

    const QImage& image() const { return image_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QImage image_;
    int drawWidth_ = 1;
    QColor foreColor_ = Qt::black;
    double currentX_ = 0;
    double currentY_ = 0;
};

} // namespace platform
