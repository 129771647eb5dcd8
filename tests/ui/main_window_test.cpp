#include "platform/three_d_button.h"
#include "support/fake_platform.h"
#include "ui/app/main_window.h"
#include "ui/app/resources.h"
#include "ui/app/window_routines.h"

#include <QAction>
#include <QCloseEvent>
#include <QDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QtTest>

using testing_support::FakePlatform;

namespace {

// Counts the close events a window is sent.
class CloseRecorder : public QDialog {
public:
    int closeEvents = 0;

protected:
    void closeEvent(QCloseEvent* event) override {
        ++closeEvents;
        QDialog::closeEvent(event);
    }
};

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ui::InitResources(); }

    void startsWithTheCourseCommandsDisabled() {
        FakePlatform fake;
        core::AppState state;
        ui::MainWindow window(state, fake.platform);
        window.startUp();
        QCOMPARE(window.objectName(), QString("Form1"));
        QCOMPARE(window.windowTitle(), QString("Tarnwick - Version 3.0"));
        for (const char* name :
             {"AddScoreCmd", "EditCrs", "Gen_cmd", "Greens_cmd", "Avg_cmd", "Hole_cmd",
              "Last20_cmd", "Gen_stats", "Hole_stats", "Bar_stats", "RoundHistoryCmd"})
            QVERIFY2(!window.action(name)->isEnabled(), name);
        for (const char* name : {"SSCommand2", "SSCommand6", "SSCommand9"})
            QVERIFY2(!window.button(name)->isEnabled(), name);
        for (const char* name :
             {"NewCourseCmd", "Open_cmd", "Trv_cmd", "QuitCmd", "New_Hdcp", "Open_Hdcp",
              "Hdcp_Calc", "Awardscmd", "MajorCmd", "Cont_cmd", "AboutCmd"})
            QVERIFY2(window.action(name)->isEnabled(), name);
        QVERIFY(window.isVisible());
        QCOMPARE(window.helpFileSetting(), QString("tarnwK30.hlp"));
    }

    void toolbarButtonsSitWhereTheLayoutPutsThem() {
        FakePlatform fake;
        core::AppState state;
        ui::MainWindow window(state, fake.platform);
        struct Expected {
            const char* name;
            const char* caption;
            int left, width;
        };
        const Expected buttons[] = {
            {"SSCommand10", "New Course", 0, 81},  {"SSCommand1", "Open Course", 80, 81},
            {"SSCommand2", "Edit Specs", 160, 73}, {"SSCommand3", "New Hdcp", 232, 73},
            {"SSCommand4", "Open Hdcp", 304, 81},  {"SSCommand5", "Slope Index", 384, 81},
            {"SSCommand9", "View Stats", 464, 81}, {"SSCommand6", "New Score", 544, 81},
        };
        for (const Expected& b : buttons) {
            platform::ThreeDButton* button = window.button(b.name);
            QVERIFY(button);
            QCOMPARE(button->caption(), QString(b.caption));
            QCOMPARE(button->geometry(), QRect(b.left, 0, b.width, 57));
            QCOMPARE(button->parentWidget()->objectName(), QString("Picture1"));
            QVERIFY2(!button->icon().isNull(), b.name);
        }
    }

    void menusHaveTheirCaptionsInOrder() {
        FakePlatform fake;
        core::AppState state;
        ui::MainWindow window(state, fake.platform);
        QStringList menus;
        for (QAction* a : window.menuBar()->actions())
            menus << a->objectName() + "=" + a->text();
        QCOMPARE(menus,
                 (QStringList{"FileCmd=&Course", "Hdcp_cmd=Han&dicap", "StatsCmd=&Statistics",
                              "Report_cmd=Print &Reports", "GoHomeCmd=&Help"}));
        auto items = [&](const char* menuName) {
            QStringList list;
            for (QAction* a : window.menuBar()->findChild<QMenu*>(menuName)->actions())
                list << a->objectName() + (a->isSeparator() ? "=-" : "=" + a->text());
            return list;
        };
        QCOMPARE(
            items("FileCmd"),
            (QStringList{"NewCourseCmd=&New Course SetUp", "sepbar8=-",
                         "Open_cmd=&Open a Course File", "EditCrs=Edit Course Speci&fications",
                         "SepBar2=-", "Trv_cmd=Trivia Enabled", "SepBar5=-", "QuitCmd=&Quit"}));
        QCOMPARE(items("Hdcp_cmd"),
                 (QStringList{"New_Hdcp=Crea&te Handicap File", "Open_Hdcp=Open Handi&cap File",
                              "Hdcp_Calc=Slope &Index Converter"}));
        QCOMPARE(
            items("StatsCmd"),
            (QStringList{"AddScoreCmd=&Enter Scores", "sepbar6=-", "Gen_stats=General Statistics",
                         "Hole_stats=Hole by Hole Statistics", "Bar_stats=Charts and Graphs",
                         "Last20_cmd=Last 20 Games", "RoundHistoryCmd=Round History", "SepBar1=-",
                         "Awardscmd=P&GA Awards", "MajorCmd=The &Majors"}));
        QCOMPARE(
            items("Report_cmd"),
            (QStringList{"Gen_cmd=General Statistics Report", "Greens_cmd=Around the Greens Report",
                         "Avg_cmd=Averages Report", "Hole_cmd=Hole By Hole Report"}));
        QCOMPARE(items("GoHomeCmd"),
                 (QStringList{"Cont_cmd=Contents", "Sepbar3=-", "AboutCmd=&About"}));
        QVERIFY(window.action("Trv_cmd")->isCheckable());
        QVERIFY(window.action("Trv_cmd")->isChecked());
    }

    void sizesToTheScreen_data() {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<bool>("maximised");
        QTest::addColumn<QPoint>("topLeft");
        QTest::newRow("640 wide") << QSize(640, 480) << true << QPoint();
        QTest::newRow("800 x 600") << QSize(800, 600) << false << QPoint(80, 60);
        QTest::newRow("1024 x 768") << QSize(1024, 768) << false << QPoint(192, 144);
    }

    void sizesToTheScreen() {
        QFETCH(QSize, screen);
        QFETCH(bool, maximised);
        QFETCH(QPoint, topLeft);
        FakePlatform fake;
        fake.screen.screenSize = screen;
        core::AppState state;
        ui::MainWindow window(state, fake.platform);
        window.startUp();
        QCOMPARE(window.isMaximized(), maximised);
        if (!maximised) {
            QCOMPARE(window.size(), QSize(640, 480));
            QCOMPARE(window.pos(), topLeft);
        }
        QCOMPARE(window.findChild<QWidget*>("Picture1")->width(), screen.width());
    }

    void statisticsGuardRefusesWithoutRounds() {
        FakePlatform fake;
        core::AppState state;
        ui::MainWindow window(state, fake.platform);
        window.startUp();
        window.setCourseCommandsEnabled(true);
        window.button("SSCommand9")->click();
        QCOMPARE(fake.messages.events, (QStringList{"beep", "box:Access Denied"}));
        QCOMPARE(fake.messages.shown[0].text, QString("You have no scores entered in this file."));
        QCOMPARE(fake.messages.shown[0].icon, platform::MessageIcon::Information);
        for (const char* name : {"Gen_stats", "Hole_stats", "Bar_stats"})
            window.action(name)->trigger();
        QCOMPARE(fake.messages.shown.size(), size_t(4));
        state.course.GamesRecorded = 1;
        QVERIFY(window.statisticsGuard());
        QCOMPARE(fake.messages.shown.size(), size_t(4));
    }

    void soundsOnlyWithADevice() {
        for (int devices : {0, 1}) {
            FakePlatform fake;
            fake.sound.devices = devices;
            const QString folder = fake.platform.programFolder;
            core::AppState state;
            {
                ui::MainWindow window(state, fake.platform);
                window.startUp();
                window.quit();
            }
            if (devices == 0) {
                QVERIFY(fake.sound.played.empty());
            } else {
                QCOMPARE(fake.sound.played.size(), size_t(2));
                QCOMPARE(fake.sound.played[0].fileName, folder + "/teeshot.wav");
                QCOMPARE(fake.sound.played[0].flags, 0x20002);
                QCOMPARE(fake.sound.played[1].fileName, folder + "/putt.wav");
                QCOMPARE(fake.sound.played[1].flags, 0x20002);
            }
        }
    }

    void closingTheWindowSaysFarewellOnceAndEndsEveryWindow() {
        for (bool byMenu : {false, true}) {
            FakePlatform fake;
            fake.sound.devices = 1;
            core::AppState state;
            ui::MainWindow window(state, fake.platform);
            window.startUp();
            // A modeless window beside it, which must go without being asked.
            CloseRecorder beside;
            beside.show();
            if (byMenu)
                window.action("QuitCmd")->trigger();
            else
                window.close();
            QStringList played;
            for (const auto& p : fake.sound.played)
                played << QFileInfo(p.fileName).fileName();
            QCOMPARE(played, (QStringList{"teeshot.wav", "putt.wav"}));
            QVERIFY(!window.isVisible());
            QVERIFY(!beside.isVisible());
            QCOMPARE(beside.closeEvents, 0);
            // Closing again after Quit plays nothing more.
            window.close();
            window.quit();
            QCOMPARE(fake.sound.played.size(), size_t(2));
        }
    }

    void playSoundFileAlwaysAsksForAFileOfTheProgramFolder() {
        FakePlatform fake;
        core::AppState state;
        ui::MainWindow window(state, fake.platform);
        ui::PlaySoundFile(window.context(), "crowd.wav", 0x10004 | 0x2);
        ui::PlaySoundFile(window.context(), "crowd.wav");
        QCOMPARE(fake.sound.played.size(), size_t(2));
        QCOMPARE(fake.sound.played[0].fileName, fake.platform.programFolder + "/crowd.wav");
        QCOMPARE(fake.sound.played[0].flags, 0x20002);
        QCOMPARE(fake.sound.played[1].flags, 0x20002);
        // Without a device nothing is attempted.
        ui::PlaySoundIfDevice(window.context(), "crowd.wav");
        QCOMPARE(fake.sound.played.size(), size_t(2));
        fake.sound.devices = 2;
        ui::PlaySoundIfDevice(window.context(), "crowd.wav");
        QCOMPARE(fake.sound.played.size(), size_t(3));
    }

    void theSoundDeviceRefusesFilesItCannotPlay() {
        QTemporaryDir folder;
        QFile garbage(folder.filePath("garbage.wav"));
        QVERIFY(garbage.open(QIODevice::WriteOnly));
        garbage.write("RIFF but not a wave file at all");
        garbage.close();
        platform::QtSoundDevice sound;
        for (const QString& file : {folder.filePath("missing.wav"), garbage.fileName()}) {
            QVERIFY2(!sound.playSound(file, 0x20002), qPrintable(file));
            QVERIFY2(!sound.playSound(file, 0x20003), qPrintable(file));
        }
    }

    void newCourseSaveLeavesLastTwentyAsItWas() {
        FakePlatform fake;
        core::AppState state;
        ui::MainWindow window(state, fake.platform);
        window.startUp();
        window.setCourseCommandsEnabled(true);
        window.disableCourseCommandsAfterNewCourse();
        QVERIFY(!window.action("Gen_stats")->isEnabled());
        QVERIFY(!window.button("SSCommand6")->isEnabled());
        QVERIFY(window.action("Last20_cmd")->isEnabled());
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
