#include "core/day_number.h"
#include "core/handicap_file.h"
#include "platform/picture_box.h"
#include "platform/three_d_button.h"
#include "support/fake_platform.h"
#include "ui/app/main_window.h"
#include "ui/handicap/handicap_window.h"
#include "ui/handicap/open_handicap_window.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include <map>

using testing_support::FakePlatform;

namespace {

// A player with a new handicap file in a temporary folder.
struct Setup {
    explicit Setup(int homeSlope = 125) {
        state.handicap.HandicapPlayerName = "Pat Golfer";
        state.handicap.HomeSlope = homeSlope;
        state.handicap.HandicapFileName = dir.filePath("pat.hcp").toStdString();
        QFile file(path());
        file.open(QIODevice::WriteOnly);
        file.write(core::NewHandicapFileText("Pat Golfer", homeSlope).c_str());
    }
    QString path() const { return QString::fromStdString(state.handicap.HandicapFileName); }
    QByteArray fileContent() const {
        QFile file(path());
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }

    QTemporaryDir dir;
    FakePlatform fake;
    core::AppState state;
    ui::AppContext context{state, fake.platform, nullptr};
};

QLineEdit* Box(QWidget& w, const char* name) {
    return w.findChild<QLineEdit*>(name);
}
QString Caption(QWidget& w, const char* name) {
    return w.findChild<QLabel*>(name)->text();
}
platform::ThreeDButton* Button(QWidget& w, const char* name) {
    return w.findChild<platform::ThreeDButton*>(name);
}

void Type(QWidget& w, const char* name, const QString& text) {
    QLineEdit* box = Box(w, name);
    box->clear();
    QTest::keyClicks(box, text);
}

struct Entry {
    Entry(QString d, QString s, QString r, QString sl, bool t = false, QString g = {})
        : date(d), score(s), rating(r), slope(sl), tournament(t), gross(g) {}
    QString date;
    QString score;
    QString rating;
    QString slope;
    bool tournament = false;
    QString gross;
};

// Types one round as the user does and clicks "Save Differential".
void Enter(ui::HandicapWindow& w, const Entry& e) {
    if (!Button(w, "SSCommand5")->isEnabled())
        Button(w, "SSCommand4")->click();
    Type(w, "Text1", e.date);
    w.validateEntryDate();
    Type(w, "Text2", e.score);
    Type(w, "Text3", e.rating);
    Type(w, "Text4", e.slope);
    if (e.tournament) {
        w.findChild<QRadioButton*>("Option2")->click();
        Type(w, "Text5", e.gross);
    }
    Button(w, "SSCommand5")->click();
}

QStringList Lines(const core::PrintDocument& doc) {
    QStringList lines;
    for (const core::PrintLine& line : doc.lines())
        lines << QString::fromStdString(core::PrintDocument::plainLine(line));
    return lines;
}

// A printed line with texts at 1-based columns.
QString At(const std::map<int, QString>& texts) {
    QString line;
    for (const auto& [column, text] : texts)
        line = line.leftJustified(column - 1, ' ') + text;
    return line;
}

QColor SlopeCellColour(ui::HandicapWindow& w, int row) {
    return w.cell(row, 3)->palette().color(QPalette::Window);
}

} // namespace

class HandicapWindowTest : public QObject {
    Q_OBJECT

private slots:
    void opensOnTheCurrentState() {
        Setup s;
        ui::HandicapWindow w(s.context);
        QCOMPARE(w.objectName(), QString("Form4"));
        QCOMPARE(w.windowTitle(), "Handicap Information -  " + s.path());
        QCOMPARE(Box(w, "Text1")->text(), QString("03/05/1996")); // no date yet: today
        QVERIFY(w.findChild<QRadioButton*>("Option1")->isChecked());
        QVERIFY(!w.findChild<QRadioButton*>("Option2")->isChecked());
        QVERIFY(Box(w, "Text5")->isHidden());
        QVERIFY(w.findChild<QLabel*>("Label83")->isHidden());
        QCOMPARE(Caption(w, "Label1"), QString(" 0"));
        QCOMPARE(Caption(w, "Label87"), QString("0.0"));
        QCOMPARE(Caption(w, "Label88"), QString(" 0"));
        QCOMPARE(Caption(w, "Label90"), QString("Home Course           Handicap"));
        QVERIFY(Button(w, "SSCommand5")->isEnabled());
        QVERIFY(Button(w, "SSCommand4")->isEnabled());
        // Grid cells are labels 3..82: rows 1..10 on the left, 11..20 on the right.
        QCOMPARE(w.cell(1, 0)->objectName(), QString("Label3"));
        QCOMPARE(w.cell(10, 3)->objectName(), QString("Label42"));
        QCOMPARE(w.cell(11, 0)->objectName(), QString("Label43"));
        QCOMPARE(w.cell(20, 3)->objectName(), QString("Label82"));
        QVERIFY(w.cell(11, 0)->x() > w.cell(10, 3)->x());
        for (int row = 1; row <= 20; ++row)
            for (int column = 0; column < 4; ++column)
                QVERIFY(w.cell(row, column)->text().isEmpty());
        QCOMPARE(w.findChild<QLabel*>("Label84")->palette().color(QPalette::Window),
                 QColor(255, 255, 255));

        s.state.entry.EntryDate = core::DayNumberFromDate(1997, 6, 14);
        ui::HandicapWindow again(s.context);
        QCOMPARE(Box(again, "Text1")->text(), QString("06/14/1997"));
    }

