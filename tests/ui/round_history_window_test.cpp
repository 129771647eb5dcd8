#include "core/course_file.h"
#include "core/day_number.h"
#include "core/round_csv.h"
#include "core/round_history.h"
#include "core/round_journal.h"
#include "support/fake_platform.h"
#include "support/test_files.h"
#include "ui/app/main_window.h"
#include "ui/entry/score_entry_window.h"
#include "ui/files/course_edit_window.h"
#include "ui/stats/round_history_window.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using platform::MessageAnswer;
using testing_support::FakePlatform;
using testing_support::ReadAll;

namespace {

const core::NoPuttsQuestion ChipIn = [](int) { return true; };

// Par with two putts everywhere, `extra` strokes on `hole`.
core::TypedRound Round(const core::CourseState& course, int day, int hole = 0, int extra = 0) {
    core::TypedRound r;
    for (int h = 1; h <= core::HoleCount; ++h) {
        r.HoleScore[h] = course.HolePar[h] + (h == hole ? extra : 0);
        r.HolePutts[h] = 2;
    }
    r.RoundFairways = 6;
    r.EntryDate = core::DayNumberFromDate(1996, 7, day);
    return r;
}

core::CourseState Fold(core::CourseState course, const std::vector<core::TypedRound>& rounds) {
    for (const core::TypedRound& round : rounds)
        core::SaveRound(course, round, ChipIn);
    return course;
}

// A course with four earlier rounds and three journaled ones, open in the main window.
struct Setup {
    FakePlatform fake;
    core::AppState state;
    ui::MainWindow main{state, fake.platform};
    QTemporaryDir folder;
    std::string file;
    core::CourseState base;
    std::vector<core::TypedRound> rounds;

    Setup() {
        file = folder.filePath("links.crs").toStdString();
        QFile::copy(QString(TARNWICK_FIXTURES) + "/stats/four_rounds.crs",
                    QString::fromStdString(file));
        QFile::setPermissions(QString::fromStdString(file), QFile::ReadOwner | QFile::WriteOwner);
        core::LoadCourseFile(file, state.course);
        base = state.course;
        rounds = {Round(base, 1, 1, 1), Round(base, 8, 5, 2), Round(base, 15, 9, 3)};
        for (const core::TypedRound& round : rounds) {
            core::CourseState before = state.course;
            core::SaveRound(state.course, round, ChipIn);
            core::SaveCourseWithRound(before, state.course, round);
        }
    }
    std::string fileText() const { return ReadAll(QString::fromStdString(file)).toStdString(); }
    std::string expectedText() const {
        return core::CourseFileText(Fold(base, rounds), core::CourseFileKind::Rewrite);
    }
};

template <typename T> T* Child(const QWidget& window, const char* name) {
    T* found = window.findChild<T*>(name);
    if (!found)
        qFatal("no %s", name);
    return found;
}

} // namespace

class RoundHistoryWindowTest : public QObject {
    Q_OBJECT

private slots:
    void listsTheJournaledRoundsNewestFirst() {
        Setup f;
        QVERIFY(f.main.findChild<QAction*>("RoundHistoryCmd"));
        ui::RoundHistoryWindow window(f.main.context(), &f.main);
        QTableWidget* list = window.list();
        QCOMPARE(list->rowCount(), 3);
        QCOMPARE(list->item(0, 0)->text(), "07/15/1996");
        QCOMPARE(list->item(2, 0)->text(), "07/01/1996");
        QCOMPARE(list->item(0, 3)->text(), QString::number(f.rounds[2].TotalScore()));
        QCOMPARE(Child<QLabel>(window, "EarlierRounds")->text(),
                 "4 rounds saved before this history began are in the totals but cannot be "
                 "listed.");
        QVERIFY(Child<QLabel>(window, "ReadOnlyReason")->isHidden());
        QVERIFY(!Child<QPushButton>(window, "CorrectButton")->isEnabled());
        list->selectRow(1);
        QVERIFY(Child<QPushButton>(window, "CorrectButton")->isEnabled());
        QVERIFY(Child<QPushButton>(window, "RemoveButton")->isEnabled());

        Child<QPushButton>(window, "ScorecardButton")->click();
        QCOMPARE(f.fake.printer.documents.size(), size_t(1));
        const std::string card = f.fake.printer.documents[0].plainText();
        QVERIFY(card.find("July 08, 1996") != std::string::npos);
        QVERIFY(card.find("Playing Partners") == std::string::npos);
    }

