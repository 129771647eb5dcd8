#include "core/course_file.h"
#include "platform/picture_box.h"
#include "support/fake_platform.h"
#include "support/read_only_folder.h"
#include "support/test_files.h"
#include "ui/app/main_window.h"
#include "ui/app/window_routines.h"
#include "ui/files/course_edit_window.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using platform::MessageIcon;
using testing_support::FakePlatform;
using testing_support::FixturePath;
using testing_support::Lines;
using testing_support::ReadAll;

namespace {

// An open course whose file is a copy of a fixture in a scratch folder.
struct Setup {
    FakePlatform fake;
    core::AppState state;
    ui::MainWindow main{state, fake.platform};
    QTemporaryDir folder;
    QString file;
    std::unique_ptr<ui::CourseEditWindow> window;

    explicit Setup(const char* fixture = "course_with_statistics.crs") {
        file = folder.filePath("home.crs");
        QFile::copy(FixturePath(fixture), file);
        QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
        state.course.CourseFileName = file.toStdString();
    }
    void open() { window = std::make_unique<ui::CourseEditWindow>(main.context(), &main); }

    QLineEdit* box(int number) const {
        auto* found = window->findChild<QLineEdit*>(QString("Text%1").arg(number));
        if (!found)
            qFatal("no box Text%d", number);
        return found;
    }
    void type(int number, const QString& keys) const {
        box(number)->selectAll();
        QTest::keyClicks(box(number), keys);
    }
    void click(const char* name) const { window->findChild<QPushButton*>(name)->click(); }
};

} // namespace

class CourseEditWindowTest : public QObject {
    Q_OBJECT

private slots:
    void loadsTheFileIntoTheBoxes() {
        Setup f;
        f.state.course.PlayerName = "Held in memory";
        f.state.course.GamesRecorded = 99;
        f.open();
        QCOMPARE(f.window->objectName(), QString("Form9"));
        QCOMPARE(f.window->windowTitle(), QString("Edit Course Specifications"));
        QVERIFY(f.fake.messages.shown.empty());
        // The course is read again from its file.
        core::CourseState read;
        QVERIFY(core::LoadCourseFile(f.file.toStdString(), read).ok);
        QVERIFY(f.state.course == read);

        struct Shown {
            int box;
            const char* text;
        };
        const Shown shown[] = {
            {1, " 4"},     {9, " 4"},           {10, " 385"},
            {16, " 548"},  {19, " 7"},          {27, " 9"},
            {28, " 4"},    {37, " 356"},        {45, " 421"},
            {46, " 8"},    {54, " 14"},         {55, " 70.8"},
            {56, " 124"},  {57, "Ann Example"}, {58, "Tarn Hill Golf Club"},
            {59, "White"},
        };
        for (const Shown& s : shown)
            QCOMPARE(f.box(s.box)->text(), QString(s.text));
        for (const char* button : {"Command1", "Command2", "Command3"})
            QVERIFY(f.window->findChild<QPushButton*>(button));
    }

    void drawsTheInsetFramesOfItsPictureBoxes() {
        Setup f;
        f.open();
        for (const char* name : {"Picture1", "Picture2", "Picture3", "Picture4"}) {
            auto* picture = f.window->findChild<platform::PictureBox*>(name);
            QVERIFY2(picture, name);
            const QImage& image = picture->image();
            QVERIFY2(!image.isNull(), name);
            // The sunken edge: shadow along the top, light along the bottom.
            QCOMPARE(QColor(image.pixel(image.width() / 2, 0)), ui::ShadowColor);
            QCOMPARE(QColor(image.pixel(image.width() / 2, image.height() - 1)), ui::LightColor);
        }
    }

    void tabOrderFollowsTheBoxNumbers() {
        Setup f;
        f.open();
        QWidget* w = f.box(1);
        QStringList order;
        while (order.size() < 62) {
            order << w->objectName();
            do
                w = w->nextInFocusChain();
            while (w->focusPolicy() == Qt::NoFocus);
        }
        QStringList expected;
        for (int n = 1; n <= 59; ++n)
            expected << QString("Text%1").arg(n);
        expected << "Command1"
                 << "Command2"
                 << "Command3";
        QCOMPARE(order, expected);
    }

    void aFileThatCannotBeReadKeepsTheOpenCourse() {
        for (const char* fixture : {"course_truncated.crs", "course_garbage.crs"}) {
            Setup f(fixture);
            core::CourseState open;
            QVERIFY(
                core::LoadCourseFile(FixturePath("course_with_statistics.crs").toStdString(), open)
                    .ok);
            open.CourseFileName = f.file.toStdString();
            f.state.course = open;
            f.open();
            QVERIFY(f.state.course == open);
            QCOMPARE(f.fake.messages.events, (QStringList{"beep", "box:Course File Error"}));
            QVERIFY2(f.fake.messages.shown[0].text.startsWith(
                         "Unable to open this course file.\r\n\r\n" + f.file + ", line "),
                     qPrintable(f.fake.messages.shown[0].text));
            QCOMPARE(f.fake.messages.shown[0].icon, MessageIcon::Critical);
            QCOMPARE(f.box(57)->text(), QString("Ann Example"));
            QCOMPARE(f.box(10)->text(), QString(" 385"));
        }
    }

