// "Last 20 Scores" (Form15): the charts of the recent rounds.
#include "platform/chart_control.h"
#include "platform/three_d_button.h"
#include "support/fake_platform.h"
#include "ui/app/main_window.h"
#include "ui/handicap/last_twenty_window.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

using core::ChartType;
using testing_support::FakePlatform;

namespace {

struct Round {
    int score, front, back, putts, frontPutts, backPutts, fairways, greens;
};

// Adds a round as saving one does: after the 20th the oldest drops out.
void AddRound(core::CourseState& course, const Round& r) {
    int slot = int(course.RecentCount) + 1;
    course.RecentRoundScore[slot] = r.score;
    course.RecentFrontScore[slot] = r.front;
    course.RecentBackScore[slot] = r.back;
    course.RecentRoundPutts[slot] = r.putts;
    course.RecentFrontPutts[slot] = r.frontPutts;
    course.RecentBackPutts[slot] = r.backPutts;
    course.RecentFairways[slot] = r.fairways;
    course.RecentGreens[slot] = r.greens;
    course.RecentCount = slot;
    if (slot == 21) {
        for (auto* a : {&course.RecentRoundScore, &course.RecentFrontScore, &course.RecentBackScore,
                        &course.RecentRoundPutts, &course.RecentFrontPutts, &course.RecentBackPutts,
                        &course.RecentFairways, &course.RecentGreens}) {
            for (int k = 1; k <= 20; ++k)
                (*a)[k] = (*a)[k + 1];
            (*a)[21] = 0;
        }
        course.RecentCount = 20;
    }
}

// Round k: every figure different, so that each chart shows its own array.
Round Sample(int k) {
    return {70 + k, 35 + k, 35 + k % 7, 28 + k % 9, 14 + k % 4, 15 + k % 3, 3 + k % 11, 2 + k % 13};
}

struct Fixture {
    explicit Fixture(int rounds) {
        for (int k = 1; k <= rounds; ++k)
            AddRound(state.course, Sample(k));
    }
    FakePlatform fake;
    core::AppState state;
    ui::AppContext context{state, fake.platform, nullptr};
};

std::vector<double> Recent(const core::OneBased<int, core::RecentSlots>& values, int n) {
    return std::vector<double>(values.begin() + 1, values.begin() + 1 + n);
}

void Click(QWidget& window, const char* name) {
    auto* button = window.findChild<QPushButton*>(name);
    if (!button)
        qFatal("no button %s", name);
    QTest::mouseClick(button, Qt::LeftButton);
}

bool LegendShown(QWidget& window) {
    bool all = true, any = false;
    for (const char* name : {"Label1", "Label3", "Text1", "Text2"}) {
        bool shown = !window.findChild<QWidget*>(name)->isHidden();
        all = all && shown;
        any = any || shown;
    }
    if (all != any)
        qFatal("the legend is half shown");
    return all;
}

} // namespace

class LastTwentyWindowTest : public QObject {
    Q_OBJECT

private slots:
    void opensWithFlatBarsOfTheEighteenHoleScores() {
        Fixture f(6);
        ui::LastTwentyWindow window(f.context);
        QCOMPARE(window.objectName(), QString("Form15"));
        QCOMPARE(window.windowTitle(), QString("Last 20 Scores"));
        const core::ChartModel& chart = window.chart()->shownChart();
        QCOMPARE(chart.type(), ChartType::Bar);
        QCOMPARE(chart.values(1), Recent(f.state.course.RecentRoundScore, 6));
        QCOMPARE(chart.axisMinimum(), std::optional<double>(50));
        QCOMPARE(chart.bottomTitle(), std::string("Last Recorded 18 Hole Scores"));
        QCOMPARE(chart.setCount(), 1);
        QVERIFY(!LegendShown(window));
        QVERIFY(!window.findChild<QAction*>("Bar_cmd")->isChecked());
    }

