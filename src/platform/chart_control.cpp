#include "platform/chart_control.h"

#include <QClipboard>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace platform {
namespace {

const QColor Background{255, 255, 255};
const QColor AxisColor{64, 64, 64};
const QColor GridColor{218, 218, 218};
const QColor WallColor{246, 246, 246};
const QColor FloorColor{226, 226, 226};
const QColor TextColor{32, 32, 32};
const QColor EmptyTextColor{128, 128, 128};
const QString NothingToChartText = QStringLiteral("There is nothing to chart yet.");

constexpr double PieTilt = 0.55;  // height of the tilted disc against its width
constexpr double PieDepth = 0.08; // rim height against the disc's width

QFont ChartFont(double pixelSize, bool bold) {
    QFont font;
    font.setPixelSize(std::max(1, int(std::lround(pixelSize))));
    font.setBold(bold);
    return font;
}

QString TickText(double value, double step) {
    int decimals = step >= 1 ? 0 : int(std::ceil(-std::log10(step) - 1e-9));
    if (std::abs(value) < step * 1e-6)
        value = 0;
    return QString::number(value, 'f', decimals);
}

// The drawing of one chart in one area; every measure follows the area's size.
class ChartPainter {
public:
    ChartPainter(QPainter& painter, const QRect& area, const core::ChartModel& chart,
                 const ChartColors& colors)
        : p_(painter), area_(area), chart_(chart), colors_(colors),
          titleFont_(ChartFont(std::clamp(area.height() / 18.0, 12.0, 30.0), true)),
          textFont_(ChartFont(std::clamp(area.height() / 30.0, 9.0, 20.0), false)),
          margin_(std::max(6.0, area.height() / 40.0)) {}

    void paint() {
        p_.save();
        p_.setClipRect(area_);
        p_.fillRect(area_, Background);
        QRectF body = area_;
        body.adjust(margin_, margin_, -margin_, -margin_);
        drawTitles(body);
        if (!core::ChartHasData(chart_))
            drawNothingToChart(body);
        else if (chart_.isPie())
            drawPie(body);
        else
            drawAxesAndData(body);
        p_.restore();
    }

private:
    void drawTitles(QRectF& body) {
        if (!chart_.title().empty()) {
            p_.setFont(titleFont_);
            p_.setPen(TextColor);
            QFontMetricsF metrics(titleFont_);
            QRectF line(body.left(), body.top(), body.width(), metrics.height());
            p_.drawText(line, Qt::AlignCenter, QString::fromStdString(chart_.title()));
            body.setTop(line.bottom() + margin_);
        }
        // The bottom title names the horizontal axis, which a pie does not have.
        if (!chart_.bottomTitle().empty() && !chart_.isPie()) {
            p_.setFont(textFont_);
            p_.setPen(TextColor);
            QFontMetricsF metrics(textFont_);
            QRectF line(body.left(), body.bottom() - metrics.height(), body.width(),
                        metrics.height());
            p_.drawText(line, Qt::AlignCenter, QString::fromStdString(chart_.bottomTitle()));
            body.setBottom(line.top() - margin_ / 2);
        }
    }

    void drawNothingToChart(const QRectF& body) {
        p_.setFont(textFont_);
        p_.setPen(EmptyTextColor);
        p_.drawText(body, Qt::AlignCenter | Qt::TextWordWrap, NothingToChartText);
    }

    // ---- Pies -------------------------------------------------------------------------