    void removingARoundFoldsTheOthersAgain() {
        Setup f;
        ui::RoundHistoryWindow window(f.main.context(), &f.main);
        QSignalSpy changed(&window, &ui::RoundHistoryWindow::courseChanged);
        window.list()->selectRow(1); // the round of July 8

        f.fake.messages.answer(MessageAnswer::No);
        Child<QPushButton>(window, "RemoveButton")->click();
        QCOMPARE(window.list()->rowCount(), 3);
        QCOMPARE(f.fileText(), f.expectedText());

        window.list()->selectRow(1);
        f.fake.messages.answer(MessageAnswer::Yes);
        Child<QPushButton>(window, "RemoveButton")->click();
        QCOMPARE(f.fake.messages.shown.back().title, "Remove Round");
        f.rounds.erase(f.rounds.begin() + 1);
        QCOMPARE(window.list()->rowCount(), 2);
        QCOMPARE(f.fileText(), f.expectedText());
        QVERIFY(f.state.course == Fold(f.base, f.rounds));
        QCOMPARE(changed.count(), 1);
    }

    void correctingARoundReplacesItInItsPlace() {
        Setup f;
        f.state.entry.EntryDate = core::DayNumberFromDate(1996, 9, 1);
        ui::ScoreEntryWindow entry(f.main.context(), &f.main);
        entry.startCorrection(0, f.rounds[0]);
        QVERIFY(f.fake.messages.shown.empty()); // no score queries while it fills in
        QCOMPARE(Child<QLineEdit>(entry, "Text39")->text(), "07/01/1996");
        // A hole in one on hole 2 and a new best score: no congratulations for a correction.
        auto* hole2 = Child<QLineEdit>(entry, "Text2");
        hole2->selectAll();
        QTest::keyClicks(hole2, "1");
        auto* putts2 = Child<QLineEdit>(entry, "Text11");
        putts2->selectAll();
        QTest::keyClicks(putts2, "0");
        Child<QPushButton>(entry, "Command1")->click();

        QCOMPARE(f.fake.messages.shown.size(), size_t(1));
        QCOMPARE(f.fake.messages.shown[0].title,
                 "Possible CHIP-IN, HOLE-IN-ONE or Putting Score Error");
        QVERIFY(f.fake.sound.played.empty());
        f.rounds[0].HoleScore[2] = 1;
        f.rounds[0].HolePutts[2] = 0;
        QCOMPARE(f.fileText(), f.expectedText());
        QCOMPARE(core::LoadRoundHistory(f.file).journal.rounds, f.rounds);
        QVERIFY(entry.correctionSaved());
        QVERIFY(Child<QPushButton>(entry, "Command5")->isEnabled());  // Print
        QVERIFY(!Child<QPushButton>(entry, "Command3")->isEnabled()); // Next Score
        QVERIFY(!Child<QPushButton>(entry, "Command7")->isEnabled()); // Update Handicap
    }

    void correctFromTheHistoryKeepsTheEntryDate() {
        Setup f;
        f.state.entry.EntryDate = core::DayNumberFromDate(1996, 9, 1);
        ui::RoundHistoryWindow window(f.main.context(), &f.main);
        window.list()->selectRow(0); // the round of July 15
        QTimer::singleShot(0, [&] {
            auto* entry = qobject_cast<ui::ScoreEntryWindow*>(QApplication::activeModalWidget());
            QVERIFY(entry);
            auto* hole18 = Child<QLineEdit>(*entry, "Text27");
            hole18->selectAll();
            QTest::keyClicks(hole18, "9");
            Child<QPushButton>(*entry, "Command1")->click();
            entry->done();
        });
        Child<QPushButton>(window, "CorrectButton")->click();
        f.rounds[2].HoleScore[18] = 9;
        QCOMPARE(f.fileText(), f.expectedText());
        QCOMPARE(f.state.entry.EntryDate, core::DayNumberFromDate(1996, 9, 1));
        QCOMPARE(window.list()->item(0, 3)->text(), QString::number(f.rounds[2].TotalScore()));
    }

