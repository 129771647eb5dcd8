#include "core/course_file.h"
#include "platform/three_d_button.h"
#include "support/fake_platform.h"
#include "support/read_only_folder.h"
#include "support/test_files.h"
#include "ui/app/main_window.h"
#include "ui/files/new_course_window.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using platform::MessageAnswer;
using platform::MessageButtons;
using platform::MessageIcon;
using testing_support::FakePlatform;
using testing_support::Lines;
using testing_support::ReadAll;

namespace {

// The boxes of each hole.
QString ParBox(int h) {
    return QString("Text%1").arg(h <= 9 ? 4 + h : 5 + h);
}
QString YardsBox(int h) {
    return QString("Text%1").arg(h == 1 ? 3 : h <= 9 ? 22 + h : 23 + h);
}
QString HandicapBox(int h) {
    return QString("Text%1").arg(42 + h);
}

// The course of the fixture file new_course.crs.
const int Pars[] = {4, 5, 3, 4, 4, 3, 5, 4, 4, 4, 3, 5, 4, 4, 3, 4, 5, 4};
const int Handicaps[] = {7, 1, 17, 5, 11, 15, 3, 13, 9, 8, 18, 2, 10, 6, 16, 12, 4, 14};
const int Yards[] = {385, 512, 165, 402, 344, 120, 548, 415, 372,
                     356, 186, 575, 330, 410, 121, 351, 520, 421};

QByteArray FixtureBytes(const char* name) {
    return ReadAll(QString(TARNWICK_FIXTURES) + "/files/" + name);
}

// One window over a main window, with the fake desktop services.
struct Setup {
    FakePlatform fake;
    core::AppState state;
    ui::MainWindow main{state, fake.platform};
    std::unique_ptr<ui::NewCourseWindow> window;
    QTemporaryDir folder;

    Setup() {
        main.setCourseCommandsEnabled(true);
        window = std::make_unique<ui::NewCourseWindow>(main.context(), &main);
    }

    QLineEdit* box(const QString& name) const {
        auto* found = window->findChild<QLineEdit*>(name);
        if (!found)
            qFatal("no box %s", qPrintable(name));
        return found;
    }
    QString text(const QString& name) const { return window->findChild<QLabel*>(name)->text(); }
    void type(const QString& name, const QString& keys) const {
        QLineEdit* b = box(name);
        b->selectAll();
        QTest::keyClicks(b, keys);
    }
    void typeTees(const QString& keys) const {
        QTest::keyClicks(window->findChild<QComboBox*>("Combo1")->lineEdit(), keys);
    }
    void fillHoles() const {
        for (int h = 1; h <= 18; ++h) {
            type(ParBox(h), QString::number(Pars[h - 1]));
            type(YardsBox(h), QString::number(Yards[h - 1]));
            type(HandicapBox(h), QString::number(Handicaps[h - 1]));
        }
    }
    void fillAll() const {
        type("Text1", "Ann Example");
        type("Text2", "Tarn Hill Golf Club");
        typeTees("White");
        type("Text4", "70.8");
        type("Text14", "124");
        fillHoles();
    }
    QString path(const QString& name) const { return folder.filePath(name); }
    void click(const char* name) const { window->findChild<QPushButton*>(name)->click(); }
    bool courseCommandsEnabled() const {
        return main.action("EditCrs")->isEnabled() && main.button("SSCommand6")->isEnabled();
    }
};

} // namespace

class NewCourseWindowTest : public QObject {
    Q_OBJECT

private slots:
    void controlsInTheirTabOrder() {
        Setup f;
        QCOMPARE(f.window->objectName(), QString("setup2"));
        QCOMPARE(f.window->windowTitle(), QString("New Course Information"));
        auto* tees = f.window->findChild<QComboBox*>("Combo1");
        QStringList items;
        for (int i = 0; i < tees->count(); ++i)
            items << tees->itemText(i);
        QCOMPARE(items, (QStringList{"Blue", "Gold", "Red", "White", "Ladies Red", "Ladies White",
                                     "Championship"}));
        QCOMPARE(tees->currentText(), QString());
        QCOMPARE(f.window->findChild<QPushButton*>("Command1")->text(), QString("Save"));
        QCOMPARE(f.window->findChild<QPushButton*>("Command2")->text(), QString("Cancel"));
        QCOMPARE(f.window->findChild<QPushButton*>("Command3")->text(), QString("Help"));

        QStringList expected = {"Text1", "Text2", "Combo1", "Text4", "Text14"};
        for (QString (*row)(int) : {ParBox, YardsBox, HandicapBox})
            for (int h = 1; h <= 18; ++h)
                expected << row(h);
        expected << "Command1"
                 << "Command2"
                 << "Command3";
        QStringList order;
        QWidget* w = f.box("Text1");
        for (int i = 0; i < expected.size(); ++i) {
            order << w->objectName();
            do
                w = w->nextInFocusChain();
            while (w->focusPolicy() == Qt::NoFocus || w->objectName().isEmpty() ||
                   w->parentWidget() == f.window->findChild<QComboBox*>("Combo1"));
        }
        QCOMPARE(order, expected);
    }