    void boxesChangeTheCourseAtOnce() {
        Setup f;
        f.open();
        f.type(1, "3.6");
        QCOMPARE(f.state.course.HolePar[1], 4);
        f.type(1, "3");
        QCOMPARE(f.state.course.HolePar[1], 3);
        f.type(10, "390.5");
        QCOMPARE(f.state.course.HoleYards[1], 390.5);
        f.type(54, "13.5");
        QCOMPARE(f.state.course.HoleHandicap[18], 14); // halves to even
        f.type(55, "71.2");
        QCOMPARE(f.state.course.CourseRating, 71.2f);
        f.type(56, "130");
        QCOMPARE(f.state.course.CourseSlope, 130.0f);
        f.type(57, "Ann \"Eagle\" Example");
        QCOMPARE(f.state.course.PlayerName, std::string("Ann Eagle Example"));
        f.box(58)->insert(" \"West\"");
        QCOMPARE(f.state.course.CourseName, std::string("Tarn Hill Golf Club West"));
        f.type(59, "Blue");
        QCOMPARE(f.state.course.TeeName, std::string("Blue"));

        // Cancel writes nothing; what was typed stays in the course.
        QByteArray before = ReadAll(f.file);
        f.click("Command2");
        QCOMPARE(ReadAll(f.file), before);
        QCOMPARE(f.state.course.TeeName, std::string("Blue"));
    }

    void aYardageOverNineHundredNinetyNineIsRefused() {
        Setup f;
        f.open();
        QByteArray before = ReadAll(f.file);
        f.type(16, "1000");
        f.click("Command1");
        QCOMPARE(f.fake.messages.events, (QStringList{"beep", "box:Incorrect Yardage"}));
        QCOMPARE(f.fake.messages.shown[0].text,
                 QString("The yardage entered for Hole # 7 is incorrect."));
        QCOMPARE(f.fake.messages.shown[0].icon, MessageIcon::Critical);
        QCOMPARE(ReadAll(f.file), before);
        f.type(16, "999");
        f.click("Command1");
        QCOMPARE(f.fake.messages.shown.size(), size_t(1));
        QVERIFY(ReadAll(f.file) != before);
    }

    // Values the file cannot hold, or that its reader would refuse, are refused by name
    // before anything is written; the box gets the focus back to be corrected.
    void valuesTheFileCannotHoldAreRefused_data() {
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        const QString nines40(40, '9');
        QTest::newRow("par of 2147483647")
            << 7 << "2147483647"
            << "Incorrect Par"
            << "The par entered for Hole # 7, \"2147483647\", cannot be stored. A par must be a "
               "whole number from -32768 to 32767.";
        QTest::newRow("par of 32768") << 7 << "32768"
                                      << "Incorrect Par"
                                      << "The par entered for Hole # 7, \"32768\", cannot be "
                                         "stored. A par must be a whole number from -32768 to "
                                         "32767.";
        QTest::newRow("hole handicap of -40000")
            << 48 << "-40000"
            << "Incorrect Hole Handicap"
            << "The hole handicap entered for Hole # 12, \"-40000\", cannot be stored. A hole "
               "handicap must be a whole number from -32768 to 32767.";
        QTest::newRow("rating of 40 nines")
            << 55 << nines40 << "Incorrect Course Rating"
            << "The Course Rating entered, \"" + nines40 +
                   "\", cannot be stored. A course rating must be a number below 10000.";
        QTest::newRow("slope of 41 nines, quoted to 40")
            << 56 << QString(41, '9') << "Incorrect Slope Rating"
            << "The Slope Rating entered, \"" + nines40 +
                   "...\", cannot be stored. A slope rating must be a number below 10000.";
        QTest::newRow("slope of 10000")
            << 56 << "10000"
            << "Incorrect Slope Rating"
            << "The Slope Rating entered, \"10000\", cannot be stored. A slope rating must be a "
               "number below 10000.";
    }

    void valuesTheFileCannotHoldAreRefused() {
        QFETCH(int, box);
        QFETCH(QString, typed);
        QFETCH(QString, title);
        QFETCH(QString, text);
        Setup f;
        f.open();
        f.window->show();
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        QByteArray before = ReadAll(f.file);
        f.type(box, typed);
        f.click("Command1");
        QCOMPARE(f.fake.messages.events, (QStringList{"beep", "box:" + title}));
        QCOMPARE(f.fake.messages.shown[0].text, text);
        QCOMPARE(f.fake.messages.shown[0].icon, MessageIcon::Critical);
        QCOMPARE(ReadAll(f.file), before);
        QCOMPARE(f.window->focusWidget(), f.box(box));
        // Corrected, the course saves and reads back.
        f.type(box, "4");
        f.click("Command1");
        QCOMPARE(f.fake.messages.shown.size(), size_t(1));
        core::CourseState read;
        QVERIFY(core::LoadCourseFile(f.file.toStdString(), read).ok);
        QVERIFY(read == f.state.course);
    }

