// The least Qt Widgets program with a main window of 640 x 480, a menu bar and a toolbar:
// the yardstick for Tarnwick's start-up. Like Tarnwick under TARNWICK_EXIT_WHEN_PAINTED, it
// prints the monotonic clock once its first frame is painted, and leaves.
#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>
#include <QToolBar>

#include <ctime>
#include <iostream>

namespace {

class ExitWhenPainted : public QObject {
public:
    explicit ExitWhenPainted(QWidget* window) : window_(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!painted_ && event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == window_) {
            painted_ = true;
            QTimer::singleShot(0, this, [] {
                timespec now{};
                clock_gettime(CLOCK_MONOTONIC, &now);
                std::cout << "painted " << now.tv_sec * 1000000000LL + now.tv_nsec << std::endl;
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    QWidget* window_;
    bool painted_ = false;
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    QMenu* file = window.menuBar()->addMenu("&File");
    file->addAction("&Open");
    file->addAction("&Quit", &app, &QCoreApplication::quit);
    QToolBar* toolbar = window.addToolBar("Tools");
    toolbar->addAction("Open");
    toolbar->addAction("Save");
    window.resize(640, 480);
    ExitWhenPainted exitWhenPainted(&window);
    app.installEventFilter(&exitWhenPainted);
    window.show();
    return app.exec();
}