    void keyFiltersOfTheBoxes() {
        Setup f;
        QTest::keyClick(f.box("Text5"), Qt::Key_2);
        QCOMPARE(f.box("Text5")->text(), QString());
        QTest::keyClick(f.box("Text5"), Qt::Key_4);
        QCOMPARE(f.box("Text5")->text(), QString("4"));
        QTest::keyClicks(f.box("Text43"), "19");
        QCOMPARE(f.box("Text43")->text(), QString("1"));
        QTest::keyClicks(f.box("Text3"), "01000x");
        QCOMPARE(f.box("Text3")->text(), QString("100"));
        QTest::keyClicks(f.box("Text4"), "7a0.5-");
        QCOMPARE(f.box("Text4")->text(), QString("70.5"));
        // The slope box takes anything, as a number read leniently.
        QTest::keyClicks(f.box("Text14"), "12x");
        QCOMPARE(f.box("Text14")->text(), QString("12x"));
    }

    void theDoubleQuoteCannotBeStored() {
        Setup f;
        QTest::keyClicks(f.box("Text1"), "Ann \"Birdie\"");
        QCOMPARE(f.box("Text1")->text(), QString("Ann Birdie"));
        // Pasted text loses it too, before anyone sees the change.
        QStringList seen;
        connect(f.box("Text2"), &QLineEdit::textChanged, [&](const QString& t) { seen << t; });
        f.box("Text2")->insert("The \"Old\" Course");
        QCOMPARE(f.box("Text2")->text(), QString("The Old Course"));
        QCOMPARE(seen, QStringList{"The Old Course"});
        QLineEdit* tee = f.window->findChild<QComboBox*>("Combo1")->lineEdit();
        QTest::keyClicks(tee, "\"Back\"");
        tee->insert("\"");
        QCOMPARE(tee->text(), QString("Back"));

        f.fillHoles();
        f.type("Text4", "70.8");
        f.type("Text14", "124");
        f.fake.fileDialogs.answer(f.path("quotes.crs"));
        f.fake.messages.answer(MessageAnswer::No);
        f.click("Command1");
        core::CourseState read;
        QVERIFY(core::LoadCourseFile(f.path("quotes.crs").toStdString(), read).ok);
        QCOMPARE(read.PlayerName, std::string("Ann Birdie"));
        QCOMPARE(read.CourseName, std::string("The Old Course"));
        QCOMPARE(read.TeeName, std::string("Back"));
    }

    void sumsFollowTheHolesAsTheyAreLeft() {
        Setup f;
        f.window->show();
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        for (int h = 1; h <= 18; ++h) {
            f.box(ParBox(h))->setFocus();
            QTest::keyClicks(f.box(ParBox(h)), QString::number(Pars[h - 1]));
        }
        for (int h = 1; h <= 18; ++h) {
            f.box(YardsBox(h))->setFocus();
            QTest::keyClicks(f.box(YardsBox(h)), QString::number(Yards[h - 1]));
        }
        f.box("Text1")->setFocus();
        QCOMPARE(f.text("Label21"), QString(" 36"));
        QCOMPARE(f.text("Label22"), QString(" 36"));
        QCOMPARE(f.text("Label23"), QString(" 3263"));
        QCOMPARE(f.text("Label24"), QString(" 3270"));

        // A hole box selects its text when it gets the focus, so typing replaces it.
        f.box("Text5")->setFocus();
        QCOMPARE(f.box("Text5")->selectedText(), QString("4"));
        QTest::keyClick(f.box("Text5"), Qt::Key_5);
        QTest::keyClick(f.box("Text5"), Qt::Key_Tab);
        QCOMPARE(f.text("Label21"), QString(" 37"));
        QVERIFY(f.box("Text6")->hasFocus());
    }

