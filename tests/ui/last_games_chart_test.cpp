// Form14: the line of the handicap table's adjusted gross scores.
#include "platform/chart_control.h"
#include "support/fake_platform.h"
#include "ui/stats/last_games_chart_window.h"
#include "ui/stats/open_last_games_chart.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using core::ChartType;
using testing_support::FakePlatform;

namespace {

struct Fixture {
    // Newest first, as the handicap table keeps them.
    explicit Fixture(const std::vector<int>& scores) {
        for (size_t k = 0; k < scores.size(); ++k) {
            state.handicap.LastScoreDate[k + 1] = 35000 - double(k) * 7;
            state.handicap.LastAdjustedScore[k + 1] = scores[k];
        }
    }
    FakePlatform fake;
    core::AppState state;
    ui::AppContext context{state, fake.platform, nullptr};
};

} // namespace

class LastGamesChartTest : public QObject {
    Q_OBJECT

private slots:
    void plotsOnePointPerGameOfTheTable() {
        struct Case {
            std::vector<int> scores;
            const char* axisTitle;
        };
        const Case cases[] = {
            {{88, 91, 84, 86, 95, 90, 87}, "Last  7 Games"},
            {{80, 81, 82, 83, 84, 85, 86, 87, 88, 89, 90, 91}, "Last  12 Games"},
            {{}, "Last  0 Games"},
        };
        for (const Case& c : cases) {
            Fixture f(c.scores);
            ui::LastGamesChartWindow window(f.context);
            QCOMPARE(window.objectName(), QString("Form14"));
            QCOMPARE(window.windowTitle(), QString());
            const core::ChartModel& chart = window.chart()->shownChart();
            QVERIFY(window.chart()->hasDrawn());
            QCOMPARE(chart.type(), ChartType::Line);
            QCOMPARE(chart.pointCount(), int(c.scores.size()));
            QCOMPARE(chart.values(1), std::vector<double>(c.scores.begin(), c.scores.end()));
            QCOMPARE(chart.bottomTitle(), std::string(c.axisTitle));
            QCOMPARE(chart.title(), std::string("Adjusted Gross Scores"));
            QCOMPARE(chart.axisMinimum(), std::optional<double>(50));
            QCOMPARE(chart.axisMaximum(), std::optional<double>(130));
            QCOMPARE(chart.currentSet(), 1);
        }
    }

    void printSendsTheChartToThePrinterAsAPicture() {
        Fixture f({88, 91, 84});
        ui::LastGamesChartWindow window(f.context);
        QTest::mouseClick(window.findChild<QPushButton*>("Command2"), Qt::LeftButton);
        QCOMPARE(f.fake.printer.images.size(), size_t(1));
        QVERIFY(f.fake.printer.documents.empty());
        const QImage& printed = f.fake.printer.images.front();
        QVERIFY(printed.width() > window.chart()->width());
        int lineColour = 0;
        for (int y = 0; y < printed.height(); ++y)
            for (int x = 0; x < printed.width(); ++x)
                lineColour += printed.pixel(x, y) == window.chart()->colors().setColor(1).rgb();
        QVERIFY(lineColour > 1000);
    }

    void aPrintedChartBecomesAPdfPageWhenThereIsNoPrinter() {
        Fixture f({88, 91, 84});
        ui::LastGamesChartWindow window(f.context);
        QTemporaryDir folder;
        const QString path = folder.filePath("chart.pdf");
        QVERIFY(platform::RenderImageToPdf(window.chart()->renderImage({1500, 1080}), path,
                                           "Tarnwick - Last 20 Scores"));
        QFile pdf(path);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(5) == "%PDF-");
        QVERIFY(pdf.size() > 2000);
        QVERIFY(!platform::RenderImageToPdf(QImage(), folder.filePath("nothing.pdf"), "None"));
    }

    void copyPutsTheLineOnTheClipboard() {
        Fixture f({88, 91, 84});
        ui::LastGamesChartWindow window(f.context);
        QGuiApplication::clipboard()->clear();
        QTest::mouseClick(window.findChild<QPushButton*>("Command3"), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
                 window.chart()->renderImage());
    }

    void viewGraphOpensItModallyAndOkClosesIt() {
        Fixture f({88, 91});
        QString opened;
        QTimer::singleShot(0, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            QVERIFY(modal);
            opened = modal->objectName();
            QTest::mouseClick(modal->findChild<QPushButton*>("Command1"), Qt::LeftButton);
        });
        ui::OpenLastGamesChart(f.context, nullptr);
        QCOMPARE(opened, QString("Form14"));
        QVERIFY(!QApplication::activeModalWidget());
    }
};

QTEST_MAIN(LastGamesChartTest)
#include "last_games_chart_test.moc"
