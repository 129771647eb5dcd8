#include "platform/help_viewer.h"
#include "support/fake_platform.h"
#include "ui/app/main_window.h"
#include "ui/app/resources.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest>

using testing_support::FakePlatform;

namespace {

const QString HelpNotFoundText =
    "Tarnwk30.HLP not found in your path.\n\nTarnwick searches your PATH environment variable "
    "for help files, so you need to copy Tarnwk30.HLP to a directory included in your PATH if "
    "you wish to obtain help while running TARNWICK.";

void PutHelpFile(const QString& folder) {
    QFile file(folder + "/Tarnwk30.HLP");
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<html><body><a name=\"contents\"></a>Help</body></html>");
}

// Sets PATH for one test and puts it back afterwards.
class PathValue {
public:
    explicit PathValue(const QByteArray& value) : saved_(qgetenv("PATH")) {
        qputenv("PATH", value);
    }
    ~PathValue() { qputenv("PATH", saved_); }

private:
    QByteArray saved_;
};

} // namespace

class HelpAboutTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ui::InitResources(); }

    void contentsOpensTheManualFromTheProgramFolder() {
        FakePlatform fake;
        core::AppState state;
        ui::MainWindow window(state, fake.platform);
        window.startUp();
        PutHelpFile(fake.platform.programFolder);
        QTemporaryDir elsewhere;
        PutHelpFile(elsewhere.path());
        PathValue path(elsewhere.path().toLocal8Bit());
        window.action("Cont_cmd")->trigger();
        const QString expected = fake.platform.programFolder + "/Tarnwk30.HLP";
        QCOMPARE(fake.help.opened, QStringList{expected});
        QCOMPARE(window.helpFilePath(), expected);
        QCOMPARE(window.helpFileSetting(), expected);
        QVERIFY(fake.messages.shown.empty());
    }

    void contentsFindsTheManualAlongThePath() {
        FakePlatform fake;
        core::AppState state;
        ui::MainWindow window(state, fake.platform);
        window.startUp();
        QTemporaryDir first, last;
        PutHelpFile(last.path());
        PathValue path((first.path() + "/:/no/such/folder:" + last.path()).toLocal8Bit());
        window.action("Cont_cmd")->trigger();
        QCOMPARE(fake.help.opened, QStringList{last.path() + "/Tarnwk30.HLP"});
        QCOMPARE(window.helpFileSetting(), last.path() + "/Tarnwk30.HLP");
    }

    void contentsExplainsAMissingManual() {
        FakePlatform fake;
        core::AppState state;
        ui::MainWindow window(state, fake.platform);
        window.startUp();
        PathValue path("");
        window.action("Cont_cmd")->trigger();
        QVERIFY(fake.help.opened.isEmpty());
        QCOMPARE(fake.messages.shown.size(), size_t(1));
        QCOMPARE(fake.messages.shown[0].title, QString("Tarnwick Help not available"));
        QCOMPARE(fake.messages.shown[0].text, HelpNotFoundText);
        QCOMPARE(fake.messages.shown[0].icon, platform::MessageIcon::Exclamation);
        QCOMPARE(window.helpFilePath(), QString());
        QCOMPARE(window.helpFileSetting(), QString("tarnwK30.hlp"));

        // Once found, a later failed search keeps the last path.
        PutHelpFile(fake.platform.programFolder);
        window.action("Cont_cmd")->trigger();
        QFile::remove(fake.platform.programFolder + "/Tarnwk30.HLP");
        window.action("Cont_cmd")->trigger();
        QCOMPARE(fake.messages.shown.size(), size_t(2));
        QCOMPARE(window.helpFilePath(), fake.platform.programFolder + "/Tarnwk30.HLP");
        QCOMPARE(window.helpFileSetting(), fake.platform.programFolder + "/Tarnwk30.HLP");
        QCOMPARE(fake.help.opened.size(), qsizetype(1));
    }

    void theManualOpensAtItsContents() {
        QWidget owner;
        platform::QtHelpViewer viewer;
        const QString manual =
            QDir::cleanPath(QString(TARNWICK_FIXTURES) + "/../../assets/help/Tarnwk30.HLP");
        QVERIFY(viewer.showContents(&owner, manual));
        auto* help = owner.findChild<QDialog*>("HelpWindow");
        QVERIFY(help);
        auto* browser = help->findChild<QTextBrowser*>("HelpBrowser");
        QVERIFY(browser);
        const QString text = browser->toPlainText();
        QVERIFY(text.startsWith("Tarnwick 3.0 Help"));
        QVERIFY(text.contains("Golf Trivia Question of the Day"));
        help->close();
        QVERIFY(!viewer.showContents(&owner, manual + ".missing"));
    }

    void aboutIsCentredAndForeClosesIt() {
        FakePlatform fake;
        fake.screen.screenSize = QSize(1024, 768);
        core::AppState state;
        ui::MainWindow window(state, fake.platform);
        window.startUp();

        QString name, title, product, version, fore;
        QRect geometry, productAt, versionAt, foreAt, pictureAt;
        QFont productFont;
        bool closed = false;
        QTimer::singleShot(0, [&] {
            auto* about = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!about)
                return;
            name = about->objectName();
            title = about->windowTitle();
            geometry = about->frameGeometry();
            pictureAt = about->findChild<QWidget*>("Picture1")->geometry();
            auto* label5 = about->findChild<QLabel*>("Label5");
            product = label5->text();
            productAt = label5->geometry();
            productFont = label5->font();
            auto* label1 = about->findChild<QLabel*>("Label1");
            version = label1->text();
            versionAt = label1->geometry();
            auto* command1 = about->findChild<QPushButton*>("Command1");
            fore = command1->text();
            foreAt = command1->geometry();
            command1->click();
            closed = !about->isVisible();
            if (!closed)
                about->reject();
        });
        window.action("AboutCmd")->trigger();
        QCoreApplication::processEvents();

        QCOMPARE(name, QString("Form3"));
        QCOMPARE(title, QString("Program Information"));
        QVERIFY(closed);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        // Centred over the main window, which is larger (to within the window frame, which
        // is only known once the window is on screen).
        QRect main = window.frameGeometry();
        QVERIFY(main.contains(geometry));
        QVERIFY(qAbs(geometry.center().x() - main.center().x()) <= 3);
        QVERIFY(qAbs(geometry.center().y() - main.center().y()) <= 3);
        QCOMPARE(pictureAt.topLeft(), QPoint(6, 5));
        QCOMPARE(product, QString("TARNWICK"));
        QCOMPARE(productAt, QRect(84, 6, 283, 31));
        QVERIFY(productFont.bold());
        QCOMPARE(productFont.pointSize(), 18);
        QCOMPARE(version, QString("Version 3.0"));
        QCOMPARE(versionAt.topLeft(), QPoint(192, 64));
        QCOMPARE(fore, QString("Fore!"));
        QCOMPARE(foreAt, QRect(180, 112, 91, 21));
    }
};

QTEST_MAIN(HelpAboutTest)
#include "help_about_test.moc"