    void drawPie(QRectF body) {
        const int points = chart_.pointCount();
        std::vector<double> values = chart_.values(1);

        // Legend on the right: a colour box, the text and the share of each point. Its
        // font shrinks until every row fits the chart's height.
        QFont legendFont = textFont_;
        const double fullRow = QFontMetricsF(legendFont).height() * 1.35;
        if (points > 0 && fullRow * points > body.height())
            legendFont.setPixelSize(
                std::max(1, int(legendFont.pixelSize() * body.height() / (fullRow * points))));
        QFontMetricsF metrics(legendFont);
        const double box = metrics.height() * 0.75;
        const double rowHeight = std::min(metrics.height() * 1.35, body.height() / points);
        const std::vector<std::string> shares = core::PieShareTexts(values);
        double textWidth = 0, shareWidth = metrics.horizontalAdvance("100.0%");
        for (int k = 1; k <= points; ++k)
            textWidth = std::max(textWidth, metrics.horizontalAdvance(legendText(k)));
        double legendWidth =
            std::min(body.width() * 0.45, box + margin_ + textWidth + margin_ * 2 + shareWidth);
        if (points > 0) {
            QRectF legend(body.right() - legendWidth, body.top(), legendWidth, body.height());
            double top = legend.center().y() - rowHeight * points / 2;
            p_.setFont(legendFont);
            for (int k = 1; k <= points; ++k) {
                double y = std::max(legend.top(), top) + (k - 1) * rowHeight;
                QRectF swatch(legend.left(), y + (rowHeight - box) / 2, box, box);
                const QColor color = colors_.sliceColor(k, points);
                p_.setPen(QPen(color.darker(140), 1));
                p_.setBrush(color);
                p_.drawRect(swatch);
                p_.setPen(TextColor);
                QRectF text(swatch.right() + margin_, y, legend.right() - swatch.right() - margin_,
                            rowHeight);
                p_.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, legendText(k));
                p_.drawText(text, Qt::AlignRight | Qt::AlignVCenter,
                            QString::fromStdString(shares[k - 1]));
            }
            body.setRight(legend.left() - margin_ * 2);
        }

        const bool threeD = chart_.isThreeD();
        double width =
            std::min(body.width(), threeD ? body.height() / (PieTilt + PieDepth) : body.height());
        double height = threeD ? width * PieTilt : width;
        double depth = threeD ? width * PieDepth : 0;
        QRectF disc(body.center().x() - width / 2, body.center().y() - (height + depth) / 2, width,
                    height);

        std::vector<core::PieSlice> slices = core::PieSlices(values);
        p_.setRenderHint(QPainter::Antialiasing, true);
        if (slices.empty()) {
            p_.setPen(QPen(GridColor, 1.5));
            p_.setBrush(Qt::NoBrush);
            p_.drawEllipse(disc);
            return;
        }
        if (threeD) {
            QRectF under = disc.translated(0, depth);
            for (const core::PieSlice& slice : slices)
                drawRim(slice, disc, under);
        }
        for (const core::PieSlice& slice : slices) {
            p_.setPen(QPen(Background, 1.2));
            p_.setBrush(colors_.sliceColor(slice.point, chart_.pointCount()));
            if (slice.span >= 1.0 - 1e-12) {
                p_.setPen(Qt::NoPen);
                p_.drawEllipse(disc);
            } else {
                p_.drawPie(disc, int(std::lround(qtAngle(slice.start) * 16)),
                           int(std::lround(-slice.span * 360 * 16)));
            }
        }
    }

    // Degrees as QPainter counts them (anticlockwise from three o'clock) of a fraction of
    // the turn counted clockwise from the top.
    static double qtAngle(double fraction) { return 90 - fraction * 360; }

    // The front of the disc's edge under a slice: only what faces the viewer, the lower half.
    void drawRim(const core::PieSlice& slice, const QRectF& top, const QRectF& under) {
        double high = qtAngle(slice.start);
        double low = qtAngle(slice.start + slice.span);
        for (double turn : {0.0, -360.0}) {
            double from = std::max(low, -180.0 + turn);
            double to = std::min(high, 0.0 + turn);
            if (to - from <= 1e-9)
                continue;
            QPainterPath path;
            path.arcMoveTo(top, from);
            path.arcTo(top, from, to - from);
            QPainterPath bottom;
            bottom.arcMoveTo(under, to);
            path.lineTo(bottom.currentPosition());
            path.arcTo(under, to, from - to);
            path.closeSubpath();
            QColor color = ChartSideFace(colors_.sliceColor(slice.point, chart_.pointCount()));
            p_.setPen(QPen(color.darker(115), 1));
            p_.setBrush(color);
            p_.drawPath(path);
        }
    }

    // A legend row: the point's legend, else its label (bars drawn as a pie), else its number.
    QString legendText(int point) const {
        std::string legend = chart_.legend(point);
        return QString::fromStdString(legend.empty() ? core::PointCaption(chart_, point) : legend);
    }

