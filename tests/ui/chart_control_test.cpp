// The chart control: what a draw shows, the clipboard, and what the drawn pictures look like.
#include "core/chart_scripts.h"
#include "platform/chart_control.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QSet>
#include <QtTest>

#include <algorithm>

using core::ChartProperty;
using core::ChartType;

namespace {

const QSize PictureSize{640, 420};

// A column run of one colour: a bar as a person sees it.
struct Run {
    int left = 0;
    int right = 0;
    int height = 0; // most pixels of the colour in one column of the run
};

int CountColor(const QImage& image, const QColor& color) {
    int count = 0;
    const QRgb rgb = color.rgb();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == rgb)
                ++count;
    return count;
}

// Columns holding at least minPixels of the colour, grouped into runs left to right.
std::vector<Run> ColumnRuns(const QImage& image, const QColor& color, int minPixels = 3) {
    std::vector<Run> runs;
    const QRgb rgb = color.rgb();
    bool inRun = false;
    for (int x = 0; x < image.width(); ++x) {
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            if (image.pixel(x, y) == rgb)
                ++count;
        if (count >= minPixels) {
            if (!inRun)
                runs.push_back({x, x, 0});
            inRun = true;
            runs.back().right = x;
            runs.back().height = std::max(runs.back().height, count);
        } else {
            inRun = false;
        }
    }
    return runs;
}

// The bounding box of the largest connected patch of one colour (a slice, not its swatch).
QRect LargestPatch(const QImage& image, const QColor& color) {
    const QRgb rgb = color.rgb();
    std::vector<char> seen(size_t(image.width()) * image.height(), 0);
    QRect best;
    int bestSize = 0;
    for (int y0 = 0; y0 < image.height(); ++y0)
        for (int x0 = 0; x0 < image.width(); ++x0) {
            if (seen[size_t(y0) * image.width() + x0] || image.pixel(x0, y0) != rgb)
                continue;
            std::vector<QPoint> stack{{x0, y0}};
            seen[size_t(y0) * image.width() + x0] = 1;
            QRect box;
            int size = 0;
            while (!stack.empty()) {
                QPoint p = stack.back();
                stack.pop_back();
                box |= QRect(p, QSize(1, 1));
                ++size;
                for (QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                    QPoint n = p + d;
                    if (n.x() < 0 || n.y() < 0 || n.x() >= image.width() || n.y() >= image.height())
                        continue;
                    char& mark = seen[size_t(n.y()) * image.width() + n.x()];
                    if (!mark && image.pixel(n) == rgb) {
                        mark = 1;
                        stack.push_back(n);
                    }
                }
            }
            if (size > bestSize) {
                bestSize = size;
                best = box;
            }
        }
    return best;
}

void Chart(platform::ChartControl& chart, ChartType type, const std::vector<double>& values,
           int sets = 1) {
    chart.set(ChartProperty::ClearArrays, 9);
    chart.set(ChartProperty::ChartType, double(type));
    chart.set(ChartProperty::SetCount, sets);
    chart.set(ChartProperty::AutoAdvance, 1);
    chart.set(ChartProperty::PointCount, double(values.size()) / sets);
    for (double v : values)
        chart.set(ChartProperty::DataValue, v);
    chart.set(ChartProperty::DrawAction, 3);
}

// A course of a few dozen rounds, for the pictures of the README.
core::CourseState SampleCourse() {
    core::CourseState course;
    const int par[] = {0, 4, 4, 3, 5, 4, 4, 3, 4, 5, 4, 3, 4, 5, 4, 4, 3, 4, 5};
    const double average[] = {0,   4.9, 5.2, 3.6, 5.8, 4.7, 5.4, 3.9, 4.8, 6.1,
                              5.0, 3.4, 4.6, 5.7, 5.3, 4.9, 3.8, 5.1, 6.3};
    course.GamesRecorded = 40;
    for (int h = 1; h <= 18; ++h) {
        course.HolePar[h] = par[h];
        course.HoleStrokes[h] = int(average[h] * 40);
    }
    course.ParsTotal = 262;
    course.BogeysTotal = 301;
    course.BirdiesTotal = 41;
    course.EaglesTotal = 9;
    course.DoubleEaglesTotal = 1;
    course.OthersTotal = 114;
    return course;
}