    void gridCellsHaveThreeDBorders() {
        Setup s;
        ui::HandicapWindow w(s.context);
        auto* grid = w.findChild<platform::PictureBox*>("Picture1");
        QVERIFY(grid);
        for (int row : {1, 10, 11, 20}) {
            QLabel* cell = w.cell(row, 2);
            QCOMPARE(cell->parentWidget(), grid);
            QRect r = cell->geometry();
            // Dark above the cell, light below it, kept in the picture box's image.
            QCOMPARE(grid->image().pixelColor(r.center().x(), r.top() - 1), QColor(128, 128, 128));
            QCOMPARE(grid->image().pixelColor(r.center().x(), r.bottom() + 1),
                     QColor(255, 255, 255));
        }
    }

    void rangeChecks_data() {
        QTest::addColumn<QString>("score");
        QTest::addColumn<QString>("rating");
        QTest::addColumn<QString>("slope");
        QTest::addColumn<QString>("title");   // empty: accepted
        QTest::addColumn<QString>("message"); // or the stored score
        QTest::addColumn<QString>("emptied");
        QTest::newRow("score 0") << "0"
                                 << "72"
                                 << "113"
                                 << "Invalid Score"
                                 << "Your score of  0 is outside the scope of this program. "
                                    "Please verify!"
                                 << "Text2";
        QTest::newRow("score 200") << "200"
                                   << "72"
                                   << "113"
                                   << "Invalid Score"
                                   << "Your score of  200 is outside the scope of this program. "
                                      "Please verify!"
                                   << "Text2";
        QTest::newRow("score 0.5 is 0") << "0.5"
                                        << "72"
                                        << "113"
                                        << "Invalid Score"
                                        << "Your score of  0 is outside the scope of this "
                                           "program. Please verify!"
                                        << "Text2";
        QTest::newRow("rating 50") << "85"
                                   << "50"
                                   << "113"
                                   << "Invalid Rating"
                                   << "The Rating of  50 is invalid. Please verify!"
                                   << "Text3";
        QTest::newRow("rating 100") << "85"
                                    << "100"
                                    << "113"
                                    << "Invalid Rating"
                                    << "The Rating of  100 is invalid. Please verify!"
                                    << "Text3";
        QTest::newRow("slope 79") << "85"
                                  << "72"
                                  << "79"
                                  << "Invalid slope"
                                  << "The Slope Rating of  79 is invalid. Please verify!"
                                  << "Text4";
        QTest::newRow("slope 151") << "85"
                                   << "72"
                                   << "151"
                                   << "Invalid slope"
                                   << "The Slope Rating of  151 is invalid. Please verify!"
                                   << "Text4";
        QTest::newRow("score checked before rating")
            << "250"
            << "40"
            << "200"
            << "Invalid Score"
            << "Your score of  250 is outside the scope of this program. Please verify!"
            << "Text2";
        QTest::newRow("85.7 stored as 85") << "85.7"
                                           << "72"
                                           << "113"
                                           << ""
                                           << "85"
                                           << "";
        QTest::newRow("slope 150") << "85"
                                   << "72"
                                   << "150"
                                   << ""
                                   << "85"
                                   << "";
        QTest::newRow("score 199, rating 99.9") << "199"
                                                << "99.9"
                                                << "80"
                                                << ""
                                                << "199"
                                                << "";
    }