    void aNewCourseFileIsWrittenExactly() {
        Setup f;
        f.fake.clock.setDate(1996, 3, 5);
        core::CourseState open;
        open.CourseFileName = "/somewhere/open.crs";
        open.GamesRecorded = 12;
        f.state.course = open;
        f.fillAll();
        f.fake.fileDialogs.answer(f.path("tarn.crs"));
        f.fake.messages.answer(MessageAnswer::No);
        f.click("Command1");

        QCOMPARE(ReadAll(f.path("tarn.crs")), FixtureBytes("new_course.crs"));
        QCOMPARE(f.fake.fileDialogs.asked.size(), size_t(1));
        const platform::FileDialogRequest& asked = f.fake.fileDialogs.asked[0].request;
        QVERIFY(f.fake.fileDialogs.asked[0].save);
        QCOMPARE(asked.title, QString("Create a NEW COURSE File"));
        QCOMPARE(asked.filter, QString("Course Files (*.crs)|*.crs|"));
        QCOMPARE(asked.defaultExtension, QString("crs"));
        QCOMPARE(asked.flags, 3078);
        QCOMPARE(asked.fileName, QString());

        // Only the closing question, without a beep.
        QCOMPARE(f.fake.messages.events, QStringList{"box:"});
        QCOMPARE(f.fake.messages.shown[0].text, QString("Do you wish to Set up a Another Course."));
        QCOMPARE(f.fake.messages.shown[0].icon, MessageIcon::Question);
        QCOMPARE(f.fake.messages.shown[0].buttons, MessageButtons::YesNo);
        QCOMPARE(f.window->result(), int(QDialog::Accepted));

        // The course in memory is the file just written; the commands wait for it to be opened.
        core::CourseState read;
        QVERIFY(core::LoadCourseFile(f.path("tarn.crs").toStdString(), read).ok);
        QVERIFY(f.state.course == read);
        QVERIFY(!f.courseCommandsEnabled());
        QVERIFY(!f.main.action("Gen_stats")->isEnabled());
        QVERIFY(!f.main.button("SSCommand9")->isEnabled());
        QVERIFY(f.main.action("Last20_cmd")->isEnabled());
    }

    // Pasting goes around the keys; the boxes hold their range all the same, so the file
    // written is the one the typed values make.
    void pastedValuesKeepTheRangeOfTheKeys() {
        Setup f;
        f.fake.clock.setDate(1996, 3, 5);
        f.fillAll();
        auto paste = [&](const QString& box, const QString& text) {
            QGuiApplication::clipboard()->setText(text);
            f.box(box)->selectAll();
            f.box(box)->paste();
        };
        const struct {
            QString box;
            const char* pasted;
            const char* kept;
        } cases[] = {
            {ParBox(1), "2", "4"},        {ParBox(10), "10", "4"},     {YardsBox(1), "-50", "385"},
            {YardsBox(2), "1000", "512"}, {HandicapBox(1), "19", "7"}, {"Text4", "-71", "70.8"},
            {"Text4", "7e1", "70.8"},
        };
        for (const auto& c : cases) {
            paste(c.box, c.pasted);
            QCOMPARE(f.box(c.box)->text(), QString(c.kept));
        }
        paste(ParBox(1), "5");
        QCOMPARE(f.box(ParBox(1))->text(), QString("5"));
        paste(ParBox(1), "4");

        f.fake.fileDialogs.answer(f.path("tarn.crs"));
        f.fake.messages.answer(MessageAnswer::No);
        f.click("Command1");
        QCOMPARE(ReadAll(f.path("tarn.crs")), FixtureBytes("new_course.crs"));
    }