core::HandicapState SampleHandicap() {
    core::HandicapState handicap;
    const int scores[] = {88, 84, 91, 86, 83, 89, 87, 92, 85, 82, 86, 90};
    for (int k = 1; k <= 12; ++k) {
        handicap.LastScoreDate[k] = 35000 - k * 7;
        handicap.LastAdjustedScore[k] = scores[k - 1];
    }
    return handicap;
}

} // namespace

class ChartControlTest : public QObject {
    Q_OBJECT

private slots:
    void showsTheChartAsItWasAtTheLastDraw() {
        platform::ChartControl chart;
        QVERIFY(!chart.hasDrawn());
        chart.set(ChartProperty::ChartTitle, "First");
        chart.set(ChartProperty::PointCount, 2);
        QCOMPARE(chart.shownChart().title(), std::string());
        chart.set(ChartProperty::DrawAction, 3);
        QVERIFY(chart.shownChart() == chart.model());
        chart.set(ChartProperty::ChartTitle, "Second");
        QCOMPARE(chart.shownChart().title(), std::string("First"));
        QCOMPARE(chart.model().title(), std::string("Second"));
        QCOMPARE(chart.drawCount(), 1);
    }

    void copyPutsTheShownChartOnTheClipboardAsAPicture() {
        platform::ChartControl chart;
        chart.resize(PictureSize);
        Chart(chart, ChartType::Bar, {3, 5, 4});
        QGuiApplication::clipboard()->clear();
        chart.set(ChartProperty::DrawAction, 4);
        QImage copied = QGuiApplication::clipboard()->image();
        QCOMPARE(copied.size(), PictureSize);
        QCOMPARE(copied.convertToFormat(QImage::Format_RGB32), chart.renderImage());
        QCOMPARE(ColumnRuns(copied, chart.colors().setColor(1)).size(), size_t(3));
    }

    void barsStandInOrderWithHeightsInProportion() {
        platform::ChartControl chart;
        const std::vector<double> values{2, 4, 6, 8, 10};
        Chart(chart, ChartType::Bar, values);
        std::vector<Run> bars =
            ColumnRuns(chart.renderImage(PictureSize), chart.colors().setColor(1));
        QCOMPARE(bars.size(), values.size());
        for (size_t i = 0; i < bars.size(); ++i) {
            if (i > 0) {
                QVERIFY(bars[i].left > bars[i - 1].right);
                QVERIFY(bars[i].height > bars[i - 1].height);
            }
            // The axis starts at 0, so a bar's height is its value to scale.
            double expected = bars.back().height * values[i] / values.back();
            QVERIFY2(std::abs(bars[i].height - expected) <= 3, qPrintable(QString::number(i)));
        }
    }

    void twoSetsAlternateInTheirOwnColours() {
        platform::ChartControl chart;
        // Set 1 then set 2, each of four points.
        Chart(chart, ChartType::Bar, {10, 11, 12, 13, 5, 6, 7, 8}, 2);
        QImage image = chart.renderImage(PictureSize);
        std::vector<Run> first = ColumnRuns(image, chart.colors().setColor(1));
        std::vector<Run> second = ColumnRuns(image, chart.colors().setColor(2));
        QCOMPARE(first.size(), size_t(4));
        QCOMPARE(second.size(), size_t(4));
        for (size_t i = 0; i < 4; ++i) {
            QVERIFY(first[i].right < second[i].left);
            if (i + 1 < 4)
                QVERIFY(second[i].right < first[i + 1].left);
            QVERIFY(first[i].height > second[i].height);
        }
    }

