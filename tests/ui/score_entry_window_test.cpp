#include "core/course_file.h"
#include "core/day_number.h"
#include "core/handicap_file.h"
#include "platform/three_d_button.h"
#include "support/fake_platform.h"
#include "support/test_files.h"
#include "ui/app/main_window.h"
#include "ui/app/resources.h"
#include "ui/entry/score_entry_window.h"

#include <QClipboard>
#include <QFile>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <array>
#include <memory>

using testing_support::FakePlatform;
using Holes = std::array<int, 18>;

namespace {

constexpr Holes Pars = {4, 4, 3, 5, 4, 4, 3, 4, 5, 4, 3, 4, 5, 4, 4, 3, 5, 4};
constexpr Holes TwoPutts = {2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2};
// Front 40, back 43; a chip-in on hole 15.
constexpr Holes KnownScores = {4, 5, 3, 6, 4, 6, 2, 5, 5, 5, 4, 4, 7, 5, 4, 3, 6, 5};
constexpr Holes KnownPutts = {2, 2, 2, 2, 1, 3, 1, 2, 2, 2, 2, 2, 3, 1, 0, 1, 2, 2};

core::CourseState HomeCourse(const QString& path) {
    core::CourseState c;
    c.CourseFileName = path.toStdString();
    c.PlayerName = "Pat Golfer";
    c.CourseName = "Tarnwick Links";
    c.TeeName = "White";
    c.CourseRating = 70.5f;
    c.CourseSlope = 125;
    for (int h = 1; h <= 18; ++h) {
        c.HolePar[h] = Pars[h - 1];
        c.HoleYards[h] = 300 + 10 * h;
        c.HoleHandicap[h] = h;
    }
    core::ComputeLengthClasses(c);
    c.FirstDate = {core::DayNumberFromDate(1996, 1, 10), true};
    c.LastDate = core::DayNumberFromDate(1996, 1, 10);
    return c;
}

Holes WithTotal(int total) {
    Holes scores = Pars;
    for (int h = 0; total != 72; h = (h + 1) % 18) {
        int step = total > 72 ? 1 : -1;
        scores[h] += step;
        total -= step;
    }
    return scores;
}

bool CanCreateFileIn(const QString& folder) {
    QFile probe(folder + "/probe");
    bool created = probe.open(QIODevice::WriteOnly);
    if (created) {
        probe.close();
        probe.remove();
    }
    return created;
}

// Makes a folder refuse new files. A privileged user writes through permissions, so
// the folder is then made immutable as well, where the file system allows that.
bool MakeReadOnly(const QString& folder) {
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                      QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
    if (CanCreateFileIn(folder)) {
        QProcess chattr;
        chattr.start("chattr", {"+i", folder});
        chattr.waitForFinished();
    }
    return !CanCreateFileIn(folder);
}

void MakeWritable(const QString& folder) {
    QProcess chattr;
    chattr.start("chattr", {"-i", folder});
    chattr.waitForFinished();
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// A course file on disk, the shared state, the scripted services and a main window.
struct Desk {
    Desk() {
        path = dir.filePath("home.crs");
        state.course = HomeCourse(path);
        if (!core::WriteCourseFile(state.course, core::CourseFileKind::NewCourse))
            qFatal("cannot write the test course");
        main = std::make_unique<ui::MainWindow>(state, fake.platform);
    }
    ui::AppContext& context() { return main->context(); }

    QTemporaryDir dir;
    QString path;
    FakePlatform fake;
    core::AppState state;
    std::unique_ptr<ui::MainWindow> main;
};

QLineEdit* Box(QWidget& w, int number) {
    auto* box = w.findChild<QLineEdit*>("Text" + QString::number(number));
    if (!box)
        qFatal("no box Text%d", number);
    return box;
}
QLineEdit* ScoreBox(QWidget& w, int hole) {
    return Box(w, hole <= 9 ? hole : hole + 9);
}
QLineEdit* PuttBox(QWidget& w, int hole) {
    return Box(w, hole <= 9 ? hole + 9 : hole + 18);
}
QString LabelText(QWidget& w, int number) {
    auto* label = w.findChild<QLabel*>("Label" + QString::number(number));
    if (!label)
        qFatal("no label %d", number);
    return label->text();
}
QPushButton* Command(QWidget& w, int number) {
    auto* button = w.findChild<QPushButton*>("Command" + QString::number(number));
    if (!button)
        qFatal("no Command%d", number);
    return button;
}

void TypeRound(QWidget& w, const Holes& scores, const Holes& putts) {
    for (int h = 1; h <= 18; ++h) {
        QTest::keyClicks(ScoreBox(w, h), QString::number(scores[h - 1]));
        QTest::keyClicks(PuttBox(w, h), QString::number(putts[h - 1]));
    }
}

int Count(const testing_support::FakeMessageBoxes& m, const QString& title) {
    return static_cast<int>(m.events.count("box:" + title));
}

// "Update Handicap", closing the handicap window should it open modally; returns the
// adjusted score the window was given.
double HandOver(QWidget& window, core::AppState& state) {
    double handedOver = -1;
    QTimer::singleShot(0, [&] {
        if (QWidget* modal = QApplication::activeModalWidget(); modal && modal != &window) {
            handedOver = state.entry.PendingAdjustedScore;
            modal->close();
        }
    });
    Command(window, 7)->click();
    if (handedOver < 0)
        handedOver = state.entry.PendingAdjustedScore;
    QCoreApplication::processEvents();
    return handedOver;
}

QString HandicapFile(const QString& folder, int rounds, float index) {
    core::HandicapState h;
    h.HandicapPlayerName = "Pat Golfer";
    h.HomeSlope = 125;
    h.RoundCount = rounds;
    for (int i = 1; i <= rounds; ++i) {
        h.LastScoreDate[i] = core::DayNumberFromDate(1996, 1, i);
        h.LastAdjustedScore[i] = 80;
    }
    h.HandicapIndex = index;
    QString path = folder + "/player" + QString::number(rounds) + ".hcp";
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write the handicap file");
    file.write(QByteArray::fromStdString(core::HandicapFileText(h)));
    return path;
}

} // namespace

class ScoreEntryWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ui::InitResources(); }

    void opensAsAnEmptyScorecard() {
        Desk desk;
        ui::ScoreEntryWindow window(desk.context());
        QCOMPARE(window.objectName(), QString("Score2"));
        QCOMPARE(window.windowTitle(), "Add a New Score -  " + desk.path);
        QVERIFY(Command(window, 1)->isEnabled());
        QVERIFY(!Command(window, 3)->isEnabled());
        QVERIFY(!Command(window, 5)->isEnabled());
        QVERIFY(!Command(window, 7)->isEnabled());
        QVERIFY(Command(window, 2)->isEnabled());
        QCOMPARE(Command(window, 4)->text(), QString("+"));
        QCOMPARE(Command(window, 6)->text(), QString("-"));
        auto* sand = window.findChild<platform::ThreeDButton*>("SSCommand1");
        QVERIFY(sand && !sand->icon().isNull());
        // No date yet: today's date, which becomes the round's date.
        QCOMPARE(Box(window, 39)->text(), QString("03/05/1996"));
        QCOMPARE(desk.state.entry.EntryDate, core::DayNumberFromDate(1996, 3, 5));
        for (int n = 1; n <= 42; ++n)
            if (n != 39)
                QVERIFY2(Box(window, n)->text().isEmpty(), qPrintable(QString::number(n)));
        QCOMPARE(LabelText(window, 48), QString("Standard ESC."));
        QCOMPARE(LabelText(window, 46), QString("Hdcp 33 +"));
        QCOMPARE(LabelText(window, 54), QString("Hdcp 30-39"));
        QCOMPARE(LabelText(window, 34), QString("Avg.Putts (Greens/Reg)"));
        QCOMPARE(LabelText(window, 76), QString("9"));
        QCOMPARE(LabelText(window, 85), QString("18"));
        QVERIFY(desk.fake.messages.shown.empty());
    }

    void startsFromTheLastDateUsed() {
        Desk desk;
        desk.state.entry.EntryDate = core::DayNumberFromDate(1995, 7, 14);
        ui::ScoreEntryWindow window(desk.context());
        QCOMPARE(Box(window, 39)->text(), QString("07/14/1995"));
    }

    void tabOrderVisitsScoresThenPuttsThenTheRest() {
        Desk desk;
        ui::ScoreEntryWindow window(desk.context());
        QStringList expected;
        for (int n :
             {1,  2,  3,  4,  5,  6,  7,  8,  9,  19, 20, 21, 22, 23, 24, 25, 26, 27, 10, 11, 12,
              13, 14, 15, 16, 17, 18, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 40, 42, 38, 41})
            expected << "Text" + QString::number(n);
        expected << "Command1"
                 << "Command2"
                 << "Text39";
        QStringList visited;
        QWidget* w = Box(window, 1);
        while (visited.size() < expected.size()) {
            visited << w->objectName();
            do
                w = w->nextInFocusChain();
            while (!(w->focusPolicy() & Qt::TabFocus));
        }
        QCOMPARE(visited, expected);
    }

    void totalsFollowEveryKey() {
        Desk desk;
        ui::ScoreEntryWindow window(desk.context());
        TypeRound(window, KnownScores, KnownPutts);
        QCOMPARE(LabelText(window, 1), QString(" 40"));
        QCOMPARE(LabelText(window, 2), QString(" 17"));
        QCOMPARE(LabelText(window, 3), QString(" 43"));
        QCOMPARE(LabelText(window, 4), QString(" 15"));
        QCOMPARE(LabelText(window, 51), QString(" 83"));
        QCOMPARE(LabelText(window, 52), QString(" 32"));
        QCOMPARE(window.round().HoleScore[13], 7);
        QCOMPARE(window.round().HolePutts[15], 0);
        QVERIFY(desk.fake.messages.shown.empty());

        // A correction on the back nine moves the back and 18-hole totals at once.
        QLineEdit* hole13 = ScoreBox(window, 13);
        QTest::keyClick(hole13, Qt::Key_Backspace);
        QCOMPARE(LabelText(window, 3), QString(" 36"));
        QCOMPARE(LabelText(window, 51), QString(" 76"));
        QTest::keyClicks(hole13, "6");
        QCOMPARE(LabelText(window, 3), QString(" 42"));
        QCOMPARE(LabelText(window, 1), QString(" 40"));
    }

    void unlikelyEntriesAreQueriedOnce() {
        Desk desk;
        ui::ScoreEntryWindow window(desk.context());
        QTest::keyClicks(ScoreBox(window, 1), "15");
        auto& m = desk.fake.messages;
        QCOMPARE(m.shown.size(), size_t(1));
        QCOMPARE(m.shown[0].text, QString("Are you sure you have entered the correct score?"));
        QCOMPARE(m.shown[0].title, QString("Score Query"));
        QCOMPARE(m.shown[0].icon, platform::MessageIcon::Information);
        QVERIFY(m.shown[0].afterBeep);
        QCOMPARE(ScoreBox(window, 1)->text(), QString("15")); // the value stays
        QCOMPARE(LabelText(window, 1), QString(" 15"));
        QCOMPARE(LabelText(window, 51), QString(" 15"));

        QTest::keyClicks(ScoreBox(window, 10), "14");
        QCOMPARE(m.shown.size(), size_t(1));
        QCOMPARE(LabelText(window, 51), QString(" 29"));

        QTest::keyClicks(PuttBox(window, 2), "9");
        QCOMPARE(m.shown.size(), size_t(1));
        QTest::keyClick(PuttBox(window, 2), Qt::Key_Backspace);
        QTest::keyClicks(PuttBox(window, 2), "10");
        QCOMPARE(m.shown.size(), size_t(2));
        QCOMPARE(m.shown[1].text, QString("Are you sure!"));
        QCOMPARE(m.shown[1].title, QString("Score Query"));
        QVERIFY(m.shown[1].afterBeep);
        QCOMPARE(LabelText(window, 2), QString(" 10"));
        QCOMPARE(LabelText(window, 52), QString(" 10"));
    }

    void keyFiltersKeepEachBoxInItsRange() {
        Desk desk;
        ui::ScoreEntryWindow window(desk.context());
        struct Case {
            int box;
            const char* keys;
            const char* text;
        };
        const Case cases[] = {
            {1, "100", "10"}, // scores 0..99
            {19, "0", "0"},   // a score box takes 0 too
            {2, "a-4.", "4"}, // only digits
            {10, "0", "0"},   // a chip-in
            {28, "99", "99"}, // putts 0..99
            {37, "19", "1"},  // fairways 0..18
            {38, "19", "1"},  // sand saves 0..18
            {40, "2a", "2a"}, // penalties: no filter
            {42, "x3", "x3"}, // sand shots: no filter
            {41, "25", "25"}, // attempts: no filter, nothing checks them
        };
        for (const Case& c : cases) {
            QTest::keyClicks(Box(window, c.box), c.keys);
            QCOMPARE(Box(window, c.box)->text(), QString(c.text));
        }
        QCOMPARE(window.round().HoleScore[1], 10);
        QCOMPARE(window.round().HolePutts[1], 0);
        QCOMPARE(window.round().RoundFairways, 1.0f);
        QCOMPARE(window.round().RoundSandSaves, 1.0f);
        QCOMPARE(window.round().RoundPenalties, 2.0f);
        QCOMPARE(window.round().RoundSandShots, 0.0f); // "x3" reads as 0
        QCOMPARE(window.round().RoundSandAttempts, 25.0f);
    }

    // A text that arrives whole (pasted, committed by an input method) is held to
    // the range the keys keep; a refused one leaves the box as it was.
    void pastedAndComposedTextsKeepTheRange() {
        Desk desk;
        ui::ScoreEntryWindow window(desk.context());
        QLineEdit* score = ScoreBox(window, 1);
        auto paste = [&](QLineEdit* box, const QString& text) {
            QGuiApplication::clipboard()->setText(text);
            box->selectAll();
            box->paste();
        };
        auto compose = [&](QLineEdit* box, const QString& text) {
            QInputMethodEvent event;
            event.setCommitString(text);
            QCoreApplication::sendEvent(box, &event);
        };
        for (const char* refused : {"-5", "150", "1e30", "99999999999", " 7", "4.5"}) {
            paste(score, refused);
            compose(score, refused);
            QCOMPARE(score->text(), QString());
        }
        paste(Box(window, 37), "19"); // fairways 0..18
        QCOMPARE(Box(window, 37)->text(), QString());
        QVERIFY(desk.fake.messages.shown.empty());

        paste(score, "7");
        QCOMPARE(score->text(), QString("7"));
        compose(PuttBox(window, 1), "2");
        QCOMPARE(PuttBox(window, 1)->text(), QString("2"));
        compose(ScoreBox(window, 2), "5");
        QCOMPARE(ScoreBox(window, 2)->text(), QString("5"));
        compose(ScoreBox(window, 2), "150"); // 5150 is out of range too
        QCOMPARE(ScoreBox(window, 2)->text(), QString("5"));
        paste(score, "150"); // the box keeps the 7 it had
        QCOMPARE(score->text(), QString("7"));

        for (int h = 2; h <= 18; ++h) {
            ScoreBox(window, h)->clear();
            QTest::keyClicks(ScoreBox(window, h), "4");
            QTest::keyClicks(PuttBox(window, h), "2");
        }
        Command(window, 1)->click();
        QVERIFY(desk.fake.messages.shown.empty()); // no hole in one, no query
        core::CourseState read;
        QVERIFY(core::LoadCourseFile(desk.path.toStdString(), read));
        QCOMPARE(read.HoleStrokes[1], 7);
        QCOMPARE(read.RoundStrokesTotal, 7 + 17 * 4);
    }

    void tooManyFairwaysAreRefused() {
        Desk desk;
        QCOMPARE(desk.state.course.FairwaysPerRound, 14);
        ui::ScoreEntryWindow window(desk.context());
        QLineEdit* fairways = Box(window, 37);
        QTest::keyClicks(fairways, "14");
        QVERIFY(desk.fake.messages.shown.empty());
        QCOMPARE(window.round().RoundFairways, 14.0f);

        fairways->clear();
        QTest::keyClicks(fairways, "15");
        auto& m = desk.fake.messages;
        QCOMPARE(m.shown.size(), size_t(1));
        QCOMPARE(m.shown[0].title, QString("Incorrect Fairway calculation"));
        QCOMPARE(m.shown[0].icon, platform::MessageIcon::Exclamation);
        QVERIFY(m.shown[0].afterBeep);
        QVERIFY(m.shown[0].text.startsWith("Par 3's are not counted in this statistic.\r\n"));
        QVERIFY(m.shown[0].text.endsWith(
            "The maximum number of Fairways available on this course is  14"));
        QCOMPARE(fairways->text(), QString());
        QCOMPARE(window.round().RoundFairways, 0.0f);
    }

    void theDateBoxTakesOnlyRealDates() {
        Desk desk;
        desk.state.entry.EntryDate = core::DayNumberFromDate(1996, 3, 1);
        ui::ScoreEntryWindow window(desk.context());
        QLineEdit* date = Box(window, 39);
        auto& m = desk.fake.messages;

        // A wrong date in one change: refused, and the round keeps its date.
        date->setText("13/01/1996");
        QCOMPARE(m.shown.size(), size_t(1));
        QCOMPARE(m.shown[0].text,
                 QString("13/01/1996 is not a valid Date. Should be in the form  mm/dd/yyyy"));
        QCOMPARE(m.shown[0].title, QString("Invalid Date"));
        QCOMPARE(m.shown[0].icon, platform::MessageIcon::None);
        QVERIFY(m.shown[0].afterBeep);
        QCOMPARE(desk.state.entry.EntryDate, core::DayNumberFromDate(1996, 3, 1));

        // Typed key by key, only the complete text is checked.
        date->selectAll();
        QTest::keyClicks(date, "02/29/1996");
        QCOMPARE(m.shown.size(), size_t(1));
        QCOMPARE(desk.state.entry.EntryDate, core::DayNumberFromDate(1996, 2, 29));

        date->selectAll();
        QTest::keyClicks(date, "13/01/1996");
        QCOMPARE(m.shown.size(), size_t(2));

        // Eight characters stand for today, silently, and the box keeps them.
        date->selectAll();
        QTest::keyClicks(date, "1/5/1996");
        QCOMPARE(m.shown.size(), size_t(2));
        QCOMPARE(date->text(), QString("1/5/1996"));
        QCOMPARE(desk.state.entry.EntryDate, core::DayNumberFromDate(1996, 3, 5));

        date->setText("02/31/1996");
        QCOMPARE(desk.state.entry.EntryDate, core::DayNumberFromDate(1996, 3, 2));
    }

    void aWrongDateTakesTheFocusBack() {
        Desk desk;
        ui::ScoreEntryWindow window(desk.context());
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        ScoreBox(window, 1)->setFocus();
        Box(window, 39)->setText("12/32/1996");
        QCOMPARE(QApplication::focusWidget(), Box(window, 39));
    }

    void plusAndMinusStepFromTheRoundsDate() {
        Desk desk;
        desk.state.entry.EntryDate = core::DayNumberFromDate(1996, 3, 1);
        ui::ScoreEntryWindow window(desk.context());
        Command(window, 6)->click();
        QCOMPARE(Box(window, 39)->text(), QString("02/29/1996"));
        QCOMPARE(desk.state.entry.EntryDate, core::DayNumberFromDate(1996, 2, 29));
        Command(window, 4)->click();
        Command(window, 4)->click();
        QCOMPARE(Box(window, 39)->text(), QString("03/02/1996"));

        // From the date, not from the text: an eight-character text is today.
        desk.state.entry.EntryDate = core::DayNumberFromDate(1996, 12, 31);
        Command(window, 4)->click();
        QCOMPARE(Box(window, 39)->text(), QString("01/01/1997"));
        QVERIFY(desk.fake.messages.shown.empty());
    }

    void theSandButtonExplainsTheEntries() {
        Desk desk;
        ui::ScoreEntryWindow window(desk.context());
        window.findChild<platform::ThreeDButton*>("SSCommand1")->click();
        auto& m = desk.fake.messages;
        QCOMPARE(m.shown.size(), size_t(1));
        QCOMPARE(m.shown[0].title, QString("How to enter Sand Shot totals"));
        QCOMPARE(m.shown[0].icon, platform::MessageIcon::Information);
        QCOMPARE(m.shown[0].text,
                 QString("Total # of Sand Shots refers to the number\r\n"
                         "of Sand Shots made from bunkers this round.\r\n\r\n"
                         "A Sand Save is a Par made after taking a shot\r\n"
                         "from a greenside bunker.\r\n\r\n"
                         "Attempts refers to the number of attempts to score a Sand\r\n"
                         "Save. This can not be less than the number of Sand Saves."));
    }

    void saveWritesTheRoundAndFillsThePanels() {
        Desk desk;
        ui::ScoreEntryWindow window(desk.context());
        TypeRound(window, KnownScores, KnownPutts);
        QTest::keyClicks(Box(window, 37), "9");
        QTest::keyClicks(Box(window, 40), "2");
        QTest::keyClicks(Box(window, 42), "3");
        QTest::keyClicks(Box(window, 38), "1");
        QTest::keyClicks(Box(window, 41), "2");
        Command(window, 1)->click();

        // Hole 15 was a chip-in: asked once, and OK goes on.
        auto& m = desk.fake.messages;
        QCOMPARE(m.events,
                 (QStringList{"beep", "box:Possible CHIP-IN, HOLE-IN-ONE or Putting Score Error"}));
        QCOMPARE(m.shown[0].buttons, platform::MessageButtons::OkCancel);
        QCOMPARE(m.shown[0].icon, platform::MessageIcon::Question);
        QCOMPARE(m.shown[0].text,
                 QString("Unable to save this score.\r\n\r\n"
                         "You are possibly missing a Putting Score on Hole # 15  You must fill "
                         "in the data for ALL holes before continuing.\r\n\r\n"
                         "If you had a CHIP-IN (0 putts) or a HOLE-IN-ONE on this hole click OK "
                         "to continue else correct the error first by selecting CANCEL."));

        QStringList standard, usga, statistics;
        for (int n = 35; n <= 38; ++n)
            standard << LabelText(window, n);
        for (int n = 39; n <= 42; ++n)
            usga << LabelText(window, n);
        for (int n = 5; n <= 19; ++n)
            statistics << LabelText(window, n);
        QCOMPARE(standard, (QStringList{" 81", " 83", " 83", " 83"}));
        QCOMPARE(usga, (QStringList{" 82", " 83", " 83", " 83"}));
        QCOMPARE(statistics, (QStringList{" 4", " 11", " 2", "3.00", "4.70", "6.00", " 0", " 0",
                                          " 1", " 7", " 8", " 2", " 5", " 1", "1.80"}));
        QVERIFY(!Command(window, 1)->isEnabled());
        QVERIFY(Command(window, 3)->isEnabled());
        QVERIFY(Command(window, 5)->isEnabled());
        QVERIFY(Command(window, 7)->isEnabled());

        core::CourseState read;
        QVERIFY(core::LoadCourseFile(desk.path.toStdString(), read));
        QVERIFY(read == desk.state.course);
        QCOMPARE(read.GamesRecorded, 1.0f);
        QCOMPARE(read.RoundStrokesTotal, 83);
        QCOMPARE(read.RecentRoundScore[1], 83);
        QCOMPARE(read.RecentFairways[1], 9);
        QCOMPARE(read.PenaltyTotal, 2);
        QCOMPARE(read.BunkerShotTotal, 3.0);
        QCOMPARE(read.SandSaveAttempts, 2);
        QCOMPARE(read.LastDate, core::DayNumberFromDate(1996, 3, 5));
    }

    void saveRefusesAMissingScore() {
        Desk desk;
        const core::CourseState before = desk.state.course;
        ui::ScoreEntryWindow window(desk.context());
        TypeRound(window, KnownScores, KnownPutts);
        ScoreBox(window, 18)->clear();
        Command(window, 1)->click();
        auto& m = desk.fake.messages;
        QCOMPARE(m.events, (QStringList{"beep", "box:Hole Score Error!"}));
        QCOMPARE(m.shown[0].icon, platform::MessageIcon::Critical);
        QCOMPARE(m.shown[0].text,
                 QString("Unable to save this score.\r\n\r\nMissing Hole Score(s). You must fill "
                         "in the data for ALL holes before continuing."));
        QVERIFY(desk.state.course == before);
        core::CourseState read;
        QVERIFY(core::LoadCourseFile(desk.path.toStdString(), read));
        QCOMPARE(read.GamesRecorded, 0.0f);
        QVERIFY(Command(window, 1)->isEnabled());
        QVERIFY(!Command(window, 3)->isEnabled());
    }

    void cancelAtAHoleWithoutPuttsChangesNothing() {
        Desk desk;
        const core::CourseState before = desk.state.course;
        ui::ScoreEntryWindow window(desk.context());
        Holes putts = TwoPutts;
        putts[4] = 0;
        TypeRound(window, Pars, putts);
        desk.fake.messages.answer(platform::MessageAnswer::Cancel);
        Command(window, 1)->click();
        auto& m = desk.fake.messages;
        QCOMPARE(m.shown.size(), size_t(1));
        QVERIFY(m.shown[0].text.contains("Putting Score on Hole # 5  You must"));
        QVERIFY(desk.state.course == before);
        QVERIFY(Command(window, 1)->isEnabled());
        QVERIFY(LabelText(window, 35).isEmpty());

        Command(window, 1)->click(); // OK this time
        QCOMPARE(m.shown.size(), size_t(2));
        QCOMPARE(desk.state.course.GamesRecorded, 1.0f);
        QCOMPARE(desk.state.course.ChipInTotal, 1.0f);
    }

    void aHoleInOneAndABestScoreAreCelebrated() {
        Desk desk;
        desk.fake.sound.devices = 1;
        ui::ScoreEntryWindow window(desk.context());
        auto& m = desk.fake.messages;

        Holes ace = WithTotal(88);
        ace[2] = 1; // hole 3, a par 3 played in 4 so far: 85 in all
        Holes putts = TwoPutts;
        putts[2] = 0;
        TypeRound(window, ace, putts);
        Command(window, 1)->click();
        QCOMPARE(desk.state.course.BestRound, 85);
        QCOMPARE(Count(m, "HOLE IN ONE!!!"), 1);
        QCOMPARE(Count(m, "Best Score"), 0); // the first round only sets the best
        QCOMPARE(desk.fake.sound.played.size(), size_t(1));
        QVERIFY(desk.fake.sound.played[0].fileName.endsWith("crowd.wav"));
        QCOMPARE(m.shown.back().text,
                 QString("Congratulations on your HOLE IN ONE!!!  A nice cold beer would go "
                         "good just about now!"));
        QCOMPARE(m.shown.back().icon, platform::MessageIcon::Information);

        Command(window, 3)->click();
        TypeRound(window, WithTotal(84), TwoPutts);
        Command(window, 1)->click();
        QCOMPARE(Count(m, "Best Score"), 1);
        QCOMPARE(desk.fake.sound.played.size(), size_t(2));
        QCOMPARE(m.shown.back().text,
                 QString("Congratulations you have just beaten your best recorded score.\r\n\r\n"
                         "To remember your game you may wish to print out a detailed score "
                         "summary of this round.\r\n\r\nClick PRINT to begin."));

        Command(window, 3)->click();
        TypeRound(window, WithTotal(84), TwoPutts);
        Command(window, 1)->click();
        QCOMPARE(Count(m, "Best Score"), 1);
        QCOMPARE(Count(m, "HOLE IN ONE!!!"), 1);
        QCOMPARE(desk.fake.sound.played.size(), size_t(2));
    }

    void noSoundDeviceStillCongratulates() {
        Desk desk;
        ui::ScoreEntryWindow window(desk.context());
        Holes ace = Pars;
        ace[6] = 1;
        ace[10] = 1;
        Holes putts = TwoPutts;
        putts[6] = 0;
        putts[10] = 0;
        TypeRound(window, ace, putts);
        Command(window, 1)->click();
        QCOMPARE(Count(desk.fake.messages, "HOLE IN ONE!!!"), 2); // one for each hole
        QVERIFY(desk.fake.sound.played.empty());
    }

    void aRoundTheFileRefusesIsNeitherLostNorCountedTwice() {
        Desk desk;
        const core::CourseState before = desk.state.course;
        ui::ScoreEntryWindow window(desk.context());
        TypeRound(window, KnownScores, TwoPutts);

        const QString folder = desk.dir.path();
        QString away;
        if (!MakeReadOnly(folder)) {
            // Nothing stops this user writing; a folder that has gone refuses the file too.
            away = folder + ".away";
            QVERIFY(QDir().rename(folder, away));
        }
        Command(window, 1)->click();
        if (away.isEmpty())
            MakeWritable(folder);
        else
            QVERIFY(QDir().rename(away, folder));

        auto& m = desk.fake.messages;
        QCOMPARE(m.events, (QStringList{"beep", "box:Course File Error"}));
        QCOMPARE(m.shown[0].icon, platform::MessageIcon::Critical);
        QVERIFY(m.shown[0].text.startsWith("This round has not been saved."));
        // The round journal beside the course file is written first.
        QVERIFY2(m.shown[0].text.contains(desk.path + ".rounds could not be written: "),
                 qPrintable(m.shown[0].text));
        QVERIFY(desk.state.course == before);
        QVERIFY(Command(window, 1)->isEnabled());
        QVERIFY(!Command(window, 3)->isEnabled());
        QVERIFY(!Command(window, 5)->isEnabled());
        QVERIFY(LabelText(window, 35).isEmpty());
        QCOMPARE(LabelText(window, 51), QString(" 83")); // the round is still on the card

        Command(window, 1)->click();
        QCOMPARE(m.shown.size(), size_t(1));
        QCOMPARE(desk.state.course.GamesRecorded, 1.0f);
        core::CourseState read;
        QVERIFY(core::LoadCourseFile(desk.path.toStdString(), read));
        QVERIFY(read == desk.state.course);
        QCOMPARE(read.GamesRecorded, 1.0f);
        QCOMPARE(read.RoundStrokesTotal, 83);
    }

    // Another copy of the program records a round into the same file after this one
    // read it: the user keeps that file, or overwrites it knowingly.
    void aCourseFileChangedElsewhereIsKeptOrReplacedAsTheUserSays() {
        using platform::MessageAnswer;
        for (MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Yes}) {
            Desk desk;
            QVERIFY(core::LoadCourseFile(desk.path.toStdString(), desk.state.course,
                                         &desk.state.courseFileStamp));
            const core::CourseState before = desk.state.course;
            core::CourseState elsewhere = before;
            elsewhere.GamesRecorded = 7;
            elsewhere.RoundStrokesTotal = 600;
            QVERIFY(core::WriteCourseFile(elsewhere));
            const QByteArray onDisk = testing_support::ReadAll(desk.path);

            ui::ScoreEntryWindow window(desk.context());
            TypeRound(window, KnownScores, TwoPutts);
            auto& m = desk.fake.messages;
            m.answer(answer);
            Command(window, 1)->click();

            QCOMPARE(m.events.mid(0, 2), (QStringList{"beep", "box:File Changed"}));
            QCOMPARE(m.shown[0].buttons, platform::MessageButtons::YesNo);
            QCOMPARE(m.shown[0].icon, platform::MessageIcon::Exclamation);
            QVERIFY(m.shown[0].text.startsWith(
                desk.path + " has been changed by another program since Tarnwick read it."));
            core::CourseState read;
            QVERIFY(core::LoadCourseFile(desk.path.toStdString(), read));
            if (answer == MessageAnswer::No) {
                QCOMPARE(m.shown.size(), size_t(1));
                QCOMPARE(testing_support::ReadAll(desk.path), onDisk);
                QVERIFY(desk.state.course == before);
                QVERIFY(Command(window, 1)->isEnabled());
                QVERIFY(LabelText(window, 35).isEmpty());
            } else {
                QVERIFY(read == desk.state.course);
                QCOMPARE(read.GamesRecorded, 1.0f);
                QVERIFY(!Command(window, 1)->isEnabled());
                // What was written is now what the file holds: the next round asks nothing.
                Command(window, 3)->click();
                TypeRound(window, KnownScores, TwoPutts);
                Command(window, 1)->click();
                QCOMPARE(m.events.count("box:File Changed"), 1);
                QVERIFY(core::LoadCourseFile(desk.path.toStdString(), read));
                QCOMPARE(read.GamesRecorded, 2.0f);
            }
        }
    }

    void nextScoreStartsAFreshRound() {
        Desk desk;
        ui::ScoreEntryWindow window(desk.context());
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        TypeRound(window, KnownScores, KnownPutts);
        QTest::keyClicks(Box(window, 37), "9");
        Command(window, 1)->click();
        QCOMPARE(LabelText(window, 18), QString(" 1"));
        Command(window, 6)->click();
        Command(window, 3)->click();

        for (int n = 1; n <= 42; ++n)
            if (n != 39)
                QVERIFY2(Box(window, n)->text().isEmpty(), qPrintable(QString::number(n)));
        for (int n : {1, 2, 3, 4, 51, 52, 5, 18, 19, 35, 42})
            QVERIFY2(LabelText(window, n).isEmpty(), qPrintable(QString::number(n)));
        QCOMPARE(Box(window, 39)->text(), QString("03/04/1996"));
        QVERIFY(window.round() == core::TypedRound{});
        QVERIFY(Command(window, 1)->isEnabled());
        QVERIFY(!Command(window, 3)->isEnabled());
        QVERIFY(!Command(window, 5)->isEnabled());
        QVERIFY(Command(window, 7)->isEnabled()); // keeps its state
        QCOMPARE(QApplication::focusWidget(), ScoreBox(window, 1));

        // The chip-in count starts again from zero.
        Holes putts = TwoPutts;
        putts[0] = 0;
        TypeRound(window, Pars, putts);
        Command(window, 1)->click();
        QCOMPARE(LabelText(window, 18), QString(" 1"));
        QCOMPARE(desk.state.course.ChipInTotal, 2.0f);
        QCOMPARE(desk.state.course.RecentCount, 2.0);
        QCOMPARE(desk.state.course.RecentFairways[2], 0);
    }

    void printAsksForTheOptionalInformation() {
        Desk desk;
        ui::ScoreEntryWindow window(desk.context());
        TypeRound(window, KnownScores, KnownPutts);
        Command(window, 1)->click();

        QString seen;
        QTimer::singleShot(0, [&] {
            auto* form = QApplication::activeModalWidget();
            seen = form->objectName() + "|" + form->windowTitle();
            QTest::keyClicks(form->findChild<QLineEdit*>("Text3"), "Lee");
            QTest::keyClicks(form->findChild<QLineEdit*>("Text4"), "Windy");
            form->findChild<platform::ThreeDButton*>("SSCommand1")->click();
        });
        Command(window, 5)->click();
        QCOMPARE(seen, QString("Form10|Optional Scorecard Information"));
        QCOMPARE(desk.fake.printer.documents.size(), size_t(1));
        std::string text = desk.fake.printer.documents[0].plainText();
        QVERIFY(text.find("         Scorecard for Pat Golfer\n") != std::string::npos);
        QVERIFY(text.find("         Score:  4   5   3   6   4   6   2   5   5   40\n") !=
                std::string::npos);
        QVERIFY(text.ends_with("Penalty Strokes:                0\n\n"
                               "         Playing Partners:\n"
                               "             Lee\n\n"
                               "         Weather:  Windy\n"));
        const core::ScorecardInfo& info = desk.state.scorecard;
        QCOMPARE(info.PartnersGiven + info.WeatherGiven + info.TournamentGiven, 0);
        QCOMPARE(info.PlayingPartner3, std::string("Lee"));

        // Closed with its close box: no partners or weather, though their texts are kept.
        QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
        Command(window, 5)->click();
        QCOMPARE(desk.fake.printer.documents.size(), size_t(2));
        QVERIFY(desk.fake.printer.documents[1].plainText().ends_with(
            "Penalty Strokes:                0\n"));
        QCOMPARE(info.WeatherConditions, std::string("Windy"));
    }

    void theTournamentFlagOutlivesAClosedForm() {
        Desk desk;
        desk.state.scorecard.TournamentGiven = 1; // left over, as only printing clears it
        desk.state.scorecard.TournamentName = "Club Medal";
        desk.state.scorecard.PartnersGiven = 1;
        ui::ScoreEntryWindow window(desk.context());
        TypeRound(window, KnownScores, KnownPutts);
        Command(window, 1)->click();
        QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
        Command(window, 5)->click();
        std::string text = desk.fake.printer.documents.at(0).plainText();
        QVERIFY(text.ends_with("Tournament Name:  Club Medal\n         Result:           \n"));
        QVERIFY(text.find("Playing Partners") == std::string::npos);
        QCOMPARE(desk.state.scorecard.TournamentGiven, 0);
    }

    void updateHandicapAsksForTheFileOncePerStay() {
        Desk desk;
        const QString player = HandicapFile(desk.dir.path(), 6, 0.3f);
        ui::ScoreEntryWindow window(desk.context());
        TypeRound(window, KnownScores, KnownPutts);
        Command(window, 1)->click();

        desk.fake.fileDialogs.answer(player);
        // Course handicap 0 on this course: the par + 1 total.
        QCOMPARE(HandOver(window, desk.state), 81.0);
        QCOMPARE(desk.fake.fileDialogs.asked.size(), size_t(1));
        const platform::FileDialogRequest& request = desk.fake.fileDialogs.asked[0].request;
        QCOMPARE(request.title, QString("Open an existing HANDICAP File"));
        QCOMPARE(request.filter, QString("Handicap files (*.hcp)|*.hcp|"));
        QCOMPARE(request.flags, 6148);
        QVERIFY(!desk.fake.fileDialogs.asked[0].save);
        QCOMPARE(QString::fromStdString(desk.state.handicap.HandicapFileName), player);
        QCOMPARE(desk.state.handicap.RoundCount, 6);
        QVERIFY(desk.state.entry.ScoreHandicapLoaded);
        QVERIFY(!Command(window, 7)->isEnabled());

        Command(window, 3)->click();
        TypeRound(window, KnownScores, KnownPutts);
        Command(window, 1)->click();
        QVERIFY(Command(window, 7)->isEnabled());
        QCOMPARE(HandOver(window, desk.state), 81.0);
        QCOMPARE(desk.fake.fileDialogs.asked.size(), size_t(1)); // not asked again

        Command(window, 2)->click();
        QVERIFY(!desk.state.entry.ScoreHandicapLoaded);
        QCOMPARE(window.result(), int(QDialog::Accepted));
    }

    void aPlayerWithoutAnIndexHandsOverThePar4Total() {
        Desk desk;
        const QString player = HandicapFile(desk.dir.path(), 4, 0.0f);
        ui::ScoreEntryWindow window(desk.context());
        TypeRound(window, KnownScores, KnownPutts);
        Command(window, 1)->click();
        desk.fake.fileDialogs.answer(player);
        QCOMPARE(HandOver(window, desk.state), 83.0);
    }

    void cancellingTheHandicapFileDisablesUpdateHandicap() {
        Desk desk;
        ui::ScoreEntryWindow window(desk.context());
        TypeRound(window, KnownScores, KnownPutts);
        Command(window, 1)->click();
        desk.fake.fileDialogs.answer(std::nullopt);
        Command(window, 7)->click();
        QVERIFY(!Command(window, 7)->isEnabled());
        QCOMPARE(desk.state.entry.PendingAdjustedScore, 0.0);
        QVERIFY(!desk.state.entry.ScoreHandicapLoaded);
        QVERIFY(desk.fake.messages.shown.size() == 1); // only the chip-in question
    }

    void aBadHandicapFileKeepsTheHandicapAsItWas() {
        Desk desk;
        desk.state.handicap.HandicapPlayerName = "Kept";
        desk.state.handicap.RoundCount = 3;
        const core::HandicapState before = desk.state.handicap;
        QString bad = desk.dir.filePath("broken.hcp");
        QFile file(bad);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("\"Someone\"\r\n113\r\n");
        file.close();

        ui::ScoreEntryWindow window(desk.context());
        TypeRound(window, KnownScores, KnownPutts);
        Command(window, 1)->click();
        desk.fake.fileDialogs.answer(bad);
        Command(window, 7)->click();
        auto& m = desk.fake.messages;
        QCOMPARE(m.events.mid(2), (QStringList{"beep", "box:Handicap File Error"}));
        QVERIFY(m.shown.back().text.contains(bad));
        QVERIFY(m.shown.back().text.endsWith("The handicap has not been changed."));
        QVERIFY(desk.state.handicap == before);
        QVERIFY(!desk.state.entry.ScoreHandicapLoaded);
        QCOMPARE(desk.state.entry.PendingAdjustedScore, 0.0);
        QVERIFY(Command(window, 7)->isEnabled()); // another file may be chosen
    }

    void theMainWindowOpensItModally() {
        Desk desk;
        QString seen;
        QTimer::singleShot(0, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            seen = modal->objectName();
            Command(*modal, 2)->click();
        });
        desk.main->openScoreEntryWindow();
        QCOMPARE(seen, QString("Score2"));
    }
};

QTEST_MAIN(ScoreEntryWindowTest)
#include "score_entry_window_test.moc"