    // ---- Bars and lines -----------------------------------------------------------------

    void drawAxesAndData(QRectF body) {
        const int points = chart_.pointCount();
        const int sets = chart_.setCount();
        double lowest = INFINITY, highest = -INFINITY;
        for (int s = 1; s <= sets; ++s)
            for (double v : chart_.values(s)) {
                lowest = std::min(lowest, v);
                highest = std::max(highest, v);
            }
        const core::ChartAxis axis =
            core::ScaleChartAxis(lowest, highest, chart_.axisMinimum(), chart_.axisMaximum());

        QFontMetricsF metrics(textFont_);
        double tickWidth = 0;
        int ticks = int(std::floor((axis.high - axis.low) / axis.step + 1e-9));
        for (int t = 0; t <= ticks; ++t)
            tickWidth =
                std::max(tickWidth,
                         metrics.horizontalAdvance(TickText(axis.low + t * axis.step, axis.step)));
        const double tickLength = margin_ / 2;
        QRectF plot = body;
        plot.setLeft(body.left() + tickWidth + tickLength + margin_ / 2);
        plot.setBottom(body.bottom() - metrics.height() - margin_ / 2);
        plot.setTop(body.top() + metrics.height() / 2);
        plot.setRight(body.right() - margin_);

        const bool bars3D = chart_.type() == core::ChartType::Bar3D;
        const double slot = points > 0 ? plot.width() / points : plot.width();
        double depthX = 0, depthY = 0;
        if (bars3D) {
            depthX = std::min({slot * 0.28, plot.width() * 0.06, 24.0});
            depthY = depthX * 0.8;
            plot.setRight(plot.right() - depthX);
            plot.setTop(plot.top() + depthY);
        }
        const double slotWidth = points > 0 ? plot.width() / points : plot.width();
        auto yOf = [&](double v) {
            double fraction =
                (std::clamp(v, axis.low, axis.high) - axis.low) / (axis.high - axis.low);
            return plot.bottom() - fraction * plot.height();
        };

        // Walls and grid.
        p_.setRenderHint(QPainter::Antialiasing, false);
        if (bars3D) {
            QPointF d(depthX, -depthY);
            QPolygonF back({plot.topLeft() + d, plot.topRight() + d, plot.bottomRight() + d,
                            plot.bottomLeft() + d});
            QPolygonF left(
                {plot.topLeft(), plot.topLeft() + d, plot.bottomLeft() + d, plot.bottomLeft()});
            QPolygonF floor({plot.bottomLeft(), plot.bottomLeft() + d, plot.bottomRight() + d,
                             plot.bottomRight()});
            p_.setPen(Qt::NoPen);
            p_.setBrush(WallColor);
            p_.drawPolygon(back);
            p_.drawPolygon(left);
            p_.setBrush(FloorColor);
            p_.drawPolygon(floor);
        }
        p_.setFont(textFont_);
        for (int t = 0; t <= ticks; ++t) {
            double value = axis.low + t * axis.step;
            double y = yOf(value);
            p_.setPen(QPen(GridColor, 1));
            if (bars3D) {
                p_.drawLine(QPointF(plot.left(), y), QPointF(plot.left() + depthX, y - depthY));
                p_.drawLine(QPointF(plot.left() + depthX, y - depthY),
                            QPointF(plot.right() + depthX, y - depthY));
            } else if (t > 0) {
                p_.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
            }
            p_.setPen(AxisColor);
            p_.drawLine(QPointF(plot.left() - tickLength, y), QPointF(plot.left(), y));
            p_.setPen(TextColor);
            QRectF text(body.left(), y - metrics.height() / 2, tickWidth, metrics.height());
            p_.drawText(text, Qt::AlignRight | Qt::AlignVCenter, TickText(value, axis.step));
        }
        p_.setPen(QPen(AxisColor, 1));
        p_.drawLine(plot.bottomLeft(), plot.topLeft());
        p_.drawLine(plot.bottomLeft(), plot.bottomRight());

        if (chart_.type() == core::ChartType::Line)
            drawLines(plot, slotWidth, yOf);
        else
            drawBars(plot, slotWidth, depthX, depthY, yOf);
        drawPointLabels(plot, slotWidth, depthX);
    }

