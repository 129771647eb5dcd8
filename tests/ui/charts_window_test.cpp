// "Bar Charts" (Form11): what each menu command gives the chart.
#include "core/number_text.h"
#include "platform/chart_control.h"
#include "support/fake_platform.h"
#include "ui/app/main_window.h"
#include "ui/stats/charts_window.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

using core::ChartType;
using testing_support::FakePlatform;

namespace {

const int StandardPars[19] = {0, 4, 4, 3, 5, 4, 4, 3, 4, 5, 4, 3, 4, 5, 4, 4, 3, 4, 5};

core::CourseState Course(const int (&pars)[19] = StandardPars) {
    core::CourseState course;
    course.GamesRecorded = 8;
    for (int h = 1; h <= 18; ++h) {
        course.HolePar[h] = pars[h];
        course.HoleStrokes[h] = pars[h] * 8 + h; // each hole a little over par
    }
    course.RoundsUnder100 = 7;
    course.RoundsUnder90 = 4;
    course.RoundsUnder80 = 1;
    course.ParsTotal = 60;
    course.BogeysTotal = 50;
    course.BirdiesTotal = 10;
    course.OthersTotal = 24;
    course.OnePuttTotal = 30;
    course.TwoPuttTotal = 90;
    course.ThreePuttTotal = 20;
    course.ChipInTotal = 4;
    return course;
}

struct Fixture {
    explicit Fixture(core::CourseState course) { state.course = course; }
    FakePlatform fake;
    core::AppState state;
    ui::AppContext context{state, fake.platform, nullptr};
};

QAction* Item(QWidget& window, const char* name) {
    QAction* action = window.findChild<QAction*>(name);
    if (!action)
        qFatal("no menu item %s", name);
    return action;
}

std::vector<std::string> SignedHoles(const std::vector<int>& holes) {
    std::vector<std::string> labels;
    for (int h : holes)
        labels.push_back(core::SignedText(h));
    return labels;
}

} // namespace

class ChartsWindowTest : public QObject {
    Q_OBJECT

private slots:
    void menusHoldTheirItemsAndBothThreeDMarksStartSet() {
        Fixture f(Course());
        ui::ChartsWindow window(f.context);
        QCOMPARE(window.objectName(), QString("Form11"));
        QCOMPARE(window.windowTitle(), QString("Bar Charts"));
        QStringList menus;
        for (QAction* a : window.menuBar()->actions())
            menus << a->objectName() + "=" + a->text();
        QCOMPARE(menus, (QStringList{"Avg_cmd=Averages", "Misc_cmd=Distributions"}));
        auto items = [&](const char* name) {
            QStringList list;
            for (QAction* a : window.findChild<QMenu*>(name)->actions())
                list << a->objectName() + (a->isSeparator() ? "=-" : "=" + a->text());
            return list;
        };
        QCOMPARE(items("Avg_cmd"),
                 (QStringList{"P3_cmd=Par Three's", "P4_cmd=Par Four's", "P5_cmd=Par Five's",
                              "P6_cmd=Par Six's", "All_Cmd=All Holes", "SB1=-",
                              "threeD_cmd=3D Bar Graph"}));
        QCOMPARE(items("Misc_cmd"), (QStringList{"ScDist_cmd=Distribution by Score",
                                                 "Score_cmd=Distribution of Hole Scores",
                                                 "GrDist_cmd=Distribution Around the Green",
                                                 "SB2=-", "Pie3D=3D Pie Graph"}));
        QVERIFY(Item(window, "threeD_cmd")->isChecked());
        QVERIFY(Item(window, "Pie3D")->isChecked());
        QCOMPARE(window.findChild<QPushButton*>("Command3")->text(), QString("Copy to Clipboard"));
        QCOMPARE(window.findChild<QPushButton*>("Command2")->text(), QString("OK"));
        QCOMPARE(window.chart()->objectName(), QString("Graph1"));
        QVERIFY(!window.chart()->hasDrawn());
    }

