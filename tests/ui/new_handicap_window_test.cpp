#include "core/handicap_file.h"
#include "support/fake_platform.h"
#include "support/read_only_folder.h"
#include "support/test_files.h"
#include "ui/app/main_window.h"
#include "ui/files/new_handicap_window.h"

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
using testing_support::FixturePath;
using testing_support::Lines;
using testing_support::ReadAll;

namespace {

core::HandicapState PlayerWithRounds() {
    core::HandicapState h;
    if (!core::LoadHandicapFile(FixturePath("handicap_with_rounds.hcp").toStdString(), h).ok)
        qFatal("fixture missing");
    return h;
}

struct Setup {
    FakePlatform fake;
    core::AppState state;
    ui::MainWindow main{state, fake.platform};
    QTemporaryDir folder;
    std::unique_ptr<ui::NewHandicapWindow> window;

    explicit Setup(const core::HandicapState& open = {}) {
        state.handicap = open;
        window = std::make_unique<ui::NewHandicapWindow>(main.context(), &main);
    }
    QLineEdit* box(const char* name) const { return window->findChild<QLineEdit*>(name); }
    void type(const char* name, const QString& keys) const { QTest::keyClicks(box(name), keys); }
    void click(const char* name) const { window->findChild<QPushButton*>(name)->click(); }
    QString path(const QString& name) const { return folder.filePath(name); }
    // Saves into `name` with the scripted answers so far.
    void saveAs(const QString& name) {
        fake.fileDialogs.answer(path(name));
        click("Command1");
    }
};

} // namespace

class NewHandicapWindowTest : public QObject {
    Q_OBJECT

private slots:
    void controlsInTheirTabOrder() {
        Setup f;
        QCOMPARE(f.window->objectName(), QString("Form13"));
        QCOMPARE(f.window->windowTitle(), QString("Create a NEW Handicap file"));
        QCOMPARE(f.window->findChild<QLabel*>("Label1")->text(), QString("Your Name:"));
        QCOMPARE(f.window->findChild<QLabel*>("Label2")->text(),
                 QString("Slope rating of Tee most frequently played by membership of your club."));
        QVERIFY(f.window->findChild<QWidget*>("Picture1"));
        QCOMPARE(f.box("Text1")->text(), QString());
        QCOMPARE(f.box("Text2")->text(), QString());
        QStringList order;
        QWidget* w = f.box("Text1");
        while (order.size() < 5) {
            order << w->objectName();
            do
                w = w->nextInFocusChain();
            while (w->focusPolicy() == Qt::NoFocus);
        }
        QCOMPARE(order, (QStringList{"Text1", "Text2", "Command1", "Command2", "Command3"}));
        QCOMPARE(f.window->findChild<QPushButton*>("Command1")->text(), QString("Save"));
        QCOMPARE(f.window->findChild<QPushButton*>("Command2")->text(), QString("Cancel"));
        QCOMPARE(f.window->findChild<QPushButton*>("Command3")->text(), QString("OK"));
    }

    void aNewFileIsWrittenExactly() {
        Setup f(PlayerWithRounds());
        f.type("Text1", "Ann Example");
        f.type("Text2", "121");
        f.fake.fileDialogs.answer(f.path("ann.hcp"));
        f.click("Command1");
        QCOMPARE(ReadAll(f.path("ann.hcp")), ReadAll(FixturePath("new_handicap.hcp")));
        QVERIFY(f.fake.messages.shown.empty());
        QCOMPARE(f.fake.fileDialogs.asked.size(), size_t(1));
        const platform::FileDialogRequest& asked = f.fake.fileDialogs.asked[0].request;
        QVERIFY(f.fake.fileDialogs.asked[0].save);
        QCOMPARE(asked.title, QString("Create a NEW HANDICAP File"));
        QCOMPARE(asked.filter, QString("Handicap files (*.hcp)|*.hcp|"));
        QCOMPARE(asked.defaultExtension, QString("hcp"));
        QCOMPARE(asked.flags, 3078);

        // The open handicap is now the new file, rows and handicaps cleared.
        core::HandicapState read;
        QVERIFY(core::LoadHandicapFile(f.path("ann.hcp").toStdString(), read).ok);
        QVERIFY(f.state.handicap == read);
        QCOMPARE(f.state.handicap.HandicapFileName, f.path("ann.hcp").toStdString());
        QCOMPARE(f.state.handicap.LastScoreDate[1], 0.0);
        QCOMPARE(f.state.handicap.HandicapIndex, 0.0f);
    }

