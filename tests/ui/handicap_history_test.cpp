#include "core/day_number.h"
#include "core/handicap_file.h"
#include "core/handicap_journal.h"
#include "platform/chart_control.h"
#include "platform/three_d_button.h"
#include "support/fake_platform.h"
#include "support/test_files.h"
#include "ui/handicap/handicap_history_window.h"
#include "ui/handicap/handicap_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

using testing_support::FakePlatform;
using testing_support::ReadAll;

namespace {

struct Setup {
    Setup() {
        state.handicap.HandicapPlayerName = "Pat Golfer";
        state.handicap.HomeSlope = 113;
        state.handicap.HandicapFileName = dir.filePath("pat.hcp").toStdString();
        QFile file(path());
        file.open(QIODevice::WriteOnly);
        file.write(core::NewHandicapFileText("Pat Golfer", 113).c_str());
    }
    QString path() const { return QString::fromStdString(state.handicap.HandicapFileName); }

    QTemporaryDir dir;
    FakePlatform fake;
    core::AppState state;
    ui::AppContext context{state, fake.platform, nullptr};
};

QString Caption(QWidget& w, const char* name) {
    return w.findChild<QLabel*>(name)->text();
}

// Saves one round rated 72 on slope 113 through the window.
void Save(ui::HandicapWindow& w, const QString& date, int score) {
    auto* save = w.findChild<platform::ThreeDButton*>("SSCommand5");
    if (!save->isEnabled())
        w.findChild<platform::ThreeDButton*>("SSCommand4")->click();
    auto type = [&](const char* name, const QString& text) {
        QLineEdit* box = w.findChild<QLineEdit*>(name);
        box->clear();
        QTest::keyClicks(box, text);
    };
    type("Text1", date);
    w.validateEntryDate();
    type("Text2", QString::number(score));
    type("Text3", "72");
    type("Text4", "113");
    save->click();
}

QStringList Column(QTableWidget* table, int column) {
    QStringList texts;
    for (int row = 0; row < table->rowCount(); ++row)
        texts << table->item(row, column)->text();
    return texts;
}

} // namespace

class HandicapHistoryTest : public QObject {
    Q_OBJECT

private slots:
    void theWindowShowsBothIndexes() {
        Setup s;
        s.state.course.CourseRating = 71.0f;
        s.state.course.CourseSlope = 130;
        for (int hole = 1; hole <= 18; ++hole)
            s.state.course.HolePar[hole] = 4;
        ui::HandicapWindow w(s.context);
        QCOMPARE(Caption(w, "WhsIndex"), QString("NH"));
        QCOMPARE(Caption(w, "WhsCourseHandicap"), QString("N/A"));
        Save(w, "04/01/2024", 90);
        Save(w, "04/02/2024", 85);
        QCOMPARE(Caption(w, "WhsIndex"), QString("NH"));
        Save(w, "04/03/2024", 88);
        // Differentials 18, 13 and 16: the lowest minus 2.0.
        QCOMPARE(Caption(w, "WhsIndex"), QString("11.0"));
        // 11.0 x 130 / 113 + (71 - 72) = 11.66.
        QCOMPARE(Caption(w, "WhsCourseHandicap"), QString("12"));
        QVERIFY(Caption(w, "WhsStatus").startsWith("Low Index: N/A"));
        // The slope system's figures are those of three rounds, as always.
        QCOMPARE(Caption(w, "Label87"), QString("0.0"));
    }

    void theHandedOverRoundKeepsItsNetDoubleBogeyScore() {
        Setup s;
        s.state.entry.PendingAdjustedScore = 87;
        s.state.entry.PendingWhsAdjustedScore = 84;
        s.state.entry.PendingPar = 72;
        s.state.course.CourseRating = 72.0f;
        s.state.course.CourseSlope = 113.0f;
        ui::HandicapWindow w(s.context);
        w.findChild<QLineEdit*>("Text1")->setText("04/01/2024");
        w.validateEntryDate();
        w.findChild<platform::ThreeDButton*>("SSCommand5")->click();
        // A round typed afterwards uses its adjusted score for both systems.
        Save(w, "04/02/2024", 87);
        core::JournalReading reading = core::ReadJournalFor(s.state.handicap);
        QCOMPARE(reading.status, core::JournalReading::Status::Agrees);
        QCOMPARE(reading.journal.rounds.size(), size_t(2));
        QCOMPARE(reading.journal.rounds[0].adjustedScore, 87);
        QCOMPARE(reading.journal.rounds[0].whsAdjustedScore, 84);
        QCOMPARE(reading.journal.rounds[0].par, std::optional<int>(72));
        QCOMPARE(reading.journal.rounds[1].whsAdjustedScore, 87);
        QCOMPARE(reading.journal.rounds[1].par, std::optional<int>());
    }