    template <typename YOf>
    void drawBars(const QRectF& plot, double slot, double depthX, double depthY, YOf yOf) {
        const int sets = chart_.setCount();
        const double group = slot * (depthX > 0 ? 0.62 : 0.7);
        const double barWidth = group / sets;
        p_.setRenderHint(QPainter::Antialiasing, false);
        for (int k = 1; k <= chart_.pointCount(); ++k) {
            double left = plot.left() + (k - 1) * slot + (slot - group) / 2;
            if (depthX > 0)
                left -= depthX / 4;
            for (int s = 1; s <= sets; ++s) {
                QColor color = colors_.setColor(s);
                double x = std::round(left + (s - 1) * barWidth);
                double right = std::round(left + s * barWidth);
                double top = std::round(yOf(chart_.value(s, k)));
                double bottom = std::round(plot.bottom());
                if (depthX > 0) {
                    QPointF d(depthX, -depthY);
                    QPolygonF side({QPointF(right, top), QPointF(right, top) + d,
                                    QPointF(right, bottom) + d, QPointF(right, bottom)});
                    QPolygonF lid({QPointF(x, top), QPointF(x, top) + d, QPointF(right, top) + d,
                                   QPointF(right, top)});
                    p_.setPen(QPen(ChartSideFace(color).darker(120), 1));
                    p_.setBrush(ChartSideFace(color));
                    p_.drawPolygon(side);
                    p_.setBrush(ChartTopFace(color));
                    p_.drawPolygon(lid);
                }
                if (bottom - top >= 1) {
                    p_.setPen(Qt::NoPen);
                    p_.setBrush(color);
                    p_.drawRect(QRectF(x, top, right - x, bottom - top));
                    p_.setPen(QPen(color.darker(135), 1));
                    p_.setBrush(Qt::NoBrush);
                    p_.drawRect(QRectF(x, top, right - x - 1, bottom - top - 1));
                }
            }
        }
    }

    template <typename YOf> void drawLines(const QRectF& plot, double slot, YOf yOf) {
        p_.setRenderHint(QPainter::Antialiasing, true);
        const double radius = std::clamp(slot * 0.12, 2.5, 5.0);
        for (int s = 1; s <= chart_.setCount(); ++s) {
            QColor color = colors_.setColor(s);
            QPolygonF line;
            for (int k = 1; k <= chart_.pointCount(); ++k)
                line << QPointF(plot.left() + (k - 0.5) * slot, yOf(chart_.value(s, k)));
            p_.setPen(QPen(color, std::max(2.0, radius * 0.6), Qt::SolidLine, Qt::RoundCap,
                           Qt::RoundJoin));
            p_.setBrush(Qt::NoBrush);
            p_.drawPolyline(line);
            p_.setPen(QPen(Background, 1.5));
            p_.setBrush(color);
            for (const QPointF& point : line)
                p_.drawEllipse(point, radius, radius);
        }
    }

    // Labels too wide for their place show
    // every second (or third ...) one.
    void drawPointLabels(const QRectF& plot, double slot, double depthX) {
        const int points = chart_.pointCount();
        if (points == 0)
            return;
        QFontMetricsF metrics(textFont_);
        std::vector<QString> texts;
        double widest = 0;
        for (int k = 1; k <= points; ++k) {
            texts.push_back(QString::fromStdString(core::PointCaption(chart_, k)));
            widest = std::max(widest, metrics.horizontalAdvance(texts.back()));
        }
        int every = std::max(1, int(std::ceil((widest + 3) / slot)));
        p_.setFont(textFont_);
        p_.setPen(TextColor);
        double shift = depthX > 0 ? depthX / 4 : 0;
        for (int k = 1; k <= points; k += every) {
            double centre = plot.left() + (k - 0.5) * slot - shift;
            QRectF text(centre - slot * every / 2, plot.bottom() + margin_ / 3, slot * every,
                        metrics.height());
            p_.drawText(text, Qt::AlignHCenter | Qt::AlignTop, texts[k - 1]);
        }
    }