    void parItemsAreGreyedWhenNoHoleHasThatPar() {
        const int withSix[19] = {0, 4, 4, 6, 5, 4, 4, 5, 4, 5, 4, 4, 4, 5, 4, 4, 6, 4, 5};
        Fixture standard(Course());
        ui::ChartsWindow plain(standard.context);
        QCOMPARE(Item(plain, "P3_cmd")->isEnabled(), true);
        QCOMPARE(Item(plain, "P5_cmd")->isEnabled(), true);
        QCOMPARE(Item(plain, "P6_cmd")->isEnabled(), false);
        Fixture unusual(Course(withSix));
        ui::ChartsWindow odd(unusual.context);
        QCOMPARE(Item(odd, "P3_cmd")->isEnabled(), false);
        QCOMPARE(Item(odd, "P4_cmd")->isEnabled(), true);
        QCOMPARE(Item(odd, "P6_cmd")->isEnabled(), true);
        Item(odd, "P6_cmd")->trigger();
        QCOMPARE(odd.chart()->model().labels(), SignedHoles({3, 16}));
        QCOMPARE(odd.chart()->model().title(), std::string("Averages Par Six's"));
    }

    void averagesChartsShowTheAverageOfEachHoleOfTheirPar() {
        struct Case {
            const char* item;
            int par; // 0: every hole
            const char* title;
        };
        const Case cases[] = {
            {"P3_cmd", 3, "Averages Par Three's"},
            {"P4_cmd", 4, "Averages Par Four's"},
            {"P5_cmd", 5, "Averages Par Five's"},
            {"All_Cmd", 0, "Averages All Holes"},
        };
        Fixture f(Course());
        ui::ChartsWindow window(f.context);
        for (const Case& c : cases) {
            // A pie first: its legends must not stay behind.
            Item(window, "Score_cmd")->trigger();
            Item(window, c.item)->trigger();
            std::vector<int> holes;
            std::vector<double> averages;
            for (int h = 1; h <= 18; ++h)
                if (c.par == 0 || StandardPars[h] == c.par) {
                    holes.push_back(h);
                    averages.push_back((StandardPars[h] * 8 + h) / 8.0);
                }
            const core::ChartModel& chart = window.chart()->model();
            QCOMPARE(chart.type(), ChartType::Bar3D);
            QCOMPARE(chart.pointCount(), int(holes.size()));
            QCOMPARE(chart.setCount(), 1);
            QCOMPARE(chart.values(1), averages);
            QCOMPARE(chart.labels(), SignedHoles(holes));
            QCOMPARE(chart.legends(), std::vector<std::string>(holes.size()));
            QCOMPARE(chart.bottomTitle(), std::string("Hole #"));
            QCOMPARE(chart.title(), std::string(c.title));
            QVERIFY2(window.chart()->shownChart() == chart, c.item);
        }
    }

    void holeScoresPieLeavesOutWhatNeverHappened() {
        struct Case {
            const char* name;
            float eagles, doubleEagles;
            std::vector<std::string> legends;
            std::vector<double> values;
        };
        const Case cases[] = {
            {"no eagles", 0, 0, {"Pars", "Bogeys", "Birdies", "Others"}, {60, 50, 10, 24}},
            {"double eagles only",
             0,
             2,
             {"Pars", "Bogeys", "Birdies", "Eagles-", "Others"},
             {60, 50, 10, 2, 24}},
            {"both", 3, 1, {"Pars", "Bogeys", "Birdies", "Eagles-", "Others"}, {60, 50, 10, 4, 24}},
        };
        for (const Case& c : cases) {
            core::CourseState course = Course();
            course.EaglesTotal = c.eagles;
            course.DoubleEaglesTotal = c.doubleEagles;
            Fixture f(course);
            ui::ChartsWindow window(f.context);
            Item(window, "Score_cmd")->trigger();
            const core::ChartModel& chart = window.chart()->shownChart();
            QCOMPARE(chart.type(), ChartType::Pie3D);
            QCOMPARE(chart.title(), std::string("Distribution by Hole Scores"));
            QCOMPARE(chart.legends(), c.legends);
            QCOMPARE(chart.values(1), c.values);
            QCOMPARE(chart.bottomTitle(), std::string());
        }
        core::CourseState bogeysOnly;
        bogeysOnly.GamesRecorded = 1;
        bogeysOnly.BogeysTotal = 18;
        Fixture f(bogeysOnly);
        ui::ChartsWindow window(f.context);
        Item(window, "Score_cmd")->trigger();
        QCOMPARE(window.chart()->shownChart().legends(), std::vector<std::string>{"Bogeys"});
    }