    void rangeChecks() {
        QFETCH(QString, score);
        QFETCH(QString, rating);
        QFETCH(QString, slope);
        QFETCH(QString, title);
        QFETCH(QString, message);
        QFETCH(QString, emptied);
        Setup s;
        QByteArray before = s.fileContent();
        ui::HandicapWindow w(s.context);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        Enter(w, {"04/08/1996", score, rating, slope});
        if (title.isEmpty()) {
            QVERIFY(s.fake.messages.shown.empty());
            QCOMPARE(s.state.handicap.RoundCount, 1);
            QCOMPARE(QString::number(s.state.handicap.LastAdjustedScore[1]), message);
            QCOMPARE(s.state.handicap.PreSlopeDifferential[1],
                     message.toFloat() - rating.toFloat());
            QVERIFY(!Button(w, "SSCommand5")->isEnabled());
            QVERIFY(Button(w, "SSCommand4")->isEnabled());
            return;
        }
        QCOMPARE(s.fake.messages.events, (QStringList{"beep", "box:" + title}));
        QCOMPARE(s.fake.messages.shown[0].text, message);
        QCOMPARE(s.fake.messages.shown[0].buttons, platform::MessageButtons::Ok);
        QVERIFY(Box(w, emptied.toLatin1())->text().isEmpty());
        QCOMPARE(QApplication::focusWidget(), Box(w, emptied.toLatin1()));
        QCOMPARE(s.state.handicap.RoundCount, 0);
        QCOMPARE(s.fileContent(), before);
        // A refused save leaves both commands as they were.
        QVERIFY(Button(w, "SSCommand5")->isEnabled());
        QVERIFY(Button(w, "SSCommand4")->isEnabled());
    }

    void missingRatingsAskAndUseDefaults() {
        Setup s;
        ui::HandicapWindow w(s.context);
        s.fake.messages.answer(platform::MessageAnswer::No);
        Enter(w, {"04/08/1996", "85", "", "125"});
        QCOMPARE(s.fake.messages.events,
                 (QStringList{"beep", "box:Course or slope rating missing!"}));
        const auto& asked = s.fake.messages.shown[0];
        QCOMPARE(asked.icon, platform::MessageIcon::Question);
        QCOMPARE(asked.buttons, platform::MessageButtons::YesNo);
        QVERIFY(asked.text.startsWith("You have not specified a course and/or slope rating."));
        QVERIFY(asked.text.endsWith("\r\n\r\nDo you wish to Continue?"));
        QCOMPARE(s.state.handicap.RoundCount, 0);

        // Yes: the empty rating is 72, the typed slope is kept.
        Button(w, "SSCommand5")->click();
        QCOMPARE(s.state.handicap.RoundCount, 1);
        QCOMPARE(s.state.handicap.PreSlopeDifferential[1], 13.0f);
        QCOMPARE(s.state.handicap.SlopeDifferential[1], 11.7f); // 13 x 113 / 125 = 11.752

        // Both empty: 72 and 113.
        Enter(w, {"04/09/1996", "90", "", ""});
        QCOMPARE(s.fake.messages.shown.size(), size_t(3));
        QCOMPARE(s.state.handicap.PreSlopeDifferential[1], 18.0f);
        QCOMPARE(s.state.handicap.SlopeDifferential[1], 18.0f);

        // A rating typed, the slope missing: 70.5 and 113.
        Enter(w, {"04/10/1996", "90", "70.5", ""});
        QCOMPARE(s.state.handicap.PreSlopeDifferential[1], 19.5f);
        QCOMPARE(s.state.handicap.SlopeDifferential[1], 19.5f);
    }

    void entryBoxesKeepTheirRoundedValues() {
        Setup s;
        ui::HandicapWindow w(s.context);
        Type(w, "Text2", "85.7");
        Type(w, "Text3", "72.35");
        Type(w, "Text4", "121.04");
        QCOMPARE(s.state.entry.EntryAdjustedScore, 85.7f);
        QCOMPARE(s.state.entry.EntryCourseRating, 72.4f);
        QCOMPARE(s.state.entry.EntrySlopeRating, 121.0f);
        Box(w, "Text3")->clear();
        QCOMPARE(s.state.entry.EntryCourseRating, 0.0f);
    }