    void aFileChangedElsewhereIsShownReadOnly() {
        Setup f;
        std::string text = f.fileText();
        text.replace(text.find("\"White\""), 7, "\"Blue\"");
        QFile out(QString::fromStdString(f.file));
        QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(text.data(), static_cast<qint64>(text.size()));
        out.close();
        const QByteArray journal =
            ReadAll(QString::fromStdString(core::RoundJournalPathFor(f.file)));

        ui::RoundHistoryWindow window(f.main.context(), &f.main);
        QCOMPARE(window.list()->rowCount(), 3);
        auto* reason = Child<QLabel>(window, "ReadOnlyReason");
        QVERIFY(!reason->isHidden());
        QVERIFY(reason->text().startsWith("The course file has been changed outside this history"));
        window.list()->selectRow(0);
        QVERIFY(!Child<QPushButton>(window, "CorrectButton")->isEnabled());
        QVERIFY(!Child<QPushButton>(window, "RemoveButton")->isEnabled());
        QVERIFY(Child<QPushButton>(window, "ScorecardButton")->isEnabled());
        QVERIFY(Child<QPushButton>(window, "ExportButton")->isEnabled());
        Child<QPushButton>(window, "RemoveButton")->click(); // disabled: nothing happens
        QCOMPARE(f.fileText(), text);
        QCOMPARE(ReadAll(QString::fromStdString(core::RoundJournalPathFor(f.file))), journal);
    }

    void exportWritesTheRoundsAsCsv() {
        Setup f;
        ui::RoundHistoryWindow window(f.main.context(), &f.main);
        const QString csv = f.folder.filePath("rounds.csv");
        f.fake.fileDialogs.answer(csv);
        Child<QPushButton>(window, "ExportButton")->click();
        QCOMPARE(ReadAll(csv).toStdString(), core::RoundsCsv(f.rounds));
        QCOMPARE(f.fake.fileDialogs.asked[0].request.title, "Export Rounds");
    }

    void aCorrectedParIsFoldedIntoTheRoundsWhenAsked() {
        for (MessageAnswer answer : {MessageAnswer::Yes, MessageAnswer::No}) {
            Setup f;
            ui::CourseEditWindow window(f.main.context(), &f.main);
            const int par = f.state.course.HolePar[1];
            auto* box = Child<QLineEdit>(window, "Text1");
            box->selectAll();
            QTest::keyClicks(box, QString::number(par + 1));
            f.fake.messages.answer(answer);
            Child<QPushButton>(window, "Command1")->click();
            QCOMPARE(f.fake.messages.shown.size(), size_t(1));
            QCOMPARE(f.fake.messages.shown[0].title, "Rebuild Statistics");

            core::CourseState corrected = f.base;
            corrected.HolePar[1] = par + 1;
            core::ComputeLengthClasses(corrected);
            core::CourseState expected = Fold(corrected, f.rounds);
            if (answer == MessageAnswer::No) {
                // The statistics stay as they were counted; only the hole data changes.
                expected = Fold(f.base, f.rounds);
                expected.HolePar[1] = par + 1;
                core::ComputeLengthClasses(expected);
            }
            QCOMPARE(f.fileText(), core::CourseFileText(expected, core::CourseFileKind::Rewrite));
            QCOMPARE(core::LoadRoundHistory(f.file).status, core::HistoryStatus::Matches);

            // Saving again without a change asks nothing more.
            Child<QPushButton>(window, "Command1")->click();
            QCOMPARE(f.fake.messages.shown.size(), size_t(1));
        }
    }
};

QTEST_MAIN(RoundHistoryWindowTest)
#include "round_history_window_test.moc"