    void scoreAndGreenPiesGiveEveryCategory() {
        Fixture f(Course());
        ui::ChartsWindow window(f.context);
        Item(window, "All_Cmd")->trigger();
        Item(window, "ScDist_cmd")->trigger();
        const core::ChartModel& chart = window.chart()->shownChart();
        QCOMPARE(chart.title(), std::string("Distribution of Scores"));
        QCOMPARE(chart.values(1), (std::vector<double>{1, 3, 3, 1, 0}));
        QCOMPARE(chart.legends(),
                 (std::vector<std::string>{"Rounds over 100", "Rounds in 90's", "Rounds in 80's",
                                           "Rounds in 70's", "Rounds in 60's"}));
        QCOMPARE(chart.labels(), std::vector<std::string>(5));
        QCOMPARE(chart.bottomTitle(), std::string());
        Item(window, "GrDist_cmd")->trigger();
        QCOMPARE(chart.title(), std::string("Distribution Around the Green"));
        QCOMPARE(chart.values(1), (std::vector<double>{30, 90, 20, 4}));
        QCOMPARE(chart.legends(),
                 (std::vector<std::string>{"One Putts", "Two Putts", "Three+ Putts", "Chip In's"}));
        QCOMPARE(chart.type(), ChartType::Pie3D);
    }

    void threeDMarksApplyToWhateverChartIsShown() {
        Fixture f(Course());
        ui::ChartsWindow window(f.context);
        platform::ChartControl& chart = *window.chart();
        Item(window, "All_Cmd")->trigger();
        const std::vector<double> averages = chart.shownChart().values(1);
        Item(window, "threeD_cmd")->trigger();
        QVERIFY(!Item(window, "threeD_cmd")->isChecked());
        QCOMPARE(chart.shownChart().type(), ChartType::Bar);
        // The pie mark redraws the averages shown as a pie.
        Item(window, "Pie3D")->trigger();
        QVERIFY(!Item(window, "Pie3D")->isChecked());
        QCOMPARE(chart.shownChart().type(), ChartType::Pie);
        QCOMPARE(chart.shownChart().values(1), averages);
        QCOMPARE(chart.shownChart().title(), std::string("Averages All Holes"));
        Item(window, "Pie3D")->trigger();
        QCOMPARE(chart.shownChart().type(), ChartType::Pie3D);
        // The marks decide the type of the next charts too.
        Item(window, "P4_cmd")->trigger();
        QCOMPARE(chart.shownChart().type(), ChartType::Bar);
        Item(window, "threeD_cmd")->trigger();
        QCOMPARE(chart.shownChart().type(), ChartType::Bar3D);
        Item(window, "Pie3D")->trigger();
        Item(window, "GrDist_cmd")->trigger();
        QCOMPARE(chart.shownChart().type(), ChartType::Pie);
        // Bars of a pie's data: its four points.
        Item(window, "threeD_cmd")->trigger();
        QCOMPARE(chart.shownChart().type(), ChartType::Bar);
        QCOMPARE(chart.shownChart().pointCount(), 4);
    }

    void copyPutsTheShownChartOnTheClipboard() {
        Fixture f(Course());
        ui::ChartsWindow window(f.context);
        Item(window, "GrDist_cmd")->trigger();
        QGuiApplication::clipboard()->clear();
        QTest::mouseClick(window.findChild<QPushButton*>("Command3"), Qt::LeftButton);
        QImage copied = QGuiApplication::clipboard()->image();
        QCOMPARE(copied.size(), window.chart()->size());
        QCOMPARE(copied.convertToFormat(QImage::Format_RGB32), window.chart()->renderImage());
    }

    void theMainWindowOpensItModallyAndOkClosesIt() {
        FakePlatform fake;
        core::AppState state;
        state.course = Course();
        ui::MainWindow main(state, fake.platform);
        main.setCourseCommandsEnabled(true);
        QString opened;
        QTimer::singleShot(0, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            QVERIFY(modal);
            opened = modal->objectName();
            QTest::mouseClick(modal->findChild<QPushButton*>("Command2"), Qt::LeftButton);
        });
        main.action("Bar_stats")->trigger();
        QCOMPARE(opened, QString("Form11"));
        QVERIFY(!QApplication::activeModalWidget());
    }
};

QTEST_MAIN(ChartsWindowTest)
#include "charts_window_test.moc"
