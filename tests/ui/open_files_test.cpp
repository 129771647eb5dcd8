#include "core/course_file.h"
#include "core/handicap_file.h"
#include "platform/three_d_button.h"
#include "support/fake_platform.h"
#include "support/test_files.h"
#include "ui/app/main_window.h"
#include "ui/app/resources.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QtTest>

using platform::MessageIcon;
using testing_support::FakePlatform;
using testing_support::FixturePath;

namespace {

const char* const CourseItems[] = {"AddScoreCmd", "EditCrs",   "Gen_cmd",        "Greens_cmd",
                                   "Avg_cmd",     "Hole_cmd",  "Last20_cmd",     "Gen_stats",
                                   "Hole_stats",  "Bar_stats", "RoundHistoryCmd"};
const char* const CourseButtons[] = {"SSCommand2", "SSCommand6", "SSCommand9"};

struct Setup {
    FakePlatform fake;
    core::AppState state;
    ui::MainWindow main{state, fake.platform};

    Setup() {
        main.startUp();
        state.entry.EntryDate = 35160;
    }

    // "all" or "none" of the course commands enabled, or "mixed".
    QString courseCommands() const {
        int enabled = 0;
        for (const char* name : CourseItems)
            enabled += main.action(name)->isEnabled();
        for (const char* name : CourseButtons)
            enabled += main.button(name)->isEnabled();
        const int all = static_cast<int>(std::size(CourseItems) + std::size(CourseButtons));
        return enabled == all ? "all" : enabled == 0 ? "none" : "mixed";
    }

    void openCourse(bool menu) {
        if (menu)
            main.action("Open_cmd")->trigger();
        else
            main.button("SSCommand1")->click();
    }
    void openHandicap(bool menu) {
        if (menu)
            main.action("Open_Hdcp")->trigger();
        else
            main.button("SSCommand4")->click();
    }
};

core::CourseState OpenCourse() {
    core::CourseState course;
    course.CourseFileName = "/courses/open.crs";
    course.PlayerName = "Open";
    course.GamesRecorded = 2;
    course.HolePar[1] = 4;
    return course;
}

core::HandicapState OpenHandicap() {
    core::HandicapState handicap;
    handicap.HandicapFileName = "/players/open.hcp";
    handicap.HandicapPlayerName = "Open";
    handicap.HomeSlope = 125;
    handicap.LastAdjustedScore[1] = 90;
    return handicap;
}

} // namespace

class OpenFilesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ui::InitResources(); }

    void openingACourseEnablesTheCourseCommands_data() {
        QTest::addColumn<bool>("menu");
        QTest::newRow("button") << false;
        QTest::newRow("menu") << true;
    }

    void openingACourseEnablesTheCourseCommands() {
        QFETCH(bool, menu);
        Setup f;
        QCOMPARE(f.courseCommands(), QString("none"));
        QString path = FixturePath("course_with_statistics.crs");
        f.fake.fileDialogs.answer(path);
        f.openCourse(menu);

        const platform::FileDialogRequest& asked = f.fake.fileDialogs.asked.at(0).request;
        QVERIFY(!f.fake.fileDialogs.asked[0].save);
        QCOMPARE(asked.title, QString("Open a COURSE File"));
        QCOMPARE(asked.filter, QString("Course Files (*.crs)|*.crs|All Files (*.*)|*.*|"));
        QCOMPARE(asked.flags, 6148);

        core::CourseState read;
        QVERIFY(core::LoadCourseFile(path.toStdString(), read).ok);
        QVERIFY(f.state.course == read);
        QCOMPARE(f.state.course.CourseFileName, path.toStdString());
        QCOMPARE(f.courseCommands(), QString("all"));
        QCOMPARE(f.state.entry.EntryDate, menu ? 0.0 : 35160.0);
        QVERIFY(f.fake.messages.shown.empty());
    }

    void aCourseFileThatCannotBeReadChangesNothing_data() {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<bool>("menu");
        QTest::addColumn<bool>("courseOpen");
        QTest::addColumn<QString>("where");
        QTest::newRow("truncated, menu")
            << "course_truncated.crs" << true << false << ", line 30, field HoleResults(16,0)";
        QTest::newRow("garbage, button")
            << "course_garbage.crs" << false << true << ", line 1, field FirstDate";
        QTest::newRow("missing, menu")
            << "no_such_course.crs" << true << true << " could not be opened";
    }

    void aCourseFileThatCannotBeReadChangesNothing() {
        QFETCH(QString, fixture);
        QFETCH(bool, menu);
        QFETCH(bool, courseOpen);
        QFETCH(QString, where);
        Setup f;
        f.state.course = OpenCourse();
        f.main.setCourseCommandsEnabled(courseOpen);
        QString path = FixturePath(qPrintable(fixture));
        f.fake.fileDialogs.answer(path);
        f.openCourse(menu);

        QCOMPARE(f.fake.messages.events, (QStringList{"beep", "box:Course File Error"}));
        QString text = f.fake.messages.shown[0].text;
        QVERIFY2(text.startsWith("Unable to open this course file.\r\n\r\n" + path + where),
                 qPrintable(text));
        QCOMPARE(f.fake.messages.shown[0].icon, MessageIcon::Critical);
        QVERIFY(f.state.course == OpenCourse());
        QCOMPARE(f.courseCommands(), QString(courseOpen ? "all" : "none"));
        QCOMPARE(f.state.entry.EntryDate, 35160.0);
    }

    void cancellingTheCourseDialogIsSilent() {
        for (bool menu : {false, true}) {
            Setup f;
            f.state.course = OpenCourse();
            f.fake.fileDialogs.answer(std::nullopt);
            f.openCourse(menu);
            QCOMPARE(f.fake.fileDialogs.asked.size(), size_t(1));
            QVERIFY(f.fake.messages.events.isEmpty());
            QVERIFY(f.state.course == OpenCourse());
            QCOMPARE(f.courseCommands(), QString("none"));
            QCOMPARE(f.state.entry.EntryDate, 35160.0);
        }
    }

    void openingAHandicapFile_data() {
        QTest::addColumn<bool>("menu");
        QTest::newRow("button") << false;
        QTest::newRow("menu") << true;
    }

    void openingAHandicapFile() {
        QFETCH(bool, menu);
        Setup f;
        f.state.handicap = OpenHandicap();
        QString path = FixturePath("handicap_with_rounds.hcp");
        f.fake.fileDialogs.answer(path);
        f.openHandicap(menu);

        const platform::FileDialogRequest& asked = f.fake.fileDialogs.asked.at(0).request;
        QCOMPARE(asked.title, QString("Open an existing HANDICAP File"));
        QCOMPARE(asked.filter, QString("Handicap files (*.hcp)|*.hcp|All Files (*.*)|*.*|"));
        QCOMPARE(asked.flags, 6148);
        core::HandicapState read;
        QVERIFY(core::LoadHandicapFile(path.toStdString(), read).ok);
        QVERIFY(f.state.handicap == read);
        QCOMPARE(f.state.handicap.HandicapFileName, path.toStdString());
        QCOMPARE(f.state.entry.EntryDate, menu ? 0.0 : 35160.0);
        QVERIFY(f.fake.messages.shown.empty());
        // The handicap file has nothing to do with the course commands.
        QCOMPARE(f.courseCommands(), QString("none"));
    }

    void aHandicapFileThatCannotBeReadChangesNothing() {
        for (const char* fixture : {"course_truncated.crs", "course_garbage.crs"}) {
            for (bool menu : {false, true}) {
                Setup f;
                f.state.handicap = OpenHandicap();
                QString path = FixturePath(fixture);
                f.fake.fileDialogs.answer(path);
                f.openHandicap(menu);
                QCOMPARE(f.fake.messages.events, (QStringList{"beep", "box:Handicap File Error"}));
                QString text = f.fake.messages.shown[0].text;
                QVERIFY2(text.startsWith("Unable to open this handicap file.\r\n\r\n" + path +
                                         ", line "),
                         qPrintable(text));
                QVERIFY(f.state.handicap == OpenHandicap());
                QCOMPARE(f.state.entry.EntryDate, 35160.0);
            }
        }
        Setup f;
        f.state.handicap = OpenHandicap();
        f.fake.fileDialogs.answer(std::nullopt);
        f.openHandicap(true);
        QVERIFY(f.fake.messages.events.isEmpty());
        QVERIFY(f.state.handicap == OpenHandicap());
        QCOMPARE(f.state.entry.EntryDate, 35160.0);
    }

    void theFileWindowsOpenModal_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("window");
        QTest::newRow("New Course") << "SSCommand10"
                                    << "setup2";
        QTest::newRow("New Course SetUp") << "NewCourseCmd"
                                          << "setup2";
        QTest::newRow("Edit Specs") << "SSCommand2"
                                    << "Form9";
        QTest::newRow("Edit Course Specifications") << "EditCrs"
                                                    << "Form9";
        QTest::newRow("New Hdcp") << "SSCommand3"
                                  << "Form13";
        QTest::newRow("Create Handicap File") << "New_Hdcp"
                                              << "Form13";
    }

    void theFileWindowsOpenModal() {
        QFETCH(QString, command);
        QFETCH(QString, window);
        Setup f;
        f.fake.fileDialogs.answer(FixturePath("course_with_statistics.crs"));
        f.openCourse(false);
        QString seen;
        bool modal = false;
        QTimer closer;
        connect(&closer, &QTimer::timeout, [&] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                seen = dialog->objectName();
                modal = dialog->isModal();
                dialog->reject();
            }
        });
        closer.start(10);
        if (command.startsWith("SSCommand"))
            f.main.button(command)->click();
        else
            f.main.action(command)->trigger();
        closer.stop();
        QCOMPARE(seen, window);
        QVERIFY(modal);
        QVERIFY(f.fake.messages.shown.empty());
    }
};

QTEST_MAIN(OpenFilesTest)
#include "open_files_test.moc"
