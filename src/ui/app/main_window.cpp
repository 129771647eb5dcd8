#include "ui/app/main_window.h"

#include "core/twips.h"
#include "platform/three_d_button.h"
#include "ui/app/window_routines.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QMenuBar>
#include <QThread>

namespace ui {
namespace {

const QColor DarkGreen{0, 64, 0};

// The items that need an open course.
const QStringList CourseMenuItems = {"AddScoreCmd", "EditCrs",   "Gen_cmd",        "Greens_cmd",
                                     "Avg_cmd",     "Hole_cmd",  "Last20_cmd",     "Gen_stats",
                                     "Hole_stats",  "Bar_stats", "RoundHistoryCmd"};
const QStringList CourseButtons = {"SSCommand2", "SSCommand6", "SSCommand9"};

} // namespace

MainWindow::MainWindow(core::AppState& state, platform::Platform& platform)
    : context_{state, platform, this} {
    setObjectName("Form1");
    setWindowTitle("Tarnwick - Version 3.0");
    setWindowIcon(QIcon(":/pictures/tarnwick.png"));

    auto* surface = new QWidget(this);
    surface->setObjectName("Surface");
    QPalette palette = surface->palette();
    palette.setColor(QPalette::Window, DarkGreen);
    surface->setPalette(palette);
    surface->setAutoFillBackground(true);
    setCentralWidget(surface);

    buildToolbar();
    buildMenus();
}

void MainWindow::buildToolbar() {
    toolbar_ = new QWidget(centralWidget());
    toolbar_->setObjectName("Picture1");
    toolbar_->setAutoFillBackground(true);
    QPalette strip = toolbar_->palette();
    strip.setColor(QPalette::Window, QColor(192, 192, 192));
    toolbar_->setPalette(strip);
    toolbar_->setGeometry(0, 0, width(), core::TwipsToPixels(855) + 4);

    addButton("SSCommand10", "New Course", "new_course", 0, 1215);
    addButton("SSCommand1", "Open Course", "open_course", 1200, 1215);
    addButton("SSCommand2", "Edit Specs", "edit_course", 2400, 1095);
    addButton("SSCommand3", "New Hdcp", "new_hdcp", 3480, 1095);
    addButton("SSCommand4", "Open Hdcp", "open_hdcp", 4560, 1215);
    addButton("SSCommand5", "Slope Index", "slope_index", 5760, 1215);
    addButton("SSCommand9", "View Stats", "view_stats", 6960, 1215);
    addButton("SSCommand6", "New Score", "new_score", 8160, 1215);

    connect(buttons_["SSCommand10"], &QToolButton::clicked, this, &MainWindow::openNewCourseWindow);
    connect(buttons_["SSCommand1"], &QToolButton::clicked, this,
            [this] { openCourseCommand(false); });
    connect(buttons_["SSCommand2"], &QToolButton::clicked, this, &MainWindow::openCourseEditWindow);
    connect(buttons_["SSCommand3"], &QToolButton::clicked, this,
            &MainWindow::openNewHandicapWindow);
    connect(buttons_["SSCommand4"], &QToolButton::clicked, this,
            [this] { openHandicapCommand(false); });
    connect(buttons_["SSCommand5"], &QToolButton::clicked, this,
            &MainWindow::openSlopeIndexConverter);
    connect(buttons_["SSCommand9"], &QToolButton::clicked, this, [this] {
        if (statisticsGuard())
            openStatisticsWindow();
    });
    connect(buttons_["SSCommand6"], &QToolButton::clicked, this, &MainWindow::openScoreEntryWindow);
}

void MainWindow::addButton(const QString& name, const QString& caption, const QString& picture,
                           int left, int width) {
    auto* button = new platform::ThreeDButton(caption, toolbar_);
    button->setObjectName(name);
    button->setPicture(QPixmap(":/pictures/" + picture + ".png"));
    button->setGeometry(core::TwipsToPixels(left), 0, core::TwipsToPixels(width),
                        core::TwipsToPixels(855));
    buttons_[name] = button;
}

QAction* MainWindow::addItem(QMenu* menu, const QString& name, const QString& caption) {
    QAction* item = menu->addAction(caption);
    item->setObjectName(name);
    actions_[name] = item;
    return item;
}

void MainWindow::addSeparator(QMenu* menu, const QString& name) {
    QAction* separator = menu->addSeparator();
    separator->setObjectName(name);
    actions_[name] = separator;
}

void MainWindow::buildMenus() {
    auto menu = [this](const QString& name, const QString& caption) {
        QMenu* m = menuBar()->addMenu(caption);
        m->setObjectName(name);
        m->menuAction()->setObjectName(name);
        return m;
    };

    QMenu* course = menu("FileCmd", "&Course");
    connect(addItem(course, "NewCourseCmd", "&New Course SetUp"), &QAction::triggered, this,
            &MainWindow::openNewCourseWindow);
    addSeparator(course, "sepbar8");
    connect(addItem(course, "Open_cmd", "&Open a Course File"), &QAction::triggered, this,
            [this] { openCourseCommand(true); });
    connect(addItem(course, "EditCrs", "Edit Course Speci&fications"), &QAction::triggered, this,
            &MainWindow::openCourseEditWindow);
    addSeparator(course, "SepBar2");
    QAction* trivia = addItem(course, "Trv_cmd", "Trivia Enabled");
    trivia->setCheckable(true);
    trivia->setChecked(true);
    connect(trivia, &QAction::triggered, this, &MainWindow::toggleTrivia);
    addSeparator(course, "SepBar5");
    connect(addItem(course, "QuitCmd", "&Quit"), &QAction::triggered, this, &MainWindow::quit);
    recentMenus_["crs"] = course;
    showRecentFiles("crs");

    QMenu* handicap = menu("Hdcp_cmd", "Han&dicap");
    connect(addItem(handicap, "New_Hdcp", "Crea&te Handicap File"), &QAction::triggered, this,
            &MainWindow::openNewHandicapWindow);
    connect(addItem(handicap, "Open_Hdcp", "Open Handi&cap File"), &QAction::triggered, this,
            [this] { openHandicapCommand(true); });
    connect(addItem(handicap, "Hdcp_Calc", "Slope &Index Converter"), &QAction::triggered, this,
            &MainWindow::openSlopeIndexConverter);
    recentMenus_["hcp"] = handicap;
    showRecentFiles("hcp");

    QMenu* stats = menu("StatsCmd", "&Statistics");
    connect(addItem(stats, "AddScoreCmd", "&Enter Scores"), &QAction::triggered, this,
            &MainWindow::openScoreEntryWindow);
    addSeparator(stats, "sepbar6");
    auto guarded = [this](void (MainWindow::*open)()) {
        return [this, open] {
            if (statisticsGuard())
                (this->*open)();
        };
    };
    connect(addItem(stats, "Gen_stats", "General Statistics"), &QAction::triggered, this,
            guarded(&MainWindow::openStatisticsWindow));
    connect(addItem(stats, "Hole_stats", "Hole by Hole Statistics"), &QAction::triggered, this,
            guarded(&MainWindow::openHoleByHoleWindow));
    connect(addItem(stats, "Bar_stats", "Charts and Graphs"), &QAction::triggered, this,
            guarded(&MainWindow::openChartsWindow));
    connect(addItem(stats, "Last20_cmd", "Last 20 Games"), &QAction::triggered, this,
            &MainWindow::openLastTwentyWindow);
    connect(addItem(stats, "RoundHistoryCmd", "Round History"), &QAction::triggered, this,
            &MainWindow::openRoundHistoryWindow);
    addSeparator(stats, "SepBar1");
    connect(addItem(stats, "Awardscmd", "P&GA Awards"), &QAction::triggered, this,
            &MainWindow::openAwardsWindow);
    connect(addItem(stats, "MajorCmd", "The &Majors"), &QAction::triggered, this,
            &MainWindow::openMajorsWindow);

    QMenu* reports = menu("Report_cmd", "Print &Reports");
    connect(addItem(reports, "Gen_cmd", "General Statistics Report"), &QAction::triggered, this,
            [this] { printReport(Report::General); });
    connect(addItem(reports, "Greens_cmd", "Around the Greens Report"), &QAction::triggered, this,
            [this] { printReport(Report::AroundTheGreens); });
    connect(addItem(reports, "Avg_cmd", "Averages Report"), &QAction::triggered, this,
            [this] { printReport(Report::Averages); });
    connect(addItem(reports, "Hole_cmd", "Hole By Hole Report"), &QAction::triggered, this,
            [this] { printReport(Report::HoleByHole); });

    QMenu* help = menu("GoHomeCmd", "&Help");
    connect(addItem(help, "Cont_cmd", "Contents"), &QAction::triggered, this,
            &MainWindow::showHelpContents);
    addSeparator(help, "Sepbar3");
    connect(addItem(help, "AboutCmd", "&About"), &QAction::triggered, this,
            &MainWindow::openAboutWindow);
}

QAction* MainWindow::action(const QString& objectName) const {
    auto it = actions_.find(objectName);
    return it == actions_.end() ? nullptr : it->second;
}

platform::ThreeDButton* MainWindow::button(const QString& objectName) const {
    auto it = buttons_.find(objectName);
    return it == buttons_.end() ? nullptr : it->second;
}

void MainWindow::startUp() {
    QSize screen = context_.platform.screen.size();
    resize(640, 480);
    toolbar_->setGeometry(0, 0, screen.width(), toolbar_->height());
    if (640 * core::TwipsPerPixel + 100 > screen.width() * core::TwipsPerPixel)
        setWindowState(windowState() | Qt::WindowMaximized);
    else
        move((screen.width() - width()) / 2, (screen.height() - height()) / 2);

    QDir::setCurrent(context_.platform.programFolder);
    helpFileSetting_ = "tarnwK30.hlp";

    setCourseCommandsEnabled(false);
    PlaySoundIfDevice(context_, "teeshot.wav");
    runTriviaStartUp();
}

void MainWindow::setCourseCommandsEnabled(bool enabled) {
    for (const QString& name : CourseMenuItems)
        action(name)->setEnabled(enabled);
    for (const QString& name : CourseButtons)
        button(name)->setEnabled(enabled);
}

void MainWindow::disableCourseCommandsAfterNewCourse() {
    bool lastTwenty = action("Last20_cmd")->isEnabled();
    setCourseCommandsEnabled(false);
    action("Last20_cmd")->setEnabled(lastTwenty);
}

bool MainWindow::statisticsGuard() {
    if (context_.state.course.GamesRecorded != 0)
        return true;
    context_.platform.messages.beep();
    context_.platform.messages.show("You have no scores entered in this file.", "Access Denied",
                                    platform::MessageIcon::Information);
    return false;
}

void MainWindow::quit() {
    if (quitting_)
        return;
    quitting_ = true;
    PlaySoundIfDevice(context_, "putt.wav");
    // The program ends at once: other windows go without close events, so nothing asks
    // or prints on the way out.
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window != this && window->isVisible())
            window->hide();
    hide();
    if (QThread::currentThread()->loopLevel() > 0)
        QCoreApplication::exit(0);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    quit();
    event->accept();
}

} // namespace ui
