#pragma once

#include "ui/app/app_context.h"

#include <QMainWindow>
#include <QPointer>

#include <map>

class QAction;
class QMenu;

namespace platform {
class ThreeDButton;
}

namespace ui {

// The hub: toolbar and menus that open every other window. objectName "Form1".
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(core::AppState& state, platform::Platform& platform);

    // The load event: sizes and places the window, disables the course commands,
    // greets, and runs the trivia start-up, which shows the window.
    void startUp();

    AppContext& context() { return context_; }

    // The course-dependent commands. Opening a course enables them all; saving a new
    // course disables them again, leaving "Last 20 Games" as it was.
    void setCourseCommandsEnabled(bool enabled);
    void disableCourseCommandsAfterNewCourse();

    QAction* action(const QString& objectName) const;
    platform::ThreeDButton* button(const QString& objectName) const;

    QString helpFilePath() const { return helpFilePath_; }
    QString helpFileSetting() const { return helpFileSetting_; }

    // Course and handicap files. The open commands ask for a file; the others open the
    // file they are given as the commands would, and list it among the recent files.
    void openCourseCommand(bool menuVariant);
    void openHandicapCommand(bool menuVariant);
    bool openCourseFile(const QString& path, bool menuVariant);
    bool openHandicapFile(const QString& path, bool menuVariant);
    // A file named on the command line: a handicap file by its extension ".hcp", a
    // course file otherwise.
    void openFileAtStartUp(const QString& path);
    void openNewCourseWindow();
    void openCourseEditWindow();
    void openNewHandicapWindow();

    // Handicap.
    void openHandicapWindow();
    void openSlopeIndexConverter();

    // Score entry.
    void openScoreEntryWindow();

    // Statistics. The guard refuses while no round is recorded.
    bool statisticsGuard();
    void openStatisticsWindow();
    void openHoleByHoleWindow();
    void openChartsWindow();
    void openLastTwentyWindow();
    void openRoundHistoryWindow();
    enum class Report { General, AroundTheGreens, Averages, HoleByHole };
    void printReport(Report report);

    // Extras.
    void runTriviaStartUp();
    void toggleTrivia();
    void openMajorsWindow();
    void openAwardsWindow();
    void showHelpContents();
    bool FindHelpFile();
    void openAboutWindow();

    void quit();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildToolbar();
    void buildMenus();
    QAction* addItem(QMenu* menu, const QString& name, const QString& caption);
    void addSeparator(QMenu* menu, const QString& name);
    void addButton(const QString& name, const QString& caption, const QString& picture, int left,
                   int width);
    // The most recent files of a kind, listed under a menu's own items.
    void showRecentFiles(const QString& kind);
    void rememberRecentFile(const QString& kind, const QString& path);
    void forgetRecentFile(const QString& kind, const QString& path);

    AppContext context_;
    QWidget* toolbar_ = nullptr;
    std::map<QString, QAction*> actions_;
    std::map<QString, platform::ThreeDButton*> buttons_;
    std::map<QString, QMenu*> recentMenus_; // by kind: "crs", "hcp"
    std::map<QString, QList<QAction*>> recentItems_;
    QString helpFilePath_;
    QString helpFileSetting_;
    bool quitting_ = false;

    // Modeless windows, refreshed in place when asked to open again.
    QPointer<QWidget> handicapWindow_;
    QPointer<QWidget> slopeConverterWindow_;
};

} // namespace ui
