#include "core/course_file.h"
#include "support/fake_platform.h"
#include "support/test_files.h"
#include "ui/app/main_window.h"

#include <QAction>
#include <QFile>
#include <QtTest>

using testing_support::FakePlatform;
using testing_support::LoadFixture;

namespace {

QString ReadFixtureText(const QString& name) {
    QFile file(QString(TARNWICK_FIXTURES) + "/stats/" + name);
    if (!file.open(QIODevice::ReadOnly))
        return "(cannot read " + name + ")";
    return QString::fromUtf8(file.readAll());
}

} // namespace

class ReportCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void reportsPrint_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("expected");
        QTest::newRow("general") << "Gen_cmd"
                                 << "four_rounds.general.txt";
        QTest::newRow("around the greens") << "Greens_cmd"
                                           << "four_rounds.greens.txt";
        QTest::newRow("averages") << "Avg_cmd"
                                  << "four_rounds.averages.txt";
        QTest::newRow("hole by hole") << "Hole_cmd"
                                      << "four_rounds.holes.txt";
    }

    void reportsPrint() {
        QFETCH(QString, item);
        QFETCH(QString, expected);
        FakePlatform fake;
        core::AppState state;
        LoadFixture(state, "four_rounds.crs");
        ui::MainWindow window(state, fake.platform);
        window.startUp();
        window.setCourseCommandsEnabled(true);
        window.action(item)->trigger();
        QVERIFY(fake.messages.events.isEmpty());
        QCOMPARE(fake.printer.documents.size(), size_t(1));
        QVERIFY(fake.printer.documents[0].ended());
        QCOMPARE(QString::fromStdString(fake.printer.documents[0].plainText()),
                 ReadFixtureText(expected));
    }

    void reportsRefuseWithoutRounds() {
        FakePlatform fake;
        core::AppState state;
        LoadFixture(state, "no_rounds.crs");
        ui::MainWindow window(state, fake.platform);
        window.startUp();
        window.setCourseCommandsEnabled(true);
        const char* items[] = {"Gen_cmd", "Greens_cmd", "Avg_cmd", "Hole_cmd"};
        for (const char* item : items)
            window.action(item)->trigger();
        QCOMPARE(fake.messages.events,
                 (QStringList{"beep", "box:Access Denied", "beep", "box:Access Denied", "beep",
                              "box:Access Denied", "beep", "box:Access Denied"}));
        for (const auto& shown : fake.messages.shown) {
            QCOMPARE(shown.text,
                     QString("Nothing to report. You have no scores entered in this file."));
            QCOMPARE(shown.icon, platform::MessageIcon::Information);
            QCOMPARE(shown.buttons, platform::MessageButtons::Ok);
        }
        QVERIFY(fake.printer.documents.empty());
    }
};

QTEST_MAIN(ReportCommandsTest)
#include "report_commands_test.moc"
