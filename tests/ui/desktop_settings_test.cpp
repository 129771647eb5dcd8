#include "core/state.h"
#include "platform/folders.h"
#include "platform/printer.h"
#include "platform/settings.h"
#include "platform/three_d_button.h"
#include "support/fake_platform.h"
#include "support/test_files.h"
#include "ui/app/main_window.h"
#include "ui/app/resources.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QtTest>

using testing_support::FakePlatform;
using testing_support::FixturePath;

namespace {

// Copies a fixture into folder under a new name, so that several distinct files exist.
QString CopyFixture(const QString& folder, const char* fixture, const QString& name) {
    QDir().mkpath(folder);
    const QString path = QDir(folder).filePath(name);
    QFile::remove(path);
    if (!QFile::copy(FixturePath(fixture), path))
        return {};
    return path;
}

// The recent-file items a menu lists under its own ones: their status tips (full paths).
QStringList RecentFiles(const ui::MainWindow& main, const char* prefix) {
    const char* menuName = QString(prefix).contains("Course") ? "FileCmd" : "Hdcp_cmd";
    QStringList files;
    for (QAction* item : main.findChild<QMenu*>(menuName)->actions())
        if (item->objectName().startsWith(prefix) && !item->isSeparator())
            files << item->statusTip();
    return files;
}

QAction* RecentItem(const QMenu* menu, const QString& name) {
    for (QAction* item : menu->actions())
        if (item->objectName() == name)
            return item;
    return nullptr;
}

QWidget* VisibleWindow(const char* objectName) {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == objectName && window->isVisible())
            return window;
    return nullptr;
}

} // namespace

class DesktopSettingsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ui::InitResources(); }

    // First in the documents folder; afterwards where a file of the same kind was last
    // opened or saved; each kind on its own; a folder that has gone is no start.
    void dialogsStartWhereTheLastFileOfTheirKindWas() {
        FakePlatform fake;
        core::AppState state;
        ui::MainWindow main(state, fake.platform);
        const QString courses = fake.documentsDir.filePath("courses");
        const QString players = fake.documentsDir.filePath("players");
        const QString course = CopyFixture(courses, "course_with_statistics.crs", "links.crs");
        const QString handicap = CopyFixture(players, "handicap_with_rounds.hcp", "me.hcp");

        fake.fileDialogs.answer(course);
        main.action("Open_cmd")->trigger();
        fake.fileDialogs.answer(std::nullopt); // handicap: cancelled
        main.action("Open_Hdcp")->trigger();
        fake.fileDialogs.answer(handicap);
        main.action("Open_Hdcp")->trigger();
        fake.fileDialogs.answer(std::nullopt);
        main.action("Open_cmd")->trigger();
        fake.fileDialogs.answer(std::nullopt);
        main.action("Open_Hdcp")->trigger();

        QStringList folders;
        for (const auto& asked : fake.fileDialogs.asked)
            folders << asked.request.folder;
        const QString documents = fake.documentsDir.path();
        QCOMPARE(folders, (QStringList{documents, documents, documents, courses, players}));

        // Remembered between runs: a second program reads the same settings file.
        platform::Settings again(fake.settings.fileName());
        QCOMPARE(again.folderFor("crs"), courses);
        QCOMPARE(again.folderFor("hcp"), players);

        QVERIFY(QDir(players).removeRecursively());
        fake.fileDialogs.answer(std::nullopt);
        main.action("Open_Hdcp")->trigger();
        QCOMPARE(fake.fileDialogs.asked.back().request.folder, documents);
        if (QWidget* handicapWindow = VisibleWindow("Form4"))
            handicapWindow->close();
    }

    // A save dialog remembers its folder as well: the new course's folder is where the
    // course dialog starts next.
    void aSavedFileSetsTheFolderOfItsKind() {
        FakePlatform fake;
        const QString saved = fake.documentsDir.filePath("new/pines.crs");
        QDir().mkpath(fake.documentsDir.filePath("new"));
        platform::FileDialogRequest request;
        request.filter = "Course Files (*.crs)|*.crs|";
        fake.fileDialogs.answer(saved);
        QCOMPARE(fake.platform.fileDialogs.saveFile(request), std::optional<QString>(saved));
        QCOMPARE(fake.settings.folderFor("crs"), fake.documentsDir.filePath("new"));
        QVERIFY(fake.settings.folderFor("hcp").isEmpty());
    }

    // The four most recent course files, newest first, under the Course menu's own items;
    // kept between runs; an item opens its file as the open command would.
    void theCourseMenuListsTheFourMostRecentFiles() {
        FakePlatform fake;
        const QString folder = fake.documentsDir.filePath("a & b");
        QStringList paths;
        for (int n = 1; n <= 5; ++n)
            paths << CopyFixture(folder, "course_with_statistics.crs", QString("c%1.crs").arg(n));
        {
            core::AppState state;
            ui::MainWindow main(state, fake.platform);
            QVERIFY(RecentFiles(main, "RecentCourse").isEmpty());
            for (const QString& path : paths) {
                fake.fileDialogs.answer(path);
                main.action("Open_cmd")->trigger();
            }
            fake.fileDialogs.answer(paths[2]); // opened again: back to the top
            main.action("Open_cmd")->trigger();
            QCOMPARE(RecentFiles(main, "RecentCourse"),
                     (QStringList{paths[2], paths[4], paths[3], paths[1]}));
        }
        core::AppState state;
        ui::MainWindow main(state, fake.platform);
        QCOMPARE(RecentFiles(main, "RecentCourse"),
                 (QStringList{paths[2], paths[4], paths[3], paths[1]}));

        // The Course menu keeps its own items first, the list below them.
        auto* menu = main.findChild<QMenu*>("FileCmd");
        QList<QAction*> items = menu->actions();
        QCOMPARE(items.at(7)->objectName(), QString("QuitCmd"));
        QCOMPARE(items.at(8)->objectName(), QString("RecentCourseSep"));
        QAction* second = RecentItem(menu, "RecentCourse2");
        QVERIFY(second);
        QCOMPARE(second->text(), QString("&2 " + paths[4]).replace("a & b", "a && b"));

        state.entry.EntryDate = 35160;
        second->trigger();
        QCOMPARE(QString::fromStdString(state.course.CourseFileName), paths[4]);
        QVERIFY(main.action("EditCrs")->isEnabled());
        QCOMPARE(state.entry.EntryDate, 0.0);
        QCOMPARE(RecentFiles(main, "RecentCourse").first(), paths[4]);
        QVERIFY(fake.messages.shown.empty());
    }

    // A listed file that has gone: the open command's message, and it leaves the list.
    void aRecentFileThatHasGoneIsReportedAndDropped() {
        FakePlatform fake;
        const QString kept =
            CopyFixture(fake.documentsDir.path(), "handicap_with_rounds.hcp", "kept.hcp");
        const QString gone = fake.documentsDir.filePath("gone.hcp");
        fake.settings.setRecentFiles("hcp", {gone, kept});
        core::AppState state;
        ui::MainWindow main(state, fake.platform);
        auto* menu = main.findChild<QMenu*>("Hdcp_cmd");
        QAction* first = RecentItem(menu, "RecentHandicap1");
        QVERIFY(first);
        first->trigger();
        QCOMPARE(fake.messages.events, (QStringList{"beep", "box:Handicap File Error"}));
        QCOMPARE(RecentFiles(main, "RecentHandicap"), QStringList{kept});
        QCOMPARE(fake.settings.recentFiles("hcp"), QStringList{kept});
        QVERIFY(!VisibleWindow("Form4"));
    }

    // tarnwick FILE: a course is opened as the open command opens it; a handicap file
    // opens the handicap window; a relative name is taken from the current folder.
    void aFileNamedOnTheCommandLineIsOpened() {
        FakePlatform fake;
        const QString course =
            CopyFixture(fake.documentsDir.path(), "course_with_statistics.crs", "home.crs");
        const QString handicap =
            CopyFixture(fake.documentsDir.path(), "handicap_with_rounds.hcp", "Me.HCP");
        const QString before = QDir::currentPath();
        core::AppState state;
        ui::MainWindow main(state, fake.platform);
        main.startUp();

        QDir::setCurrent(fake.documentsDir.path());
        main.openFileAtStartUp("home.crs");
        QDir::setCurrent(before);
        QCOMPARE(QString::fromStdString(state.course.CourseFileName), course);
        QVERIFY(main.button("SSCommand9")->isEnabled());

        main.openFileAtStartUp(handicap);
        QCOMPARE(QString::fromStdString(state.handicap.HandicapFileName), handicap);
        QWidget* handicapWindow = VisibleWindow("Form4");
        QVERIFY(handicapWindow);
        handicapWindow->close();
        QCOMPARE(fake.settings.recentFiles("crs"), QStringList{course});
        QCOMPARE(fake.settings.recentFiles("hcp"), QStringList{handicap});
        QCOMPARE(fake.settings.folderFor("crs"), fake.documentsDir.path());
        QVERIFY(fake.messages.shown.empty());
        QVERIFY(fake.fileDialogs.asked.empty());
    }

    // Sounds and help: beside the program in the build tree, in share/tarnwick of the
    // prefix when installed, wherever under the prefix the program itself is.
    void theProgramFindsItsSoundsAndHelp() {
        QTemporaryDir root;
        auto make = [&](const QString& folder, const QString& file = {}) {
            QDir().mkpath(root.filePath(folder));
            if (!file.isEmpty()) {
                QFile f(root.filePath(folder + "/" + file));
                QVERIFY(f.open(QIODevice::WriteOnly));
            }
        };
        make("build/src", "Tarnwk30.HLP");
        make("usr/bin");
        make("usr/lib/tarnwick");
        make("usr/share/tarnwick", "teeshot.wav");
        make("bare/bin");
        const QString canonical = QFileInfo(root.path()).canonicalFilePath();
        QCOMPARE(platform::ProgramDataFolder(root.filePath("build/src")), canonical + "/build/src");
        QCOMPARE(platform::ProgramDataFolder(root.filePath("usr/bin")),
                 canonical + "/usr/share/tarnwick");
        QCOMPARE(platform::ProgramDataFolder(root.filePath("usr/lib/tarnwick")),
                 canonical + "/usr/share/tarnwick");
        QCOMPARE(platform::ProgramDataFolder(root.filePath("bare/bin")), root.filePath("bare/bin"));
    }

    // With no printer at all, a report becomes a PDF file named and titled after it.
    void aReportWithoutAPrinterBecomesANamedPdf() {
        if (!QPrinterInfo::availablePrinterNames().isEmpty())
            QSKIP("this machine has printers");
        FakePlatform fake;
        platform::QtPrinter printer(fake.platform.fileDialogs, fake.messages);
        core::PrintDocument document;
        document.setName("Tarnwick - General Statistics Report - Tarnwick Links");
        document.line(1, "GENERAL STATISTICS");
        document.end();
        const QString pdf = fake.documentsDir.filePath("report.pdf");
        fake.fileDialogs.answer(pdf);
        QVERIFY(printer.print(document));

        const platform::FileDialogRequest& asked = fake.fileDialogs.asked.at(0).request;
        QCOMPARE(asked.title, QString("No printer installed - save the document as PDF"));
        QCOMPARE(asked.fileName,
                 QString("Tarnwick - General Statistics Report - Tarnwick Links.pdf"));
        QCOMPARE(asked.folder, fake.documentsDir.path());
        QCOMPARE(fake.settings.folderFor("pdf"), fake.documentsDir.path());
        // The PDF's title is the document's name, written as UTF-16.
        QString title = "Tarnwick - General Statistics Report - Tarnwick Links";
        QByteArray utf16;
        for (QChar c : title)
            utf16.append(char(c.unicode() >> 8)).append(char(c.unicode() & 0xff));
        QVERIFY(testing_support::ReadAll(pdf).contains(utf16));
    }
};

QTEST_MAIN(DesktopSettingsTest)
#include "desktop_settings_test.moc"