    void threeDBarsShowTopAndSideFaces() {
        platform::ChartControl chart;
        Chart(chart, ChartType::Bar, {3, 6, 9});
        QImage flat = chart.renderImage(PictureSize);
        chart.set(ChartProperty::ChartType, double(ChartType::Bar3D));
        chart.set(ChartProperty::DrawAction, 3);
        QImage deep = chart.renderImage(PictureSize);
        QColor color = chart.colors().setColor(1);
        QVERIFY(flat != deep);
        QCOMPARE(CountColor(flat, platform::ChartSideFace(color)), 0);
        QCOMPARE(CountColor(flat, platform::ChartTopFace(color)), 0);
        QVERIFY(CountColor(deep, platform::ChartSideFace(color)) > 100);
        QVERIFY(CountColor(deep, platform::ChartTopFace(color)) > 100);
        std::vector<Run> bars = ColumnRuns(deep, color);
        QCOMPARE(bars.size(), size_t(3));
        QVERIFY(bars[0].height < bars[1].height && bars[1].height < bars[2].height);
    }

    void pieSlicesTakeTheirShareOfTheDisc() {
        platform::ChartControl chart;
        const std::vector<double> values{50, 25, 15, 10};
        for (ChartType type : {ChartType::Pie, ChartType::Pie3D}) {
            Chart(chart, type, values);
            QImage image = chart.renderImage(PictureSize);
            std::vector<int> counts;
            int total = 0;
            for (int k = 1; k <= 4; ++k) {
                counts.push_back(CountColor(image, chart.colors().sliceColor(k)));
                total += counts.back();
            }
            QVERIFY(total > 20000);
            for (int k = 0; k < 4; ++k) {
                double share = 100.0 * counts[k] / total;
                QVERIFY2(std::abs(share - values[k]) < 1.5,
                         qPrintable(QString("slice %1: %2%").arg(k + 1).arg(share)));
            }
        }
    }

    void aThreeDPieIsATiltedDiscWithARim() {
        platform::ChartControl chart;
        // Two halves: the first is the right half of the disc.
        Chart(chart, ChartType::Pie, {1, 1});
        QImage flat = chart.renderImage(PictureSize);
        Chart(chart, ChartType::Pie3D, {1, 1});
        QImage deep = chart.renderImage(PictureSize);
        QColor first = chart.colors().sliceColor(1);
        QCOMPARE(CountColor(flat, platform::ChartSideFace(first)), 0);
        QVERIFY(CountColor(deep, platform::ChartSideFace(first)) > 200);
        QRect round = LargestPatch(flat, first), tilted = LargestPatch(deep, first);
        QVERIFY2(std::abs(round.height() - 2 * round.width()) <= 6,
                 qPrintable(QString("%1 x %2").arg(round.width()).arg(round.height())));
        QVERIFY2(tilted.height() < 1.3 * tilted.width(),
                 qPrintable(QString("%1 x %2").arg(tilted.width()).arg(tilted.height())));
    }

    void aLineRisesAndFallsWithItsValues() {
        platform::ChartControl chart;
        chart.set(ChartProperty::AxisMinimum, 50);
        chart.setAxisMaximum(130);
        Chart(chart, ChartType::Line, {80, 120, 70});
        QImage image = chart.renderImage(PictureSize);
        // The line's upper edge, column by column.
        const QRgb rgb = chart.colors().setColor(1).rgb();
        std::vector<QPoint> edge;
        for (int x = 0; x < image.width(); ++x)
            for (int y = 0; y < image.height(); ++y)
                if (image.pixel(x, y) == rgb) {
                    edge.push_back({x, y});
                    break;
                }
        QVERIFY(edge.size() > size_t(image.width() / 2));
        QPoint peak = *std::min_element(edge.begin(), edge.end(),
                                        [](QPoint a, QPoint b) { return a.y() < b.y(); });
        QVERIFY(peak.y() < edge.front().y());
        QVERIFY(edge.front().y() < edge.back().y());
        int middle = (edge.front().x() + edge.back().x()) / 2;
        QVERIFY(std::abs(peak.x() - middle) < (edge.back().x() - edge.front().x()) / 6);
    }