    void dateBox() {
        Setup s;
        ui::HandicapWindow w(s.context);
        Type(w, "Text1", "02/31/1997");
        w.validateEntryDate();
        QCOMPARE(s.state.entry.EntryDate, core::DayNumberFromDate(1997, 3, 3));
        QCOMPARE(Box(w, "Text1")->text(), QString("02/31/1997")); // not rewritten
        QVERIFY(s.fake.messages.shown.empty());

        Type(w, "Text1", "13/01/1997");
        w.validateEntryDate();
        QCOMPARE(s.fake.messages.events, (QStringList{"beep", "box:Invalid Date"}));
        QCOMPARE(s.fake.messages.shown[0].text,
                 QString("13/01/1997 is not a valid Date. Should be in the form  mm/dd/yyyy"));
        QCOMPARE(s.fake.messages.shown[0].buttons, platform::MessageButtons::Ok);
        QCOMPARE(s.state.entry.EntryDate, core::DayNumberFromDate(1997, 3, 3));
        QCOMPARE(Box(w, "Text1")->text(), QString("13/01/1997"));

        // Saving while the box holds a refused date stores nothing under the old date.
        Type(w, "Text2", "85");
        Type(w, "Text3", "72");
        Type(w, "Text4", "113");
        Button(w, "SSCommand5")->click();
        QCOMPARE(s.state.handicap.RoundCount, 0);

        // Six characters: today, silently.
        Type(w, "Text1", "1/1/97");
        w.validateEntryDate();
        QCOMPARE(s.state.entry.EntryDate, s.fake.clock.today());
        QCOMPARE(s.fake.messages.shown.size(), size_t(1));
    }