    void theSlopeIsRoundedToAWholeNumber_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("stored");
        QTest::newRow("121.5") << "121.5" << QByteArray("122");
        QTest::newRow("120.5") << "120.5" << QByteArray("120");
        QTest::newRow("118") << "118" << QByteArray("118");
        QTest::newRow("not a number") << "abc" << QByteArray("0");
    }

    void theSlopeIsRoundedToAWholeNumber() {
        QFETCH(QString, typed);
        QFETCH(QByteArray, stored);
        Setup f;
        f.type("Text1", "Ann");
        f.type("Text2", typed);
        f.saveAs("slope.hcp");
        QVERIFY(f.fake.messages.shown.empty());
        QCOMPARE(Lines(ReadAll(f.path("slope.hcp")))[1], stored);
    }

    void anEmptySlopeAsksFirst() {
        // Yes writes 0; the name already held stays when the name box is left alone.
        Setup f(PlayerWithRounds());
        f.fake.messages.answer(MessageAnswer::Yes);
        f.saveAs("empty_slope.hcp");
        QCOMPARE(f.fake.messages.events,
                 (QStringList{"beep", "box:Home course slope rating missing!"}));
        const auto& question = f.fake.messages.shown[0];
        QCOMPARE(question.text, QString("You have not indicated a home slope rating.\r\n\r\n"
                                        " You will have to manually use the slope\r\n"
                                        " index converter found in the HANDICAP MENU\r\n"
                                        " or the one on the handicapping dialog box\r\n"
                                        " to obtain a handicap for your home course."));
        QCOMPARE(question.icon, MessageIcon::Critical);
        QCOMPARE(question.buttons, MessageButtons::YesNo);
        QList<QByteArray> lines = Lines(ReadAll(f.path("empty_slope.hcp")));
        QCOMPARE(lines.size(), 24);
        QCOMPARE(lines[0], QByteArray("\"Smith, John, Jr.\""));
        QCOMPARE(lines[1], QByteArray("0"));
        QCOMPARE(f.state.handicap.HomeSlope, 0);
    }

    void noAtTheSlopeQuestionWritesNothing() {
        const core::HandicapState open = PlayerWithRounds();
        Setup f(open);
        f.window->show();
        f.type("Text1", "Bob");
        f.fake.messages.answer(MessageAnswer::No);
        f.saveAs("never.hcp");
        QCOMPARE(f.fake.messages.shown.size(), size_t(1));
        QVERIFY(f.fake.fileDialogs.asked.empty());
        QVERIFY(!QFile::exists(f.path("never.hcp")));
        QVERIFY(f.window->isVisible());
        QVERIFY(f.state.handicap == open);
    }

    void aNameWithCommasReadsBack() {
        Setup f;
        f.type("Text1", "Smith, John \"Jack\", Jr.");
        QCOMPARE(f.box("Text1")->text(), QString("Smith, John Jack, Jr."));
        f.type("Text2", "118");
        f.saveAs("commas.hcp");
        core::HandicapState read;
        QVERIFY(core::LoadHandicapFile(f.path("commas.hcp").toStdString(), read).ok);
        QCOMPARE(read.HandicapPlayerName, std::string("Smith, John Jack, Jr."));
        QCOMPARE(read.HomeSlope, 118);
    }

    void aCancelledDialogIsSilent() {
        const core::HandicapState open = PlayerWithRounds();
        Setup f(open);
        f.type("Text1", "Bob");
        f.type("Text2", "125");
        f.fake.fileDialogs.answer(std::nullopt);
        f.click("Command1");
        QCOMPARE(f.fake.fileDialogs.asked.size(), size_t(1));
        QVERIFY(f.fake.messages.shown.empty());
        QVERIFY(QDir(f.folder.path()).isEmpty());
        QVERIFY(f.state.handicap == open);
    }

    void aFolderThatRefusesTheFileIsReported() {
        const core::HandicapState open = PlayerWithRounds();
        Setup f(open);
        f.type("Text1", "Bob");
        f.type("Text2", "125");
        f.fake.fileDialogs.answer(f.path("refused.hcp"));
        {
            testing_support::ReadOnlyFolder readOnly(f.folder.path().toStdString());
            f.click("Command1");
        }
        QCOMPARE(f.fake.messages.events, (QStringList{"beep", "box:Handicap File Error"}));
        QCOMPARE(f.fake.messages.shown[0].text,
                 "Unable to create the handicap file.\r\n\r\n" + f.path("refused.hcp") +
                     " could not be written: the folder " + f.folder.path() +
                     " does not allow new files, and saving "
                     "needs one.");
        QCOMPARE(f.fake.messages.shown[0].icon, MessageIcon::Critical);
        QVERIFY(!QFile::exists(f.path("refused.hcp")));
        // The rounds in memory are kept, and the open file is still the one it was.
        QVERIFY(f.state.handicap == open);
    }

    void theHandicapWindowOpensOnceTheWindowCloses() {
        FakePlatform fake;
        core::AppState state;
        ui::MainWindow main(state, fake.platform);
        QTemporaryDir folder;
        fake.fileDialogs.answer(folder.filePath("new.hcp"));
        bool formFourWhileOpen = true;
        QTimer::singleShot(0, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            QVERIFY(dialog && dialog->objectName() == "Form13");
            QTest::keyClicks(dialog->findChild<QLineEdit*>("Text1"), "Pat");
            QTest::keyClicks(dialog->findChild<QLineEdit*>("Text2"), "121");
            dialog->findChild<QPushButton*>("Command1")->click();
            QWidget* handicap = main.findChild<QWidget*>("Form4");
            formFourWhileOpen = handicap && handicap->isVisible();
            dialog->close();
        });
        main.openNewHandicapWindow();
        QVERIFY(!formFourWhileOpen);
        QWidget* handicap = main.findChild<QWidget*>("Form4");
        QVERIFY(handicap && handicap->isVisible());
        QCOMPARE(QString::fromStdString(state.handicap.HandicapFileName),
                 folder.filePath("new.hcp"));
    }

    void cancelAndOkLeaveTheOpenHandicapAsItWas() {
        for (const char* button : {"Command2", "Command3"}) {
            const core::HandicapState open = PlayerWithRounds();
            Setup f(open);
            f.type("Text1", "Bob");
            f.type("Text2", "130");
            f.click(button);
            QVERIFY(f.state.handicap == open);
            QVERIFY(f.fake.fileDialogs.asked.empty());
            QCOMPARE(f.window->result(),
                     int(QString(button) == "Command3" ? QDialog::Accepted : QDialog::Rejected));
        }
    }
};

QTEST_MAIN(NewHandicapWindowTest)
#include "new_handicap_window_test.moc"
