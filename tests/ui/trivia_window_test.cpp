#include "core/trivia.h"
#include "support/fake_platform.h"
#include "support/read_only_folder.h"
#include "ui/app/main_window.h"
#include "ui/app/resources.h"
#include "ui/extras/trivia_window.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <map>
#include <optional>

using testing_support::FakePlatform;

namespace {

QString ReadText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "(missing)";
    return QString::fromLatin1(file.readAll());
}

void WriteText(const QString& path, const QByteArray& text) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

// What the trivia window showed when it came up.
struct Seen {
    bool opened = false;
    bool mainWindowVisible = false;
    std::map<QString, QString> labels;
    QString trivFileText;
};

std::map<QString, QString> Labels(QWidget* window) {
    std::map<QString, QString> labels;
    for (int n = 1; n <= 13; ++n) {
        const QString name = QString("Label%1").arg(n);
        if (auto* label = window->findChild<QLabel*>(name))
            labels[name] = label->text();
    }
    return labels;
}

// Starts the program; when the trivia window comes up, records it and acts on it with
// `act` (which may click its buttons), then makes sure it is closed.
Seen StartUp(ui::MainWindow& window, const QString& triviaFile,
             const std::function<void(ui::TriviaWindow&)>& act = {}) {
    Seen seen;
    QTimer::singleShot(0, [&] {
        auto* trivia = qobject_cast<ui::TriviaWindow*>(QApplication::activeModalWidget());
        if (!trivia)
            return;
        seen.opened = trivia->objectName() == "Form7";
        seen.mainWindowVisible = window.isVisible();
        seen.labels = Labels(trivia);
        seen.trivFileText = ReadText(triviaFile);
        if (act)
            act(*trivia);
        if (trivia->isVisible())
            trivia->reject();
    });
    window.startUp();
    QCoreApplication::processEvents(); // a window that never opened leaves no timer behind
    return seen;
}

QPushButton* Button(QWidget& window, const char* name) {
    return window.findChild<QPushButton*>(name);
}

QString LabelText(QWidget& window, const char* name) {
    return window.findChild<QLabel*>(name)->text();
}

int RightAnswer(int question) {
    return core::TriviaQuestions()[question - 1].correct;
}

} // namespace

class TriviaWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ui::InitResources(); }

    void aFirstStartShowsQuestionOne() {
        FakePlatform fake;
        fake.clock.setDate(1996, 3, 5);
        const QString file = fake.triviaFile();
        QFile::remove(file);
        core::AppState state;
        ui::MainWindow window(state, fake.platform);
        Seen seen = StartUp(window, file);
        QVERIFY(seen.opened);
        QVERIFY(seen.mainWindowVisible);
        QCOMPARE(seen.trivFileText, QString("35128,0,0,1\r\n"));
        const core::TriviaQuestion& q = core::TriviaQuestions()[0];
        QCOMPARE(seen.labels["Label1"], QString::fromStdString(q.question));
        QCOMPARE(seen.labels["Label2"], QString::fromStdString(q.answers[0]));
        QCOMPARE(seen.labels["Label5"], QString::fromStdString(q.answers[3]));
        QCOMPARE(seen.labels["Label6"], QString("For 5 Points"));
        QCOMPARE(seen.labels["Label7"], QString(" 1"));
        QCOMPARE(seen.labels["Label8"], QString(" 0"));
        QCOMPARE(seen.labels["Label9"], QString(" 0"));
        QCOMPARE(seen.labels["Label10"], QString(""));
        QCOMPARE(seen.labels["Label11"], QString("Question #"));
        QCOMPARE(seen.labels["Label12"], QString("Total Points"));
        QCOMPARE(seen.labels["Label13"], QString("% of Maximum"));
        QVERIFY(window.isVisible());
        QVERIFY(window.action("Trv_cmd")->isChecked());
        QCOMPARE(window.action("Trv_cmd")->text(), QString("Trivia Enabled"));
        QCOMPARE(QString::fromStdString(state.trivia.TriviaFile), file);
        // Closed unanswered: the same question comes again.
        QCOMPARE(ReadText(file), QString("35128,0,0,1\r\n"));
    }

    void noQuestionWhenAskedTodayOrSwitchedOff() {
        struct Case {
            const char* stored;
            bool checked;
        };
        for (const Case& c : {Case{"35129,4,17,1\r\n", true}, Case{"35120,4,17,0\r\n", false},
                              Case{"#1996-03-05#,4,17,1\r\n", true}}) {
            FakePlatform fake;
            fake.clock.setDate(1996, 3, 5);
            const QString file = fake.triviaFile();
            WriteText(file, c.stored);
            core::AppState state;
            ui::MainWindow window(state, fake.platform);
            Seen seen = StartUp(window, file);
            QVERIFY2(!seen.opened, c.stored);
            QVERIFY(window.isVisible());
            QCOMPARE(window.action("Trv_cmd")->isChecked(), c.checked);
            QCOMPARE(window.action("Trv_cmd")->text(),
                     QString(c.checked ? "Trivia Enabled" : "Trivia Disabled"));
            QCOMPARE(state.trivia.LastTriviaQuestion, 4.0);
            QCOMPARE(state.trivia.TriviaPoints, 17.0);
            QCOMPARE(ReadText(file), QString(c.stored));
        }
    }

    void threeWrongAnswersThenTheGimmie() {
        FakePlatform fake;
        fake.clock.setDate(1996, 3, 5);
        core::AppState state;
        ui::MainWindow window(state, fake.platform);
        ui::TriviaWindow trivia(window.context(), &window);
        const int right = RightAnswer(1);
        QStringList prompts;
        for (int k = 1; k <= 4; ++k) {
            if (k == right)
                continue;
            Button(trivia, qPrintable(QString("Command%1").arg(k)))->click();
            prompts << LabelText(trivia, "Label6");
            QVERIFY(Button(trivia, qPrintable(QString("Command%1").arg(k)))->isHidden());
            QCOMPARE(LabelText(trivia, qPrintable(QString("Label%1").arg(k + 1))), QString());
        }
        QCOMPARE(prompts, (QStringList{"Incorrect!  Try again for 3 points.",
                                       "Incorrect!  Try again for 1 point.",
                                       "Incorrect!  Better luck next time."}));
        QVERIFY(fake.messages.shown.empty());
        Button(trivia, qPrintable(QString("Command%1").arg(right)))->click();
        QCOMPARE(fake.messages.shown.size(), size_t(1));
        QCOMPARE(fake.messages.shown[0].text, QString("That's a Gimmie!. No Points"));
        QCOMPARE(fake.messages.shown[0].title, QString());
        QVERIFY(Button(trivia, qPrintable(QString("Command%1").arg(right)))->isHidden());
        QCOMPARE(LabelText(trivia, "Label8"), QString(" 0"));
        QCOMPARE(LabelText(trivia, "Label9"), QString(" 0"));
        QCOMPARE(state.trivia.TriviaPoints, 0.0);
        // The day counts as done.
        Button(trivia, "Command6")->click();
        QCOMPARE(trivia.result(), int(QDialog::Accepted));
        QCOMPARE(ReadText(fake.triviaFile()), QString("35129,1,0,1\r\n"));
    }

    void aSecondClickAfterARightAnswerIsRefused() {
        FakePlatform fake;
        core::AppState state;
        state.trivia.LastTriviaQuestion = 9;
        state.trivia.TriviaPoints = 30;
        ui::MainWindow window(state, fake.platform);
        ui::TriviaWindow trivia(window.context(), &window);
        QCOMPARE(LabelText(trivia, "Label7"), QString(" 10"));
        QCOMPARE(LabelText(trivia, "Label9"), QString(" 66.7")); // 30 of 45
        const int right = RightAnswer(10);
        Button(trivia, qPrintable(QString("Command%1").arg(right)))->click();
        QCOMPARE(LabelText(trivia, "Label6"), QString("Correct!"));
        QCOMPARE(LabelText(trivia, "Label8"), QString(" 35"));
        QCOMPARE(LabelText(trivia, "Label9"), QString(" 70")); // 35 of 50
        const int other = right == 1 ? 2 : 1;
        Button(trivia, qPrintable(QString("Command%1").arg(other)))->click();
        QCOMPARE(fake.messages.events, (QStringList{"beep", "box:"}));
        QCOMPARE(fake.messages.shown[0].text, QString("Only one question per day!"));
        QCOMPARE(state.trivia.TriviaPoints, 35.0);
        QVERIFY(!Button(trivia, qPrintable(QString("Command%1").arg(other)))->isHidden());
    }

    void questionTwoHundredEndsTheSeries() {
        FakePlatform fake;
        fake.clock.setDate(1996, 3, 5);
        const QString file = fake.triviaFile();
        WriteText(file, "35128,199,600,1\r\n");
        core::AppState state;
        ui::MainWindow window(state, fake.platform);
        Seen seen = StartUp(window, file, [](ui::TriviaWindow& trivia) {
            trivia.answerClicked(RightAnswer(200));
            trivia.okClicked();
        });
        QVERIFY(seen.opened);
        QCOMPARE(seen.labels["Label7"], QString(" 200"));
        QCOMPARE(fake.messages.events, (QStringList{"beep", "box:"}));
        QCOMPARE(fake.messages.shown[0].text, QString("This was the last question in the series"));
        QCOMPARE(ReadText(file), QString("35129,0,605,1\r\n"));

        // The next day starts again at question 1, the points kept.
        FakePlatform nextDay;
        nextDay.clock.setDate(1996, 3, 6);
        QFile::remove(nextDay.triviaFile());
        QVERIFY(QFile::copy(file, nextDay.triviaFile()));
        core::AppState later;
        ui::MainWindow again(later, nextDay.platform);
        seen = StartUp(again, nextDay.triviaFile());
        QVERIFY(seen.opened);
        QCOMPARE(seen.labels["Label7"], QString(" 1"));
        QCOMPARE(seen.labels["Label8"], QString(" 605"));
    }

    void aCompletedSeriesShowsTheFinalStandings() {
        for (const char* stored : {"35120,200,700,1\r\n", "35120,230,700,1\r\n"}) {
            FakePlatform fake;
            fake.clock.setDate(1996, 3, 5);
            const QString file = fake.triviaFile();
            WriteText(file, stored);
            core::AppState state;
            ui::MainWindow window(state, fake.platform);
            int refusedBefore = -1;
            Seen seen = StartUp(window, file, [&](ui::TriviaWindow& trivia) {
                refusedBefore = int(fake.messages.shown.size());
                trivia.answerClicked(1);
            });
            QVERIFY2(seen.opened, stored);
            QCOMPARE(seen.labels["Label10"], QString("FINAL STANDINGS"));
            QCOMPARE(fake.messages.events.mid(0, 2),
                     (QStringList{"beep", "box:End of Trivia File"}));
            QCOMPARE(fake.messages.shown[0].text,
                     QString("You have successfully completed all Trivia Questions. Click "
                             "START OVER if you wish to begin again. "));
            QCOMPARE(fake.messages.shown[0].icon, platform::MessageIcon::Information);
            // Answers are refused.
            QCOMPARE(refusedBefore, 1);
            QCOMPARE(fake.messages.shown.size(), size_t(2));
            QCOMPARE(fake.messages.shown[1].text, QString("Only one question per day!"));
            QCOMPARE(ReadText(file), QString(stored));
        }
    }

    void startOverBeginsANewSeries() {
        FakePlatform fake;
        fake.clock.setDate(1996, 3, 5);
        core::AppState state;
        state.trivia.LastTriviaQuestion = 120;
        state.trivia.TriviaPoints = 400;
        state.trivia.TriviaEnabled = 0;
        ui::MainWindow window(state, fake.platform);
        ui::TriviaWindow trivia(window.context(), &window);
        Button(trivia, "Command5")->click();
        QCOMPARE(trivia.result(), int(QDialog::Accepted));
        QCOMPARE(ReadText(fake.triviaFile()), QString("35129,0,0,1\r\n"));
        QCOMPARE(state.trivia.TriviaPoints, 0.0);
        QCOMPARE(state.trivia.TriviaEnabled, 1);
    }

    void theSwitchWritesTheFileAtOnce() {
        FakePlatform fake;
        fake.clock.setDate(1996, 3, 5);
        const QString file = fake.triviaFile();
        WriteText(file, "35129,12,40,1\r\n");
        core::AppState state;
        ui::MainWindow window(state, fake.platform);
        QVERIFY(!StartUp(window, file).opened);
        QAction* item = window.action("Trv_cmd");
        item->trigger();
        QVERIFY(!item->isChecked());
        QCOMPARE(item->text(), QString("Trivia Disabled"));
        QCOMPARE(ReadText(file), QString("35129,12,40,0\r\n"));
        QCOMPARE(state.trivia.TriviaEnabled, 1); // takes effect at the next start
        item->trigger();
        QVERIFY(item->isChecked());
        QCOMPARE(item->text(), QString("Trivia Enabled"));
        QCOMPARE(ReadText(file), QString("35129,12,40,1\r\n"));
        QCOMPARE(state.trivia.TriviaEnabled, 0);

        // Without a file: today as a date, and off forgets the progress.
        QFile::remove(file);
        item->trigger();
        QCOMPARE(ReadText(file), QString("#1996-03-05#,0,0,0\r\n"));

        // Off stays off at the next start.
        WriteText(file, "35100,12,40,0\r\n");
        core::AppState next;
        ui::MainWindow again(next, fake.platform);
        QVERIFY(!StartUp(again, file).opened);
        QVERIFY(!again.action("Trv_cmd")->isChecked());
    }

    // The user's own folder holds the progress; the program's folder is never written.
    void theProgressIsKeptInTheUsersDataFolderOnly() {
        FakePlatform fake;
        fake.clock.setDate(1996, 3, 5);
        QFile::remove(fake.triviaFile());
        QDir(fake.platform.dataFolder).removeRecursively(); // a first run: no folder yet
        core::AppState state;
        ui::MainWindow window(state, fake.platform);
        QVERIFY(StartUp(window, fake.triviaFile()).opened);
        window.action("Trv_cmd")->trigger();
        QCOMPARE(ReadText(fake.triviaFile()), QString("35128,0,0,0\r\n"));
        QCOMPARE(QString::fromStdString(state.trivia.TriviaFile), fake.triviaFile());
        QVERIFY(QDir(fake.platform.programFolder)
                    .isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    }

    // An earlier version kept trivia.dat beside the program: it is moved once, where the
    // folder allows it, and only copied where it does not.
    void anEarlierTriviaFileBesideTheProgramCarriesOver_data() {
        QTest::addColumn<bool>("programFolderWritable");
        QTest::newRow("writable") << true;
        QTest::newRow("read-only") << false;
    }
    void anEarlierTriviaFileBesideTheProgramCarriesOver() {
        QFETCH(bool, programFolderWritable);
        FakePlatform fake;
        fake.clock.setDate(1996, 3, 5);
        QFile::remove(fake.triviaFile());
        const QString earlier = fake.platform.programFolder + "/trivia.dat";
        WriteText(earlier, "35129,7,30,0\r\n");
        std::optional<testing_support::ReadOnlyFolder> readOnly;
        if (!programFolderWritable) {
            // The tests may run as an administrator who takes another identity meanwhile.
            QFile::setPermissions(fake.platform.dataFolder, QFileDevice::Permissions(0x7777));
            QFile::setPermissions(earlier, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                               QFileDevice::ReadGroup | QFileDevice::ReadOther);
            readOnly.emplace(fake.platform.programFolder.toStdString());
        }
        core::AppState state;
        ui::MainWindow window(state, fake.platform);
        QVERIFY(!StartUp(window, fake.triviaFile()).opened); // switched off, as stored
        QCOMPARE(window.action("Trv_cmd")->text(), QString("Trivia Disabled"));
        QCOMPARE(state.trivia.LastTriviaQuestion, 7.0);
        QCOMPARE(ReadText(fake.triviaFile()), QString("35129,7,30,0\r\n"));
        QCOMPARE(QFileInfo::exists(earlier), !programFolderWritable);

        // Switching on changes the user's copy only; the earlier one is not read again.
        window.action("Trv_cmd")->trigger();
        QCOMPARE(ReadText(fake.triviaFile()), QString("35129,7,30,1\r\n"));
        if (!programFolderWritable)
            QCOMPARE(ReadText(earlier), QString("35129,7,30,0\r\n"));
    }

    void aFileThatCannotBeWrittenIsReported() {
        FakePlatform fake;
        const QString file = fake.triviaFile();
        QFile::remove(file);
        QVERIFY(QDir().mkdir(file)); // a folder in the file's place
        core::AppState state;
        ui::MainWindow window(state, fake.platform);
        Seen seen = StartUp(window, file);
        QVERIFY(seen.opened); // the first-start question still comes
        QCOMPARE(fake.messages.events.mid(0, 2), (QStringList{"beep", "box:Trivia File Error"}));
        QVERIFY(fake.messages.shown[0].text.startsWith("The trivia progress could not be saved."));
    }
};

QTEST_MAIN(TriviaWindowTest)
#include "trivia_window_test.moc"