    void dateIsCheckedWhenTheBoxLosesTheFocus() {
        Setup s;
        ui::HandicapWindow w(s.context);
        Type(w, "Text1", "07/04/1996");
        QFocusEvent toOtherWindow(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(Box(w, "Text1"), &toOtherWindow);
        QCOMPARE(s.state.entry.EntryDate, 0.0);
        QFocusEvent toNextBox(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(Box(w, "Text1"), &toNextBox);
        QCOMPARE(s.state.entry.EntryDate, core::DayNumberFromDate(1996, 7, 4));
    }

    void plusAndMinusMoveTheEntryDate() {
        Setup s;
        ui::HandicapWindow w(s.context);
        // Nothing entered yet: from today, the date the box shows.
        w.findChild<QPushButton*>("Command4")->click();
        QCOMPARE(s.state.entry.EntryDate, s.fake.clock.today() + 1);
        QCOMPARE(Box(w, "Text1")->text(), QString("03/06/1996"));
        // From the entry date, not from the text in the box.
        s.state.entry.EntryDate = core::DayNumberFromDate(1996, 12, 31);
        Box(w, "Text1")->setText("05/05/1995");
        w.findChild<QPushButton*>("Command4")->click();
        QCOMPARE(Box(w, "Text1")->text(), QString("01/01/1997"));
        w.findChild<QPushButton*>("Command5")->click();
        w.findChild<QPushButton*>("Command5")->click();
        QCOMPARE(Box(w, "Text1")->text(), QString("12/30/1996"));
        QCOMPARE(s.state.entry.EntryDate, core::DayNumberFromDate(1996, 12, 30));
    }

    void aRoundIsNeverSavedWithoutADate() {
        Setup s;
        ui::HandicapWindow w(s.context);
        // The date box was never left: the date it shows is used.
        Type(w, "Text2", "85");
        Type(w, "Text3", "72");
        Type(w, "Text4", "113");
        Button(w, "SSCommand5")->click();
        QCOMPARE(s.state.handicap.LastScoreDate[1], s.fake.clock.today());
        QCOMPARE(s.state.entry.EntryDate, s.fake.clock.today());
    }

    void gridAfterSavesAndAfterReopening() {
        Setup s;
        auto w = std::make_unique<ui::HandicapWindow>(s.context);
        const Entry rounds[] = {
            {"04/01/1996", "90", "72", "113"}, {"04/02/1996", "85", "70.5", "125"},
            {"04/03/1996", "80", "72", "130"}, {"04/04/1996", "95", "72", "113"},
            {"04/05/1996", "88", "72", "113"}, {"04/06/1996", "70", "72.3", "113"},
        };
        for (int n = 1; n <= 6; ++n) {
            Enter(*w, rounds[n - 1]);
            QCOMPARE(s.state.handicap.RoundCount, n);
            QCOMPARE(w->cell(1, 0)->text(), rounds[n - 1].date);
            QCOMPARE(w->cell(n, 0)->text(), QString("04/01/1996"));
            QVERIFY(w->cell(n + 1, 0)->text().isEmpty());
            // The file on disk is the state after every save.
            QCOMPARE(s.fileContent(),
                     QByteArray::fromStdString(core::HandicapFileText(s.state.handicap)));
            core::HandicapState reread;
            QVERIFY(core::LoadHandicapFile(s.path().toStdString(), reread).ok);
            QCOMPARE(reread.RoundCount, n);
            QCOMPARE(reread.SlopeDifferential[1], s.state.handicap.SlopeDifferential[1]);
            if (n <= 4) {
                QCOMPARE(Caption(*w, "Label87"), QString("0.0"));
                QCOMPARE(Caption(*w, "Label1"), QString(" 0"));
                QCOMPARE(Caption(*w, "Label91"), QString(" 0"));
                QCOMPARE(Caption(*w, "Label92"), QString(" 0"));
                w = std::make_unique<ui::HandicapWindow>(s.context);
                QCOMPARE(Caption(*w, "Label91"), QString(" 0"));
                QCOMPARE(Caption(*w, "Label92"), QString(""));
                QCOMPARE(w->cell(n, 0)->text(), QString("04/01/1996"));
            }
        }
        // Six rounds: the two lowest count, -2.3 and 6.95.
        QCOMPARE(Caption(*w, "Label91"), QString(" 2"));
        QCOMPARE(Caption(*w, "Label92"), QString("7.0"));
        QCOMPARE(Caption(*w, "Label87"), QString("2.2"));
        QCOMPARE(Caption(*w, "Label1"), QString(" 3"));
        QCOMPARE(Caption(*w, "Label88"), QString(" 2"));
        const QString expected[][4] = {
            {"04/06/1996", " 70", "-2.3", "-2.3"}, {"04/05/1996", " 88", "16.0", "16.0"},
            {"04/04/1996", " 95", "23.0", "23.0"}, {"04/03/1996", " 80", "8.0", "7.0"},
            {"04/02/1996", " 85", "14.5", "13.1"}, {"04/01/1996", " 90", "18.0", "18.0"},
        };
        auto checkGrid = [&](ui::HandicapWindow& window) {
            for (int row = 1; row <= 6; ++row)
                for (int column = 0; column < 4; ++column)
                    QCOMPARE(window.cell(row, column)->text(), expected[row - 1][column]);
        };
        checkGrid(*w);
        ui::HandicapWindow reopened(s.context);
        checkGrid(reopened);
        QCOMPARE(Caption(reopened, "Label91"), QString(" 2"));
        QCOMPARE(Caption(reopened, "Label92"), QString("7.0"));
    }

    void sameDayRoundsShowTheLaterOneFirst() {
        Setup s;
        ui::HandicapWindow w(s.context);
        Enter(w, {"05/01/1996", "88", "72", "113"});
        Enter(w, {"05/01/1996", "92", "72", "113"});
        QCOMPARE(w.cell(1, 1)->text(), QString(" 92"));
        QCOMPARE(w.cell(2, 1)->text(), QString(" 88"));
        Enter(w, {"05/02/1996", "85", "72", "113"});
        QCOMPARE(w.cell(2, 1)->text(), QString(" 92"));
        QCOMPARE(w.cell(3, 1)->text(), QString(" 88"));
    }

    void tournamentRounds() {
        Setup s;
        ui::HandicapWindow w(s.context);
        Button(w, "SSCommand4")->click();
        w.findChild<QRadioButton*>("Option2")->click();
        QVERIFY(!Box(w, "Text5")->isHidden());
        QVERIFY(!w.findChild<QLabel*>("Label83")->isHidden());
        // "No" hides nothing again; only the choice counts.
        w.findChild<QRadioButton*>("Option1")->click();
        QVERIFY(!Box(w, "Text5")->isHidden());

        Enter(w, {"04/01/1996", "85", "72.3", "113", true, "85"});
        QCOMPARE(s.state.handicap.TournamentDifferential[1], 12.6f);
        QCOMPARE(SlopeCellColour(w, 1), QColor(255, 255, 255));
        Enter(w, {"04/02/1996", "85", "72.3", "113", true, ""}); // no gross: the adjusted score
        QCOMPARE(s.state.handicap.TournamentDifferential[1], 12.7f);
        Enter(w, {"04/03/1996", "85", "72.3", "113", true, "91.9"});
        QCOMPARE(s.state.handicap.TournamentDifferential[1], 18.6f); // 91 - 72.3
        Enter(w, {"04/04/1996", "85", "72.3", "113"});
        QCOMPARE(s.state.handicap.TournamentDifferential[1], 0.0f);
        QCOMPARE(SlopeCellColour(w, 1), QColor(192, 192, 192));
        for (int row = 2; row <= 4; ++row)
            QCOMPARE(SlopeCellColour(w, row), QColor(255, 255, 255));
        QVERIFY(Box(w, "Text5")->isHidden()); // "Next Differential" hid it
    }

    void nextDifferentialClearsTheEntry() {
        Setup s;
        ui::HandicapWindow w(s.context);
        Enter(w, {"04/01/1996", "85", "72", "113", true, "87"});
        QVERIFY(!Button(w, "SSCommand5")->isEnabled());
        Box(w, "Text1")->setText("garbage");
        Button(w, "SSCommand4")->click();
        QCOMPARE(Box(w, "Text1")->text(), QString("04/01/1996"));
        for (const char* name : {"Text2", "Text3", "Text4", "Text5"})
            QVERIFY2(Box(w, name)->text().isEmpty(), name);
        QVERIFY(w.findChild<QRadioButton*>("Option1")->isChecked());
        QVERIFY(Box(w, "Text5")->isHidden());
        QVERIFY(Button(w, "SSCommand5")->isEnabled());
        QVERIFY(!Button(w, "SSCommand4")->isEnabled());
    }

    void homeSlopeZero() {
        Setup s(0);
        ui::HandicapWindow w(s.context);
        QCOMPARE(Caption(w, "Label88"), QString("N/A"));
        Enter(w, {"04/01/1996", "85", "72", "113"});
        QCOMPARE(Caption(w, "Label88"), QString(""));
        Button(w, "SSCommand3")->click();
        QVERIFY(Lines(s.fake.printer.documents.at(0))
                    .contains(At({{10, "Home Course Handicap:  N/A"}})));
    }

    void plusOneHandicapFromAFile() {
        Setup s(0);
        const std::string copy = s.state.handicap.HandicapFileName;
        QVERIFY(core::LoadHandicapFile(TARNWICK_FIXTURES "/handicap/plus_one.hcp", s.state.handicap)
                    .ok);
        s.state.handicap.HandicapFileName = copy; // saves go to the temporary file
        ui::HandicapWindow w(s.context);
        QCOMPARE(Caption(w, "Label1"), QString("+1"));
        QCOMPARE(Caption(w, "Label87"), QString("-1.0"));
        QCOMPARE(Caption(w, "Label88"), QString("N/A"));
        QCOMPARE(Caption(w, "Label91"), QString(" 1"));
        QCOMPARE(Caption(w, "Label92"), QString("")); // the highest counting is not above 0
        QCOMPARE(w.cell(5, 0)->text(), QString("04/01/1996"));

        Enter(w, {"04/06/1996", "71", "72", "113"});
        QCOMPARE(Caption(w, "Label1"), QString("+1"));
        QCOMPARE(Caption(w, "Label88"), QString(""));
        QCOMPARE(Caption(w, "Label91"), QString(" 2"));
        QCOMPARE(Caption(w, "Label92"), QString("-1"));

        Button(w, "SSCommand3")->click();
        QStringList lines = Lines(s.fake.printer.documents.at(0));
        QVERIFY(lines.contains(At({{10, "Pre-Slope Handicap:  +1"}})));
        QVERIFY(lines.contains(At({{10, "Home Course Handicap:  N/A"}})));
        QVERIFY(lines.contains(At({{10, "Handicap Index:  -1.0"}})));
    }

    void printedReport() {
        Setup s;
        ui::HandicapWindow w(s.context);
        const Entry rounds[] = {
            {"04/01/1996", "90", "72", "113"},
            {"04/02/1996", "85", "70.5", "125"},
            {"04/03/1996", "80", "72", "130"},
            {"04/04/1996", "95", "72", "113"},
            {"04/05/1996", "88", "71", "120", true, "90"},
            {"04/06/1996", "70", "72.3", "113"},
        };
        for (const Entry& e : rounds)
            Enter(w, e);
        Button(w, "SSCommand3")->click();
        QCOMPARE(s.fake.printer.documents.size(), size_t(1));
        const core::PrintDocument& doc = s.fake.printer.documents[0];
        QVERIFY(doc.ended());
        auto row = [](const char* date, const char* score, const char* pre, const char* slope,
                      bool tournament) {
            std::map<int, QString> texts{{10, date}, {24, score}, {35, pre}, {44, slope}};
            if (tournament)
                texts[50] = "T";
            return At(texts);
        };
        const QStringList expected = {
            "",
            "",
            "",
            "",
            "",
            At({{10, "HANDICAP STATISTICS for Pat Golfer"}}),
            "",
            "",
            At({{10, "Handicap Index:  2.2"}}),
            At({{10, "Home Course Handicap:  2"}}),
            "",
            At({{10, "Pre-Slope Handicap:  3"}}),
            "",
            "",
            At({{22, "Adj Gross"}, {36, "Differentials"}}),
            At({{10, "Date"}, {24, "Score"}, {34, "PreSlp"}, {44, "Slope"}}),
            row("04/06/1996", "  70", "-2.3", "-2.3", false),
            row("04/05/1996", "  88", "17.0", "16.0", true),
            row("04/04/1996", "  95", "23.0", "23.0", false),
            row("04/03/1996", "  80", " 8.0", " 7.0", false),
            row("04/02/1996", "  85", "14.5", "13.1", false),
            row("04/01/1996", "  90", "18.0", "18.0", false),
            "",
            "",
            At({{10, "T = Tournament Score"}}),
            // The WHS section: the last round is 9.3 below the index of 7.0 in force, so
            // every differential is 1.0 lower: (-3.3 + 6.0) / 2 - 1.0 = 0.35.
            "",
            "",
            At({{10, "WORLD HANDICAP SYSTEM"}}),
            "",
            At({{10, "WHS Handicap Index:  0.4"}}),
            At({{10, "Low Handicap Index:  N/A"}}),
            At({{10, "Cap in Force:  none"}}),
            At({{10, "Exceptional Score Reduction:  1.0"}}),
            At({{10, "WHS Course Handicap:  N/A"}}),
            "",
            "",
            At({{10, "Date"}, {24, "Differential"}}),
            At({{10, "04/06/1996"}, {26, "  -2.3"}, {34, "*"}, {36, "E"}}),
            At({{10, "04/05/1996"}, {26, "  16.0"}}),
            At({{10, "04/04/1996"}, {26, "  23.0"}}),
            At({{10, "04/03/1996"}, {26, "   7.0"}, {34, "*"}}),
            At({{10, "04/02/1996"}, {26, "  13.1"}}),
            At({{10, "04/01/1996"}, {26, "  18.0"}}),
            "",
            "",
            At({{10, "* = counts in the WHS index"}}),
            At({{10, "E = exceptional score"}}),
        };
        QCOMPARE(Lines(doc), expected);
        // The title block is bold at 12 points; the table is not bold.
        const core::PrintSpan& title = doc.lines()[5].spans.at(0);
        QVERIFY(title.bold);
        QCOMPARE(title.fontSize, 12);
        QVERIFY(doc.lines()[11].spans.at(0).bold);
        QVERIFY(!doc.lines()[16].spans.at(0).bold);
    }

    void aFailedWriteIsReported() {
        Setup s;
        s.state.handicap.HandicapFileName = s.dir.filePath("gone/pat.hcp").toStdString();
        ui::HandicapWindow w(s.context);
        Enter(w, {"04/01/1996", "85", "72", "113"});
        QCOMPARE(s.fake.messages.events, (QStringList{"beep", "box:Handicap File Not Saved"}));
        QCOMPARE(s.fake.messages.shown[0].icon, platform::MessageIcon::Critical);
        QVERIFY(s.fake.messages.shown[0].text.contains(s.path()));
        QVERIFY(s.fake.messages.shown[0].text.contains("No such file or directory"));
        // The round stays in memory and on screen, and is not offered again.
        QCOMPARE(s.state.handicap.RoundCount, 1);
        QCOMPARE(w.cell(1, 0)->text(), QString("04/01/1996"));
        QVERIFY(!Button(w, "SSCommand5")->isEnabled());

        // Once the folder is there, the next round writes both.
        QVERIFY(QDir(s.dir.path()).mkdir("gone"));
        Enter(w, {"04/02/1996", "86", "72", "113"});
        QCOMPARE(s.fake.messages.shown.size(), size_t(1));
        core::HandicapState reread;
        QVERIFY(core::LoadHandicapFile(s.path().toStdString(), reread).ok);
        QCOMPARE(reread.RoundCount, 2);
        QCOMPARE(reread.LastAdjustedScore[2], 85);
    }

    void modalOpeningTakesThePendingScore() {
        Setup s;
        s.state.entry.PendingAdjustedScore = 87;
        s.state.course.CourseRating = 71.5f;
        s.state.course.CourseSlope = 128;
        QString score, rating, slope;
        bool modal = false;
        QTimer::singleShot(0, [&] {
            QWidget* open = QApplication::activeModalWidget();
            QVERIFY(open && open->objectName() == "Form4");
            modal = true;
            score = Box(*open, "Text2")->text();
            rating = Box(*open, "Text3")->text();
            slope = Box(*open, "Text4")->text();
            Button(*open, "SSCommand5")->click();
            Button(*open, "SSCommand6")->click();
        });
        ui::OpenHandicapWindowModal(s.context, nullptr);
        QVERIFY(modal);
        QCOMPARE(score, QString("87"));
        QCOMPARE(rating, QString("71.5"));
        QCOMPARE(slope, QString("128"));
        QCOMPARE(s.state.entry.PendingAdjustedScore, 0.0);
        QCOMPARE(s.state.handicap.RoundCount, 1);
        QCOMPARE(s.state.handicap.PreSlopeDifferential[1], 15.5f);
        // Opened again, the score is not offered a second time.
        ui::HandicapWindow again(s.context);
        QVERIFY(Box(again, "Text2")->text().isEmpty());
        QCOMPARE(s.state.entry.EntryAdjustedScore, 0.0f);
    }

    void mainWindowOpensOneModelessWindowAndRefreshesIt() {
        Setup s;
        ui::MainWindow main(s.state, s.fake.platform);
        main.openHandicapWindow();
        auto findOpen = [] {
            QList<ui::HandicapWindow*> open;
            for (QWidget* widget : QApplication::topLevelWidgets())
                if (auto* w = qobject_cast<ui::HandicapWindow*>(widget); w && w->isVisible())
                    open << w;
            return open;
        };
        QCOMPARE(findOpen().size(), qsizetype(1));
        ui::HandicapWindow* w = findOpen().at(0);
        QVERIFY(!w->isModal());
        Enter(*w, {"04/01/1996", "85", "72", "113"});
        QCOMPARE(w->cell(1, 0)->text(), QString("04/01/1996"));

        // Another file opened: the same window shows it, rows of the old one gone.
        Setup other;
        other.state.handicap.HandicapFileName = other.path().toStdString();
        s.state.handicap = other.state.handicap;
        main.openHandicapWindow();
        QCOMPARE(findOpen().size(), qsizetype(1));
        QCOMPARE(findOpen().at(0), w);
        QCOMPARE(w->windowTitle(), "Handicap Information -  " + other.path());
        QVERIFY(w->cell(1, 0)->text().isEmpty());
        QVERIFY(Button(*w, "SSCommand5")->isEnabled());

        // A round saved in the modal window shows in the open one.
        QTimer::singleShot(0, [&] {
            QWidget* open = QApplication::activeModalWidget();
            QVERIFY(open && open != w);
            Enter(*static_cast<ui::HandicapWindow*>(open), {"04/02/1996", "88", "72", "113"});
            open->close();
        });
        ui::OpenHandicapWindowModal(s.context, &main);
        QCOMPARE(w->cell(1, 0)->text(), QString("04/02/1996"));

        s.state.entry.PendingAdjustedScore = 90;
        Button(*w, "SSCommand6")->click();
        QCOMPARE(s.state.entry.PendingAdjustedScore, 0.0);
        QTRY_VERIFY(findOpen().isEmpty());
        main.openHandicapWindow(); // opens a new one after the old one is gone
        QCOMPARE(findOpen().size(), qsizetype(1));
    }

    void indexConverterOpensModally() {
        Setup s;
        ui::HandicapWindow w(s.context);
        QString opened;
        bool modal = false;
        QTimer closer; // scoped, so it cannot fire into another test
        closer.setSingleShot(true);
        connect(&closer, &QTimer::timeout, [&] {
            if (QWidget* open = QApplication::activeModalWidget()) {
                opened = open->objectName();
                modal = open->isModal();
                open->close();
            }
        });
        closer.start(0);
        Button(w, "SSCommand2")->click();
        QCOMPARE(opened, QString("Form8"));
        QVERIFY(modal);
    }
};

QTEST_MAIN(HandicapWindowTest)
#include "handicap_window_test.moc"