    void yesSetsUpAnotherCourse() {
        Setup f;
        f.window->show();
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        f.fillAll();
        f.box("Text3")->setFocus();
        f.box("Text1")->setFocus(); // leaves a yardage box: the sums show
        QVERIFY(!f.text("Label23").isEmpty());
        f.fake.fileDialogs.answer(f.path("first.crs"));
        f.fake.messages.answer(MessageAnswer::Yes);
        f.box("Text60")->setFocus();
        f.click("Command1");
        QVERIFY(f.window->isVisible());
        for (int n : {1, 2, 4, 14, 3, 5, 23, 41, 43, 60})
            QCOMPARE(f.box(QString("Text%1").arg(n))->text(), QString());
        QCOMPARE(f.window->findChild<QComboBox*>("Combo1")->currentText(), QString());
        for (const char* label : {"Label21", "Label22", "Label23", "Label24"})
            QCOMPARE(f.text(label), QString());
        QVERIFY(f.box("Text1")->hasFocus());

        // The second course is taken from its boxes alone.
        f.type("Text1", "Bob");
        f.fillHoles();
        f.type("Text4", "69");
        f.type("Text14", "118");
        f.fake.fileDialogs.answer(f.path("second.crs"));
        f.fake.messages.answer(MessageAnswer::No);
        f.click("Command1");
        QList<QByteArray> lines = Lines(ReadAll(f.path("second.crs")));
        QCOMPARE(lines.size(), 69);
        QCOMPARE(lines[1], QByteArray("\"Bob\",\"N/A\",\"Standard\",69,118,14"));
        QCOMPARE(f.state.course.CourseFileName, f.path("second.crs").toStdString());
    }

    void everyHoleMustBeFilledIn_data() {
        QTest::addColumn<QString>("emptyBox");
        QTest::addColumn<QString>("missing");
        QTest::addColumn<QString>("title");
        QTest::newRow("par") << ParBox(14) << "Missing Hole Par information. You must fill in"
                             << "Hole Par Error!";
        QTest::newRow("yards") << YardsBox(1) << "Missing yardage information. You must fill in"
                               << "Yardage Error!";
        QTest::newRow("handicap") << HandicapBox(18)
                                  << "Missing Hole Handicap information. You must fill in"
                                  << "Hole Handicap Error!";
    }

    void everyHoleMustBeFilledIn() {
        QFETCH(QString, emptyBox);
        QFETCH(QString, missing);
        QFETCH(QString, title);
        Setup f;
        f.fillAll();
        f.box(emptyBox)->clear();
        f.click("Command1");
        QCOMPARE(f.fake.messages.events, (QStringList{"beep", "box:" + title}));
        QCOMPARE(f.fake.messages.shown[0].text,
                 "Unable to create a course file.\r\n\r\n" + missing +
                     " the specifications for ALL holes before continuing.\r\n\r\n"
                     "This information can be found on your scorecard.");
        QCOMPARE(f.fake.messages.shown[0].icon, MessageIcon::Critical);
        QVERIFY(f.fake.fileDialogs.asked.empty());
        QCOMPARE(f.window->result(), 0);
    }

    void missingRatingsTakeDefaultsAfterYes() {
        Setup f;
        f.fillAll();
        f.box("Text4")->clear();
        f.box("Text14")->clear();
        f.fake.messages.answer(MessageAnswer::Yes);
        f.fake.messages.answer(MessageAnswer::No);
        f.fake.fileDialogs.answer(f.path("defaults.crs"));
        f.click("Command1");
        QCOMPARE(f.fake.messages.events,
                 (QStringList{"beep", "box:Course or slope rating missing!", "box:"}));
        const auto& question = f.fake.messages.shown[0];
        QCOMPARE(question.text,
                 QString("You have not specified a course and/or slope rating.\r\n\r\n"
                         "This information can be obtained from the scorecard or Golf "
                         "Professional.\r\n\r\n"
                         "Defaults will be used for Incorrect or missing ratings. This could "
                         "make your handicap\r\nstatistics inaccurate.\r\n\r\n"
                         "Do you wish to Continue?"));
        QCOMPARE(question.icon, MessageIcon::Question);
        QCOMPARE(question.buttons, MessageButtons::YesNo);
        QCOMPARE(Lines(ReadAll(f.path("defaults.crs")))[1],
                 QByteArray("\"Ann Example\",\"Tarn Hill Golf Club\",\"White\",72,113,14"));
    }

    void noAtTheRatingsQuestionWritesNothing() {
        Setup f;
        f.fillAll();
        f.box("Text14")->clear();
        f.fake.messages.answer(MessageAnswer::No);
        f.fake.fileDialogs.answer(f.path("never.crs"));
        f.click("Command1");
        QCOMPARE(f.fake.messages.shown.size(), size_t(1));
        QVERIFY(f.fake.fileDialogs.asked.empty());
        QVERIFY(!QFile::exists(f.path("never.crs")));
        QVERIFY(f.courseCommandsEnabled());
    }