    QPainter& p_;
    QRect area_;
    const core::ChartModel& chart_;
    const ChartColors& colors_;
    QFont titleFont_;
    QFont textFont_;
    double margin_;
};

} // namespace

QColor ChartColors::setColor(int set) const {
    if (sets.empty())
        return Qt::black;
    return sets[size_t(std::max(0, set - 1)) % sets.size()];
}

QColor ChartColors::sliceColor(int point, int pointCount) const {
    if (pointCount > int(slices.size())) {
        // More slices than the palette: hues spread round the circle, every other one
        // paler, so that neighbours and far slices stay apart.
        const int k = std::max(0, point - 1);
        return QColor::fromHsvF(float(k) / float(pointCount), k % 2 ? 0.45f : 0.8f,
                                k % 2 ? 0.95f : 0.8f);
    }
    if (slices.empty())
        return Qt::black;
    return slices[size_t(std::max(0, point - 1)) % slices.size()];
}

ChartColors DefaultChartColors() {
    ChartColors colors;
    colors.sets = {{38, 98, 192}, {46, 160, 68}, {214, 76, 52}, {232, 160, 32}, {136, 92, 184}};
    colors.slices = {{38, 98, 192},  {240, 128, 24}, {46, 160, 68},   {214, 50, 48},
                     {144, 96, 190}, {140, 86, 75},  {226, 118, 192}, {120, 120, 120},
                     {188, 189, 34}, {23, 180, 200}};
    return colors;
}

QColor ChartTopFace(const QColor& color) {
    return color.lighter(135);
}

QColor ChartSideFace(const QColor& color) {
    return color.darker(160);
}

void PaintChart(QPainter& painter, const QRect& area, const core::ChartModel& chart,
                const ChartColors& colors) {
    ChartPainter(painter, area, chart, colors).paint();
}

ChartControl::ChartControl(QWidget* parent) : QWidget(parent), colors_(DefaultChartColors()) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ChartControl::set(core::ChartProperty property, double value) {
    act(model_.set(property, value));
}

void ChartControl::set(core::ChartProperty property, const QString& text) {
    act(model_.set(property, text.toStdString()));
}

void ChartControl::apply(const core::ChartScript& script) {
    for (const core::ChartStep& step : script)
        act(model_.set(step.property, step.value));
}

void ChartControl::act(core::ChartAction action) {
    if (action == core::ChartAction::Draw) {
        shown_ = model_;
        ++drawCount_;
        update();
    } else if (action == core::ChartAction::Copy) {
        copyToClipboard();
    }
}

void ChartControl::setAxisMaximum(double maximum) {
    model_.setAxisMaximum(maximum);
}

void ChartControl::setSetColor(int set, const QColor& color) {
    if (set < 1 || set > core::ChartModel::MaxSets)
        return;
    if (int(colors_.sets.size()) < set)
        colors_.sets.resize(set, colors_.setColor(set));
    colors_.sets[set - 1] = color;
    update();
}

void ChartControl::setEmptyText(const QString& text) {
    emptyText_ = text;
    update();
}

QImage ChartControl::renderImage(QSize size) const {
    if (!size.isValid() || size.isEmpty())
        size = this->size();
    QImage image(size, QImage::Format_RGB32);
    image.fill(Background);
    QPainter painter(&image);
    paintShown(painter, image.rect());
    return image;
}

void ChartControl::paintShown(QPainter& painter, const QRect& area) const {
    if (hasDrawn()) {
        PaintChart(painter, area, shown_, colors_);
        return;
    }
    painter.fillRect(area, Background);
    if (!emptyText_.isEmpty()) {
        painter.setPen(EmptyTextColor);
        painter.setFont(ChartFont(std::clamp(area.height() / 30.0, 9.0, 20.0), false));
        painter.drawText(area.adjusted(12, 12, -12, -12), Qt::AlignCenter | Qt::TextWordWrap,
                         emptyText_);
    }
}

void ChartControl::copyToClipboard() const {
    QGuiApplication::clipboard()->setImage(renderImage());
}

void ChartControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintShown(painter, rect());
}

} // namespace platform