    void aCourseWithRoundsIsRewrittenWhole() {
        Setup f;
        f.open();
        f.window->show();
        f.type(3, "4"); // hole 3 becomes a par 4 of 165 yards
        f.type(58, "Tarn Hill, Old Course");
        f.click("Command1");
        QVERIFY(f.fake.messages.shown.empty());
        QVERIFY(f.window->isVisible());
        core::CourseState read;
        QVERIFY(core::LoadCourseFile(f.file.toStdString(), read).ok);
        QVERIFY(read == f.state.course);
        QCOMPARE(read.HolePar[3], 4);
        QCOMPARE(read.FairwaysPerRound, 15);
        QCOMPARE(read.LengthClassHoles, (std::array<int, 9>{1, 3, 2, 1, 6, 1, 1, 2, 1}));
        QCOMPARE(read.CourseName, std::string("Tarn Hill, Old Course"));
        QCOMPARE(read.GamesRecorded, 3.0f);
        QCOMPARE(read.RecentRoundScore[2], 92);
        QList<QByteArray> lines = Lines(ReadAll(f.file));
        QCOMPARE(lines.size(), 69);
        QCOMPARE(lines[49], QByteArray("77,77,77,77,77,44,44,44,44,44"));
        QCOMPARE(ReadAll(f.file).toStdString(),
                 core::CourseFileText(f.state.course, core::CourseFileKind::Rewrite));
    }

    void aCourseWithoutRoundsIsWrittenWithZeros() {
        Setup f("new_course.crs");
        f.open();
        f.type(55, "71");
        f.click("Command1");
        QVERIFY(f.fake.messages.shown.empty());
        QList<QByteArray> lines = Lines(ReadAll(f.file));
        QCOMPARE(lines.size(), 69);
        QCOMPARE(lines[0], QByteArray("#1996-03-05#,35129"));
        QCOMPARE(lines[1],
                 QByteArray("\"Ann Example\",\"Tarn Hill Golf Club\",\"White\",71,124,14"));
        QCOMPARE(lines[20], QByteArray("0"));
        QCOMPARE(lines[48], QByteArray("88,88,88,88,88,55,55,55,55,55"));
        QCOMPARE(lines[49], QByteArray("77,77,77,77,77,33,33,33,33,33"));
        QCOMPARE(lines[50], QByteArray("0"));
        QCOMPARE(lines[67], QByteArray("0,0,0,0,0,0,0,0,0,0"));
        QCOMPARE(ReadAll(f.file).toStdString(),
                 core::CourseFileText(f.state.course, core::CourseFileKind::EditedWithoutRounds));
    }

    void aFileChangedElsewhereIsKeptOrReplacedAsTheUserSays() {
        using platform::MessageAnswer;
        for (auto answer : {MessageAnswer::No, MessageAnswer::Yes}) {
            Setup f;
            f.open();
            // Another copy of the program saved a round meanwhile.
            core::CourseState elsewhere = f.state.course;
            elsewhere.GamesRecorded = 4;
            QVERIFY(core::WriteCourseFile(elsewhere));
            const QByteArray onDisk = ReadAll(f.file);
            f.type(55, "71");
            f.fake.messages.answer(answer);
            f.click("Command1");
            QCOMPARE(f.fake.messages.events, (QStringList{"beep", "box:File Changed"}));
            if (answer == MessageAnswer::No) {
                QCOMPARE(ReadAll(f.file), onDisk);
            } else {
                core::CourseState read;
                QVERIFY(core::LoadCourseFile(f.file.toStdString(), read));
                QCOMPARE(read.CourseRating, 71.0f);
                QCOMPARE(read.GamesRecorded, 3.0f);
                f.type(55, "72");
                f.click("Command1");
                QCOMPARE(f.fake.messages.shown.size(), size_t(1));
            }
        }
    }

    void aFolderThatRefusesTheFileIsReported() {
        Setup f;
        f.open();
        QByteArray before = ReadAll(f.file);
        chmod(QFile::encodeName(f.file).constData(), 0666); // the file itself may be written
        f.type(55, "71");
        {
            testing_support::ReadOnlyFolder readOnly(f.folder.path().toStdString());
            f.click("Command1");
        }
        QCOMPARE(f.fake.messages.events, (QStringList{"beep", "box:Course File Error"}));
        QCOMPARE(f.fake.messages.shown[0].text, "Unable to save the course file.\r\n\r\n" + f.file +
                                                    " could not be written: the folder " +
                                                    f.folder.path() +
                                                    " does not allow new files, and saving "
                                                    "needs one.");
        QCOMPARE(ReadAll(f.file), before);
        QCOMPARE(QDir(f.folder.path()).entryList(QDir::Files), QStringList{"home.crs"});
    }
};

QTEST_MAIN(CourseEditWindowTest)
#include "course_edit_window_test.moc"