    void historyListsNewestFirstAndRemovesARound() {
        Setup s;
        ui::HandicapWindow w(s.context);
        Save(w, "04/02/2024", 90);
        Save(w, "04/01/2024", 85); // saved later, played earlier
        Save(w, "04/03/2024", 80);
        ui::HandicapHistoryWindow history(s.context, &w);
        QTableWidget* table = history.table();
        QCOMPARE(Column(table, 0), (QStringList{"04/03/2024", "04/02/2024", "04/01/2024"}));
        QCOMPARE(Column(table, 8), (QStringList{"8.0", "18.0", "13.0"}));
        QCOMPARE(Column(table, 9), (QStringList{"6.0", "NH", "NH"}));
        QVERIFY(history.findChild<QLabel*>("HistoryReason")->isHidden());

        bool changed = false;
        connect(&history, &ui::HandicapHistoryWindow::roundsChanged, [&] { changed = true; });
        s.fake.messages.answer(platform::MessageAnswer::No);
        QVERIFY(!history.removeRound(1));
        QCOMPARE(table->rowCount(), 3);
        s.fake.messages.answer(platform::MessageAnswer::Yes);
        QVERIFY(history.removeRound(1));
        QVERIFY(changed);
        QCOMPARE(Column(table, 0), (QStringList{"04/03/2024", "04/01/2024"}));
        // Both systems replayed without the round, and the file rewritten.
        QCOMPARE(s.state.handicap.RoundCount, 2);
        core::HandicapState reread;
        QVERIFY(core::LoadHandicapFile(s.path().toStdString(), reread).ok);
        QCOMPARE(reread, s.state.handicap);
        QCOMPARE(reread.LastAdjustedScore[1], 80);
        QCOMPARE(reread.LastAdjustedScore[2], 85);
    }

    void aCorrectionIsCheckedLikeASavedRound() {
        Setup s;
        ui::HandicapWindow w(s.context);
        Save(w, "04/01/2024", 90);
        Save(w, "04/02/2024", 85);
        ui::HandicapHistoryWindow history(s.context, &w);
        const QByteArray before = ReadAll(s.path());

        core::RoundEditTexts texts{"04/02/2024", "85", "100", "113", false, "", "85", ""};
        QVERIFY(!history.correctRound(0, texts));
        QCOMPARE(s.fake.messages.shown.back().title, QString("Invalid Round"));
        QCOMPARE(s.fake.messages.shown.back().text,
                 QString("The Rating of  100 is invalid. Please verify!"));
        texts.courseRating = "72";
        texts.date = "13/01/2024";
        QVERIFY(!history.correctRound(0, texts));
        QCOMPARE(ReadAll(s.path()), before);

        texts.date = "04/02/2024";
        texts.adjustedScore = "95";
        texts.whsAdjustedScore = "93";
        QVERIFY(history.correctRound(0, texts));
        QCOMPARE(history.table()->item(0, 1)->text(), QString("95"));
        QCOMPARE(history.table()->item(0, 8)->text(), QString("21.0"));
        QCOMPARE(s.state.handicap.LastAdjustedScore[1], 95);
        QCOMPARE(s.state.handicap.SlopeDifferential[1], 23.0f);
    }

    void aFileChangedBehindTheJournalShowsTheHistoryReadOnly() {
        Setup s;
        ui::HandicapWindow w(s.context);
        Save(w, "04/01/2024", 90);
        // Another program rewrites the file; the window opens it afresh.
        s.state.handicap.HomeSlope = 125;
        QVERIFY(core::SaveHandicapFile(s.state.handicap).ok);
        ui::HandicapHistoryWindow history(s.context, &w);
        QLabel* reason = history.findChild<QLabel*>("HistoryReason");
        QVERIFY(!reason->isHidden());
        QCOMPARE(reason->text(), QString("The handicap file was changed outside the journal. The "
                                         "history can be read but not changed."));
        QVERIFY(!history.findChild<QPushButton*>("RemoveRound")->isEnabled());
        QVERIFY(!history.findChild<QPushButton*>("CorrectRound")->isEnabled());
        QVERIFY(!history.removeRound(0));
        QCOMPARE(history.table()->rowCount(), 1);
        QVERIFY(s.fake.messages.shown.empty());
    }

    void theChartHasOnePointPerRoundForEachIndex() {
        Setup s;
        ui::HandicapWindow w(s.context);
        for (int day = 1; day <= 4; ++day)
            Save(w, QString("04/%1/2024").arg(day, 2, 10, QChar('0')), 80 + day);
        ui::HandicapHistoryWindow history(s.context, &w);
        QTimer::singleShot(0, [&] {
            QWidget* open = QApplication::activeModalWidget();
            QVERIFY(open && open->objectName() == "IndexChartWindow");
            auto* chart = open->findChild<platform::ChartControl*>("IndexChartControl");
            QVERIFY(chart);
            QCOMPARE(chart->model().pointCount(), 4);
            QCOMPARE(chart->model().setCount(), 2);
            // WHS: none, none, 9.0 - 2.0, 9.0 - 1.0.
            QCOMPARE(chart->model().values(2), (std::vector<double>{0, 0, 7.0, 8.0}));
            open->close();
        });
        history.showChart();
    }
};

QTEST_MAIN(HandicapHistoryTest)
#include "handicap_history_test.moc"
