#include "core/course_file.h"
#include "core/day_number.h"
#include "core/statistics_views.h"
#include "platform/three_d_button.h"
#include "support/fake_platform.h"
#include "support/test_files.h"
#include "ui/app/main_window.h"
#include "ui/app/resources.h"
#include "ui/stats/statistics_window.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using testing_support::FakePlatform;
using testing_support::LoadFixture;
using testing_support::Text;

namespace {

// The 45 cells as the window names them: rows 1..14 Label1..14, 15..28, 29..42 and
// row 15 Label45, Label46, Label47.
QStringList Cells(const QWidget& window) {
    QStringList cells;
    for (int row = 1; row <= 15; ++row)
        for (int column = 0; column < 3; ++column)
            cells << Text(window, row < 15 ? row + 14 * column : 45 + column);
    return cells;
}

QStringList CoreCells(const core::CourseState& course, core::StatisticsView view) {
    QStringList cells;
    for (const core::StatisticsRow& row : core::ComputeStatisticsView(course, view))
        cells << QString::fromStdString(row.title) << QString::fromStdString(row.value)
              << QString::fromStdString(row.percentage);
    return cells;
}

void Click(QWidget& window, const char* name) {
    auto* button = window.findChild<QPushButton*>(name);
    QVERIFY2(button, name);
    QTest::mouseClick(button, Qt::LeftButton);
}

} // namespace

class StatisticsWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ui::InitResources(); }

    void opensWithCaptionDatesAndAnEmptyTable() {
        FakePlatform fake;
        fake.clock.setDate(1996, 7, 2);
        core::AppState state;
        LoadFixture(state, "four_rounds.crs");
        ui::AppContext context{state, fake.platform, nullptr};
        ui::StatisticsWindow window(context);
        QCOMPARE(window.objectName(), QString("Stats2"));
        QCOMPARE(window.windowTitle(),
                 QString("Golf Statistics for Pat Duffer from the White tees"));
        QCOMPARE(window.minimumSize(), window.maximumSize());
        QCOMPARE(Text(window, 43), QString(" From: Apr 13, 1996"));
        QCOMPARE(Text(window, 44), QString("    To: Jun 29, 1996"));
        for (const QString& cell : Cells(window))
            QCOMPARE(cell, QString());
        auto* picture = window.findChild<QLabel*>("Picture1");
        QVERIFY(picture);
        QVERIFY(!picture->pixmap().isNull());
        QCOMPARE(window.findChild<QLabel*>("Label43")->parentWidget(), picture);
        QVERIFY(window.findChild<QWidget*>("Picture2"));
        QStringList captions;
        for (const char* name : {"Command2", "Command9", "Command8", "Command7", "Command6"})
            captions << window.findChild<QPushButton*>(name)->text();
        QCOMPARE(captions, (QStringList{"General Statistics 1", "General Statistics 2", "Averages",
                                        "Around the Green", "OK"}));
    }

    void statisticsOfTodayShowOnlyToday() {
        FakePlatform fake;
        fake.clock.setDate(1996, 3, 5);
        core::AppState state;
        LoadFixture(state, "no_rounds.crs"); // created on Mar 05, 1996
        ui::AppContext context{state, fake.platform, nullptr};
        ui::StatisticsWindow window(context);
        QCOMPARE(Text(window, 43), QString(" From: Mar 05, 1996"));
        QCOMPARE(Text(window, 44), QString());

        fake.clock.setDate(1996, 3, 6); // the next day the period appears
        ui::StatisticsWindow nextDay(context);
        QCOMPARE(Text(nextDay, 43), QString(" From: Mar 05, 1996"));
        QCOMPARE(Text(nextDay, 44), QString("    To: Mar 05, 1996"));
    }

    void viewButtonsWriteEveryCell() {
        FakePlatform fake;
        core::AppState state;
        LoadFixture(state, "four_rounds.crs");
        ui::AppContext context{state, fake.platform, nullptr};
        ui::StatisticsWindow window(context);
        window.show();
        struct View {
            const char* button;
            core::StatisticsView view;
        };
        // Around the Green fills row 15, the others leave it empty: each view must
        // overwrite what the one before it showed.
        const View views[] = {
            {"Command7", core::StatisticsView::AroundTheGreen},
            {"Command2", core::StatisticsView::General1},
            {"Command7", core::StatisticsView::AroundTheGreen},
            {"Command8", core::StatisticsView::Averages},
            {"Command9", core::StatisticsView::General2},
        };
        for (const View& v : views) {
            Click(window, v.button);
            QCOMPARE(Cells(window), CoreCells(state.course, v.view));
        }

        Click(window, "Command7");
        QCOMPARE(Text(window, 1), QString("Putting Average Front 9"));
        QCOMPARE(Text(window, 15), QString("17.25"));
        QCOMPARE(Text(window, 14), QString("Sand Saves"));
        QCOMPARE(Text(window, 28), QString("3"));
        QCOMPARE(Text(window, 42), QString("37.5%"));
        QCOMPARE(Text(window, 45), QString("Greens in Regulation"));
        QCOMPARE(Text(window, 46), QString("20"));
        QCOMPARE(Text(window, 47), QString("27.8%"));
        Click(window, "Command8");
        QCOMPARE(Text(window, 45), QString());
        QCOMPARE(Text(window, 47), QString());
        QCOMPARE(Text(window, 30), QString()); // averages have no percentages
        Click(window, "Command9");
        QCOMPARE(Text(window, 4), QString("Times Broke 90"));
        QCOMPARE(Text(window, 18), QString("1"));
        QCOMPARE(Text(window, 32), QString("25.0%"));
    }

    void okCloses() {
        FakePlatform fake;
        core::AppState state;
        LoadFixture(state, "four_rounds.crs");
        ui::AppContext context{state, fake.platform, nullptr};
        ui::StatisticsWindow window(context);
        window.show();
        Click(window, "Command6");
        QVERIFY(!window.isVisible());
        QCOMPARE(window.result(), int(QDialog::Accepted));
    }

    void viewStatsOpensTheWindowModally() {
        FakePlatform fake;
        core::AppState state;
        LoadFixture(state, "four_rounds.crs");
        ui::MainWindow main(state, fake.platform);
        main.startUp();
        main.setCourseCommandsEnabled(true);
        for (const char* how : {"button", "menu"}) {
            QString seen;
            QString cell;
            QTimer::singleShot(0, [&] {
                QWidget* modal = QApplication::activeModalWidget();
                QVERIFY(modal);
                seen = modal->objectName();
                Click(*modal, "Command2");
                cell = Text(*modal, 15);
                Click(*modal, "Command6");
            });
            if (QString(how) == "button")
                main.button("SSCommand9")->click();
            else
                main.action("Gen_stats")->trigger();
            QCOMPARE(seen, QString("Stats2"));
            QCOMPARE(cell, QString(" 4"));
        }
        QVERIFY(fake.messages.shown.empty());
    }
};

QTEST_MAIN(StatisticsWindowTest)
#include "statistics_window_test.moc"
