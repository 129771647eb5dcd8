#include "core/course_file.h"
#include "support/fake_platform.h"
#include "support/test_files.h"
#include "ui/app/main_window.h"
#include "ui/app/resources.h"
#include "ui/stats/hole_by_hole_window.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using testing_support::FakePlatform;
using testing_support::LoadFixture;
using testing_support::Text;

namespace {

QStringList Texts(const QWidget& window, std::initializer_list<int> labelNumbers) {
    QStringList texts;
    for (int n : labelNumbers)
        texts << Text(window, n);
    return texts;
}

struct Percentages {
    QString objectName;
    QString caption;
    QStringList titles;
    QStringList values;
    bool picture = false;
};

// Clicks a hole button and reads the modal percentages window it opens, then closes it.
Percentages ClickHole(QWidget& window, int hole) {
    Percentages seen;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == &window)
            return;
        seen.objectName = modal->objectName();
        seen.caption = modal->windowTitle();
        seen.titles = Texts(*modal, {1, 2, 3, 4, 5, 6});
        seen.values = Texts(*modal, {7, 8, 9, 10, 11, 12});
        auto* image = modal->findChild<QLabel*>("Image1");
        seen.picture = image && !image->pixmap().isNull();
        QTest::mouseClick(modal->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    });
    QTest::mouseClick(window.findChild<QPushButton*>("Command" + QString::number(hole + 2)),
                      Qt::LeftButton);
    return seen;
}

QString ReadFixtureText(const char* name) {
    QFile file(QString(TARNWICK_FIXTURES) + "/stats/" + name);
    if (!file.open(QIODevice::ReadOnly))
        return "(cannot read " + QString(name) + ")";
    return QString::fromUtf8(file.readAll());
}

} // namespace

class HoleByHoleWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ui::InitResources(); }

    void showsEveryRowOfBothBlocks() {
        FakePlatform fake;
        core::AppState state;
        LoadFixture(state, "four_rounds.crs");
        ui::AppContext context{state, fake.platform, nullptr};
        ui::HoleByHoleWindow window(context);
        QCOMPARE(window.objectName(), QString("Form2"));
        QCOMPARE(window.windowTitle(), QString("Hole By Hole Statistics"));
        QCOMPARE(window.minimumSize(), window.maximumSize());
        QCOMPARE(Texts(window, {98, 99}), (QStringList{"Front 9", "Back 9"}));
        const QStringList titles{"Par",  "Db Eag", "Eagles", "Birdies",
                                 "Pars", "Bogeys", "Others", "Avg."};
        QCOMPARE(Texts(window, {82, 83, 84, 85, 86, 87, 88, 89}), titles);
        QCOMPARE(Texts(window, {90, 91, 92, 93, 94, 95, 96, 97}), titles);
        // Rows top to bottom: par, double eagles .. bogeys, others, average.
        QCOMPARE(Texts(window, {1, 19, 28, 37, 46, 55, 64, 73}),
                 (QStringList{" 4", " 0", " 0", " 0", " 1", " 3", " 0", "4.75"})); // hole 1
        QCOMPARE(Texts(window, {9, 27, 36, 45, 54, 63, 72, 81}),
                 (QStringList{" 4", " 0", " 0", " 0", " 0", " 0", " 4", "6.50"})); // hole 9
        QCOMPARE(Texts(window, {10, 100, 109, 118, 127, 136, 145, 154}),
                 (QStringList{" 4", " 0", " 1", " 0", " 2", " 1", " 0", "3.75"})); // hole 10
        QCOMPARE(Texts(window, {14, 104, 113, 122, 131, 140, 149, 158}),
                 (QStringList{" 4", " 0", " 0", " 1", " 0", " 3", " 0", "4.50"})); // hole 14
        QCOMPARE(Texts(window, {18, 108, 117, 126, 135, 144, 153, 162}),
                 (QStringList{" 4", " 0", " 0", " 0", " 0", " 1", " 3", "5.75"})); // hole 18
        QCOMPARE(Texts(window, {2, 3, 4, 5, 6, 7, 8}),
                 (QStringList{" 5", " 4", " 3", " 4", " 4", " 3", " 5"}));
        QCOMPARE(Text(window, 219), QString("Click on Hole button for Percentage Breakdowns"));
        for (int hole = 1; hole <= 18; ++hole) {
            auto* button = window.findChild<QPushButton*>("Command" + QString::number(hole + 2));
            QVERIFY(button);
            QCOMPARE(button->text(), QString::number(hole));
        }
    }

    void ranksTheHolesBestToWorst() {
        FakePlatform fake;
        core::AppState state;
        LoadFixture(state, "four_rounds.crs");
        ui::AppContext context{state, fake.platform, nullptr};
        ui::HoleByHoleWindow window(context);
        QCOMPARE(Text(window, 218), QString("Best to Worst"));
        QCOMPARE(Text(window, 217), QString(" Hole    Hdcp        +/-"));
        QCOMPARE(window.findChild<QLabel*>("Label163")->parentWidget()->objectName(),
                 QString("Picture2"));
        // Row r: hole Label(161 + 2r), handicap Label(198 + r), +/- Label(162 + 2r).
        QCOMPARE(Texts(window, {163, 199, 164}), (QStringList{" 10", " 8", "-0.25"}));
        QCOMPARE(Texts(window, {165, 200, 166}), (QStringList{" 7", " 17", "0.25"}));
        // Holes 3, 8 and 12 tie at 1.25: ranks 13, 14, 15 in hole order.
        QCOMPARE(Texts(window, {187, 211, 188}), (QStringList{" 3", " 1", "1.25"}));
        QCOMPARE(Texts(window, {189, 212, 190}), (QStringList{" 8", " 5", "1.25"}));
        QCOMPARE(Texts(window, {191, 213, 192}), (QStringList{" 12", " 2", "1.25"}));
        // Hole 13 has no handicap rating.
        QCOMPARE(Texts(window, {193, 214, 194}), (QStringList{" 13", "", "1.75"}));
        QCOMPARE(Texts(window, {197, 216, 198}), (QStringList{" 9", " 11", "2.50"}));
    }

    void holeButtonsOpenTheirPercentages() {
        FakePlatform fake;
        core::AppState state;
        LoadFixture(state, "many_rounds.crs");
        ui::AppContext context{state, fake.platform, nullptr};
        ui::HoleByHoleWindow window(context);
        window.show();
        Percentages first = ClickHole(window, 1);
        QCOMPARE(first.objectName, QString("Form6"));
        QCOMPARE(first.caption, QString("Percentages-Hole #1"));
        QCOMPARE(first.titles,
                 (QStringList{"Double Eagles", "Eagles", "Birdies", "Pars", "Bogeys", "Others"}));
        QCOMPARE(first.values, (QStringList{"0.0%", "0.0%", "5.0%", "82.5%", "10.0%", "2.5%"}));
        QVERIFY(first.picture);
        Percentages last = ClickHole(window, 18);
        QCOMPARE(last.caption, QString("Percentages-Hole #18"));
        QCOMPARE(last.values, (QStringList{"0.0%", "0.5%", "10.0%", "50.0%", "29.5%", "10.0%"}));
    }

    void printsTheTableAndTheRanking() {
        FakePlatform fake;
        core::AppState state;
        LoadFixture(state, "four_rounds.crs");
        ui::AppContext context{state, fake.platform, nullptr};
        ui::HoleByHoleWindow window(context);
        window.show();
        QTest::mouseClick(window.findChild<QPushButton*>("Command2"), Qt::LeftButton);
        QCOMPARE(fake.printer.documents.size(), size_t(1));
        QVERIFY(fake.printer.documents[0].ended());
        QCOMPARE(QString::fromStdString(fake.printer.documents[0].plainText()),
                 ReadFixtureText("four_rounds.printout.txt"));
        QVERIFY(window.isVisible());
        QTest::mouseClick(window.findChild<QPushButton*>("Command1"), Qt::LeftButton);
        QVERIFY(!window.isVisible());
    }

    void menuOpensTheWindowModally() {
        FakePlatform fake;
        core::AppState state;
        LoadFixture(state, "four_rounds.crs");
        ui::MainWindow main(state, fake.platform);
        main.startUp();
        main.setCourseCommandsEnabled(true);
        QString seen;
        QTimer::singleShot(0, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal)
                return;
            seen = modal->objectName();
            QTest::mouseClick(modal->findChild<QPushButton*>("Command1"), Qt::LeftButton);
        });
        main.action("Hole_stats")->trigger();
        QCOMPARE(seen, QString("Form2"));
    }
};

QTEST_MAIN(HoleByHoleWindowTest)
#include "hole_by_hole_window_test.moc"