    void eachButtonChartsItsOwnArray() {
        struct Case {
            const char* button;
            const char* caption;
            core::OneBased<int, core::RecentSlots> core::CourseState::*values;
            double minimum;
            const char* title;
        };
        const Case cases[] = {
            {"Command8", "18 Hole Scores", &core::CourseState::RecentRoundScore, 50,
             "Last 18 Hole Scores\\Round"},
            {"Command7", "Front 9 Scores", &core::CourseState::RecentFrontScore, 20,
             "Last Front 9 Scores\\Round"},
            {"Command6", "Back 9 Scores", &core::CourseState::RecentBackScore, 20,
             "Last Back 9 Scores\\Round"},
            {"Command1", "18 Hole Putts", &core::CourseState::RecentRoundPutts, 20,
             "Last 18 Hole Putts\\Round"},
            {"Command2", "Front 9 Putts", &core::CourseState::RecentFrontPutts, 10,
             "Front 9 Putts\\Round"},
            {"Command3", "Back 9 Putts", &core::CourseState::RecentBackPutts, 20,
             "Last Back 9 Putts\\Round"},
        };
        Fixture f(9);
        ui::LastTwentyWindow window(f.context);
        for (const Case& c : cases) {
            Click(window, "Command5"); // two sets and the legend, which must go again
            Click(window, c.button);
            QCOMPARE(window.findChild<QPushButton*>(c.button)->text(), QString(c.caption));
            const core::ChartModel& chart = window.chart()->shownChart();
            QCOMPARE(chart.values(1), Recent(f.state.course.*c.values, 9));
            QCOMPARE(chart.axisMinimum(), std::optional<double>(c.minimum));
            QCOMPARE(chart.bottomTitle(), std::string(c.title));
            QCOMPARE(chart.setCount(), 1);
            QVERIFY2(!LegendShown(window), c.button);
            QVERIFY(window.chart()->shownChart() == window.chart()->model());
        }
    }

    void twentyFiveRoundsShowTheLastTwentyOldestFirst() {
        Fixture f(25);
        ui::LastTwentyWindow window(f.context);
        std::vector<double> expected;
        for (int k = 6; k <= 25; ++k)
            expected.push_back(Sample(k).score);
        QCOMPARE(window.chart()->shownChart().values(1), expected);
        Click(window, "Command3");
        expected.clear();
        for (int k = 6; k <= 25; ++k)
            expected.push_back(Sample(k).backPutts);
        QCOMPARE(window.chart()->shownChart().values(1), expected);
    }

    void fairwaysAndGreensChartsTwoSetsWithTheirLegend() {
        Fixture f(12);
        ui::LastTwentyWindow window(f.context);
        Click(window, "Command2");
        Click(window, "Command5");
        const core::ChartModel& chart = window.chart()->shownChart();
        QCOMPARE(chart.setCount(), 2);
        QCOMPARE(chart.pointCount(), 12);
        QCOMPARE(chart.values(1), Recent(f.state.course.RecentGreens, 12));
        QCOMPARE(chart.values(2), Recent(f.state.course.RecentFairways, 12));
        QCOMPARE(chart.bottomTitle(), std::string("Fairways and Greens in Reg.\\Round"));
        // The minimum stays as the chart before left it.
        QCOMPARE(chart.axisMinimum(), std::optional<double>(10));
        QVERIFY(LegendShown(window));
        QCOMPARE(window.findChild<QLabel*>("Label1")->text(), QString("Fairways"));
        QCOMPARE(window.findChild<QLabel*>("Label3")->text(), QString("Greens"));
        QColor fairways = window.findChild<QLineEdit*>("Text1")->palette().color(QPalette::Base);
        QColor greens = window.findChild<QLineEdit*>("Text2")->palette().color(QPalette::Base);
        QCOMPARE(fairways, QColor(0, 255, 0));
        QCOMPARE(greens, QColor(0, 0, 255));
        // The bars are in the legend's colours, greens first in each pair.
        QCOMPARE(window.chart()->colors().setColor(1), greens);
        QCOMPARE(window.chart()->colors().setColor(2), fairways);
        QImage image = window.chart()->renderImage();
        int firstBlue = -1, firstGreen = -1;
        for (int x = 0; x < image.width() && (firstBlue < 0 || firstGreen < 0); ++x)
            for (int y = 0; y < image.height(); ++y) {
                if (firstBlue < 0 && image.pixel(x, y) == greens.rgb())
                    firstBlue = x;
                if (firstGreen < 0 && image.pixel(x, y) == fairways.rgb())
                    firstGreen = x;
            }
        QVERIFY(firstBlue >= 0 && firstGreen > firstBlue);
        Click(window, "Command8");
        QCOMPARE(window.chart()->shownChart().setCount(), 1);
        QVERIFY(!LegendShown(window));
    }