    void slopesFromEightyToOneHundredFifty_data() {
        QTest::addColumn<QString>("slope");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("79") << "79" << false;
        QTest::newRow("80") << "80" << true;
        QTest::newRow("150") << "150" << true;
        QTest::newRow("151") << "151" << false;
    }

    void slopesFromEightyToOneHundredFifty() {
        QFETCH(QString, slope);
        QFETCH(bool, accepted);
        Setup f;
        f.fillAll();
        f.type("Text14", slope);
        f.fake.fileDialogs.answer(f.path("slope.crs"));
        f.fake.messages.answer(MessageAnswer::No);
        f.click("Command1");
        if (accepted) {
            QCOMPARE(Lines(ReadAll(f.path("slope.crs")))[1],
                     "\"Ann Example\",\"Tarn Hill Golf Club\",\"White\",70.8," + slope.toUtf8() +
                         ",14");
        } else {
            QCOMPARE(f.fake.messages.events, (QStringList{"beep", "box:Incorect Slope Rating"}));
            QCOMPARE(f.fake.messages.shown[0].text,
                     QString("Slope rating Invalid. Must be between 80 and 150"));
            QCOMPARE(f.fake.messages.shown[0].icon, MessageIcon::Critical);
            QVERIFY(f.fake.fileDialogs.asked.empty());
        }
    }

    void aCancelledDialogIsSilent() {
        Setup f;
        core::CourseState open;
        open.CourseFileName = "/somewhere/open.crs";
        open.PlayerName = "Open";
        f.state.course = open;
        f.fillAll();
        f.fake.fileDialogs.answer(std::nullopt);
        f.click("Command1");
        QCOMPARE(f.fake.fileDialogs.asked.size(), size_t(1));
        QVERIFY(f.fake.messages.shown.empty());
        QVERIFY(f.folder.isValid() && QDir(f.folder.path()).isEmpty());
        QVERIFY(f.state.course == open);
        QVERIFY(f.courseCommandsEnabled());
    }

    void aFolderThatRefusesTheFileIsReported() {
        Setup f;
        core::CourseState open;
        open.CourseFileName = "/somewhere/open.crs";
        open.GamesRecorded = 3;
        f.state.course = open;
        f.fillAll();
        f.fake.fileDialogs.answer(f.path("refused.crs"));
        {
            testing_support::ReadOnlyFolder readOnly(f.folder.path().toStdString());
            f.click("Command1");
        }
        QCOMPARE(f.fake.messages.events, (QStringList{"beep", "box:Course File Error"}));
        QCOMPARE(f.fake.messages.shown[0].text,
                 "Unable to save the new course file.\r\n\r\n" + f.path("refused.crs") +
                     " could not be written: the folder " + f.folder.path() +
                     " does not allow new files, and saving "
                     "needs one.");
        QCOMPARE(f.fake.messages.shown[0].icon, MessageIcon::Critical);
        QVERIFY(!QFile::exists(f.path("refused.crs")));
        QVERIFY(f.state.course == open);
        QVERIFY(f.courseCommandsEnabled());
        QVERIFY(f.window->result() != QDialog::Accepted);
    }

    void cancelLeavesTheOpenCourseAsItWas() {
        Setup f;
        core::CourseState open;
        open.CourseFileName = "/somewhere/open.crs";
        open.PlayerName = "Open";
        open.HolePar[1] = 4;
        f.state.course = open;
        f.fillAll();
        f.type("Text5", "3");
        f.click("Command2");
        QCOMPARE(f.window->result(), int(QDialog::Rejected));
        QVERIFY(f.state.course == open);
        QVERIFY(f.fake.messages.shown.empty());
    }

    void help() {
        Setup f;
        f.click("Command3");
        QCOMPARE(f.fake.messages.events, QStringList{"box:How to Enter Scorecard Data"});
        QCOMPARE(f.fake.messages.shown[0].icon, MessageIcon::Exclamation);
        QCOMPARE(f.fake.messages.shown[0].text,
                 QString("Enter the par, yards & hole handicap as found on your scorecard. "
                         "Press the TAB key between entries. The program will cycle through "
                         "each category completely before moving on to the next.\r\n\r\n"
                         "The hole handicap is the difficulty rating of the hole. Nearly all "
                         "golf courses allocate the odd numbers in the order of difficulty to "
                         "the Front 9 and the even numbers to the Back 9.\r\n"
                         "The hole handicap is most often used in match play events."));
    }
};

QTEST_MAIN(NewCourseWindowTest)
#include "new_course_window_test.moc"
