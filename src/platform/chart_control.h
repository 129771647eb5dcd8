#pragma once

#include "core/chart_model.h"

#include <QColor>
#include <QImage>
#include <QString>
#include <QWidget>

#include <vector>

class QPainter;

namespace platform {

// The colours a chart is drawn in: one per data set for bars and lines, one per point
// for the slices of a pie.
struct ChartColors {
    std::vector<QColor> sets;
    std::vector<QColor> slices;
    QColor setColor(int set) const; // 1-based; repeats past the end
    // 1-based; a pie of more points than the palette gets colours of its own.
    QColor sliceColor(int point, int pointCount = 0) const;
};
ChartColors DefaultChartColors();

// The 3-D faces are the base colour lightened and darkened.
QColor ChartTopFace(const QColor& color);
QColor ChartSideFace(const QColor& color);

// Draws a chart into area: bars, 3-D bars, pies, 3-D pies or lines, with titles, axis,
// point labels and, for pies, a legend.
void PaintChart(QPainter& painter, const QRect& area, const core::ChartModel& chart,
                const ChartColors& colors);

// A chart driven by numbered settings. What is set collects in the model; the drawing
// shows the model as it was at the last draw action, as a person would see it.
class ChartControl : public QWidget {
    Q_OBJECT
public:
    explicit ChartControl(QWidget* parent = nullptr);

    void set(core::ChartProperty property, double value);
    void set(core::ChartProperty property, const QString& text);
    void apply(const core::ChartScript& script);

    const core::ChartModel& model() const { return model_; }
    const core::ChartModel& shownChart() const { return shown_; }
    bool hasDrawn() const { return drawCount_ > 0; }
    int drawCount() const { return drawCount_; }

    // Settings of the window's design, not numbered.
    void setAxisMaximum(double maximum);
    void setSetColor(int set, const QColor& color);
    const ChartColors& colors() const { return colors_; }
    // Shown while nothing has been drawn yet.
    void setEmptyText(const QString& text);

    // The shown chart as a picture of the given size (the widget's size by default).
    QImage renderImage(QSize size = {}) const;
    // Puts the shown chart on the clipboard as a picture.
    void copyToClipboard() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void act(core::ChartAction action);
    void paintShown(QPainter& painter, const QRect& area) const;

    core::ChartModel model_;
    core::ChartModel shown_;
    int drawCount_ = 0;
    ChartColors colors_;
    QString emptyText_;
};

} // namespace platform