    // A round may reach no green in regulation; it is charted, and so is the latest round.
    void aRoundWithoutGreensInRegulationIsStillCharted() {
        Fixture f(0);
        AddRound(f.state.course, {90, 45, 45, 34, 17, 17, 6, 5});
        AddRound(f.state.course, {101, 50, 51, 38, 19, 19, 2, 0});
        AddRound(f.state.course, {88, 44, 44, 32, 16, 16, 8, 7});
        ui::LastTwentyWindow window(f.context);
        Click(window, "Command5");
        const core::ChartModel& chart = window.chart()->shownChart();
        QCOMPARE(chart.pointCount(), 3);
        QCOMPARE(chart.values(1), (std::vector<double>{5, 0, 7}));
        QCOMPARE(chart.values(2), (std::vector<double>{6, 2, 8}));
    }

    void chartTypesMenuKeepsItsTypeForEveryLaterChart() {
        Fixture f(5);
        ui::LastTwentyWindow window(f.context);
        QAction* bars = window.findChild<QAction*>("Bar_cmd");
        QAction* lines = window.findChild<QAction*>("Line_cmd");
        QCOMPARE(bars->text(), QString("3D Bar Chart"));
        QCOMPARE(lines->text(), QString("Line Chart"));
        QCOMPARE(window.findChild<QMenu*>("Types_cmd")->title(), QString("Chart Types"));
        struct Step {
            QAction* item;
            bool checked;
            ChartType type;
        };
        const Step steps[] = {
            {bars, true, ChartType::Bar3D},  {bars, false, ChartType::Bar},
            {lines, false, ChartType::Line}, {bars, true, ChartType::Bar3D},
            {lines, true, ChartType::Line},  {bars, false, ChartType::Bar},
        };
        int draws = window.chart()->drawCount();
        for (const Step& s : steps) {
            s.item->trigger();
            QCOMPARE(bars->isChecked(), s.checked);
            QCOMPARE(window.chart()->shownChart().type(), s.type);
            QCOMPARE(window.chart()->drawCount(), ++draws);
        }
        lines->trigger();
        Click(window, "Command7");
        QCOMPARE(window.chart()->shownChart().type(), ChartType::Line);
        QCOMPARE(window.chart()->shownChart().bottomTitle(),
                 std::string("Last Front 9 Scores\\Round"));
    }

    void panelsHoldTheScoreAndThePuttButtons() {
        Fixture f(1);
        ui::LastTwentyWindow window(f.context);
        auto buttons = [&](const char* panel) {
            QStringList names;
            for (QPushButton* b :
                 window.findChild<platform::ThreeDPanel*>(panel)->findChildren<QPushButton*>(
                     Qt::FindDirectChildrenOnly))
                names << b->objectName();
            return names;
        };
        QCOMPARE(buttons("SSPanel1"), (QStringList{"Command8", "Command7", "Command6"}));
        QCOMPARE(buttons("SSPanel2"),
                 (QStringList{"Command1", "Command2", "Command3", "Command5"}));
        QCOMPARE(window.findChild<QPushButton*>("Command5")->text(), QString("Fways and Greens"));
        QCOMPARE(window.findChild<QPushButton*>("Command10")->text(), QString("Copy to Clipboard"));
    }

    void withoutRoundsAnEmptyChartIsDrawn() {
        Fixture f(0);
        ui::LastTwentyWindow window(f.context);
        QVERIFY(window.chart()->hasDrawn());
        QCOMPARE(window.chart()->shownChart().pointCount(), 0);
        Click(window, "Command5");
        QCOMPARE(window.chart()->shownChart().pointCount(), 0);
        QVERIFY(!window.chart()->renderImage().isNull());
    }

    void copyAndOkFromTheMainWindow() {
        FakePlatform fake;
        core::AppState state;
        for (int k = 1; k <= 4; ++k)
            AddRound(state.course, Sample(k));
        ui::MainWindow main(state, fake.platform);
        main.setCourseCommandsEnabled(true);
        QString opened;
        QImage copied, shown;
        QTimer::singleShot(0, [&] {
            auto* modal = qobject_cast<ui::LastTwentyWindow*>(QApplication::activeModalWidget());
            QVERIFY(modal);
            opened = modal->objectName();
            QGuiApplication::clipboard()->clear();
            Click(*modal, "Command10");
            copied = QGuiApplication::clipboard()->image();
            shown = modal->chart()->renderImage();
            Click(*modal, "Command4");
        });
        main.action("Last20_cmd")->trigger();
        QCOMPARE(opened, QString("Form15"));
        QCOMPARE(copied.convertToFormat(QImage::Format_RGB32), shown);
        QVERIFY(!QApplication::activeModalWidget());
    }
};

QTEST_MAIN(LastTwentyWindowTest)
#include "last_twenty_window_test.moc"