    void valuesUnderTheAxisMinimumStillShow() {
        platform::ChartControl chart;
        chart.set(ChartProperty::AxisMinimum, 20);
        Chart(chart, ChartType::Bar, {15, 17, 16, 18});
        QCOMPARE(chart.shownChart().axisMinimum(), std::optional<double>(20));
        std::vector<Run> bars =
            ColumnRuns(chart.renderImage(PictureSize), chart.colors().setColor(1));
        QCOMPARE(bars.size(), size_t(4));
        for (const Run& bar : bars)
            QVERIFY(bar.height > 100);
    }

    void eighteenSlicesHaveEighteenColoursAndAWholeLegend() {
        platform::ChartControl chart;
        std::vector<double> values;
        for (int k = 1; k <= 18; ++k)
            values.push_back(4 + k % 3);
        Chart(chart, ChartType::Pie3D, values);
        QImage image = chart.renderImage(PictureSize);
        // The legend stands right of the disc: every slice's swatch must be there.
        QImage legend =
            image.copy(image.width() * 7 / 10, 0, image.width() * 3 / 10, image.height());
        QSet<QRgb> colours;
        for (int k = 1; k <= 18; ++k) {
            QColor colour = chart.colors().sliceColor(k, 18);
            colours.insert(colour.rgb());
            QVERIFY2(CountColor(legend, colour) > 4, qPrintable(QString("swatch %1").arg(k)));
        }
        QCOMPARE(colours.size(), 18);
    }

    void aDrawnChartWithoutPointsSaysSoInsteadOfAnEmptyAxis() {
        platform::ChartControl chart;
        chart.set(ChartProperty::AxisMinimum, 50);
        Chart(chart, ChartType::Bar, {});
        QVERIFY(chart.hasDrawn());
        QImage empty = chart.renderImage(PictureSize);
        Chart(chart, ChartType::Bar, {55});
        QImage one = chart.renderImage(PictureSize);
        const QColor axis{64, 64, 64};
        QVERIFY(CountColor(one, axis) > 100);
        QCOMPARE(CountColor(empty, axis), 0);
        QVERIFY(CountColor(empty, QColor(128, 128, 128)) > 20); // the grey message
    }

    // The pictures of the README; set TARNWICK_DOC_IMAGES to a folder to write them there.
    void samplePicturesForTheReadme() {
        const QString folder = qEnvironmentVariable("TARNWICK_DOC_IMAGES");
        const QSize size{720, 440};
        struct Sample {
            const char* file;
            core::ChartScript script;
            bool line;
        };
        core::ChartScript line = {{ChartProperty::ChartType, double(ChartType::Line)},
                                  {ChartProperty::AxisMinimum, 50.0}};
        for (const core::ChartStep& step : core::LastGamesChartScript(SampleHandicap()))
            line.push_back(step);
        const Sample samples[] = {
            {"chart-bar.png", core::AveragesChartScript(SampleCourse(), std::nullopt, true), false},
            {"chart-pie.png",
             core::DistributionPieScript(SampleCourse(), core::DistributionPie::HoleScores, true),
             false},
            {"chart-line.png", line, true},
        };
        for (const Sample& sample : samples) {
            platform::ChartControl chart;
            if (sample.line)
                chart.setAxisMaximum(130);
            chart.apply(sample.script);
            QImage image = chart.renderImage(size);
            if (!folder.isEmpty())
                QVERIFY(image.save(QDir(folder).filePath(sample.file)));
            if (chart.shownChart().isPie()) {
                for (int k = 1; k <= chart.shownChart().pointCount(); ++k)
                    QVERIFY(CountColor(image, chart.colors().sliceColor(k)) > 200);
            } else if (sample.line) {
                QCOMPARE(chart.shownChart().pointCount(), 12);
                QVERIFY(CountColor(image, chart.colors().setColor(1)) > 1000);
            } else {
                QCOMPARE(ColumnRuns(image, chart.colors().setColor(1)).size(), size_t(18));
            }
        }
    }
};

QTEST_MAIN(ChartControlTest)
#include "chart_control_test.moc"
