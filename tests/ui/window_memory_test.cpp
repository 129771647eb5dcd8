// Opening a window again and again must not make the program grow: what one opening
// takes, closing it gives back.
#include "core/handicap_file.h"
#include "support/fake_platform.h"
#include "support/test_files.h"
#include "ui/app/main_window.h"
#include "ui/app/resources.h"
#include "ui/app/style_cache.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <malloc.h>

using testing_support::FakePlatform;

namespace {

// Bytes the heap holds for the program; the allocator's own free lists do not count.
size_t HeapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

// Shows the window until it has been painted, then closes it.
void PaintAndClose(QWidget* window) {
    if (!window)
        return;
    QVERIFY(QTest::qWaitForWindowExposed(window));
    window->repaint();
    window->close();
}

// Closes the modal window that the next command opens, once it is painted.
void CloseModalWhenShown() {
    QTimer::singleShot(0, [] { PaintAndClose(QApplication::activeModalWidget()); });
}

void SettleEvents() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// The resident size, for the record: it also counts memory the allocator keeps.
double ResidentMb() {
    QFile statm("/proc/self/statm");
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * 4096 / 1e6 : 0;
}

} // namespace

class WindowMemoryTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        ui::InitResources();
        ui::TurnOffStyleCache();
    }

    void repeatedOpeningsKeepTheHeapFlat_data() {
        QTest::addColumn<QString>("window");
        QTest::newRow("Stats2") << "Stats2";
        QTest::newRow("Form2") << "Form2";
        QTest::newRow("Form12") << "Form12";
        QTest::newRow("Form4") << "Form4";
    }

    void repeatedOpeningsKeepTheHeapFlat() {
#if defined(__SANITIZE_ADDRESS__)
        QSKIP("the sanitizer's allocator keeps freed memory in quarantine");
#endif
        QFETCH(QString, window);
        FakePlatform fake;
        core::AppState state;
        testing_support::LoadFixture(state, "many_rounds.crs");
        QTemporaryDir dir;
        state.handicap.HandicapPlayerName = "Pat Golfer";
        state.handicap.HomeSlope = 125;
        state.handicap.HandicapFileName = dir.filePath("pat.hcp").toStdString();
        QVERIFY(core::SaveHandicapFile(state.handicap));
        ui::MainWindow main(state, fake.platform);
        main.show();

        const std::map<QString, std::function<void()>> open{
            {"Stats2", [&] { CloseModalWhenShown(), main.openStatisticsWindow(); }},
            {"Form2", [&] { CloseModalWhenShown(), main.openHoleByHoleWindow(); }},
            {"Form12", [&] { CloseModalWhenShown(), main.openAwardsWindow(); }},
            {"Form4",
             [&] {
                 main.openHandicapWindow();
                 SettleEvents();
                 PaintAndClose(main.findChild<QWidget*>("Form4"));
             }},
        };
        const std::function<void()>& openAndClose = open.at(window);
        // The first openings fill caches that stay: fonts, pictures, styles.
        for (int i = 0; i < 20; ++i) {
            openAndClose();
            SettleEvents();
        }
        const size_t before = HeapInUse();
        const double residentBefore = ResidentMb();
        for (int i = 0; i < 200; ++i) {
            openAndClose();
            SettleEvents();
        }
        const size_t after = HeapInUse();
        QVERIFY2(main.findChildren<QDialog*>().isEmpty(), "a window was left behind");
        const double grownMb = (static_cast<double>(after) - static_cast<double>(before)) / 1e6;
        qInfo("%s: over 200 openings the heap grew by %.3f MB, the resident size by %.3f MB",
              qPrintable(window), grownMb, ResidentMb() - residentBefore);
        QVERIFY2(grownMb < 1.0, qPrintable(QString("the heap grew by %1 MB over 200 openings of %2")
                                               .arg(grownMb, 0, 'f', 2)
                                               .arg(window)));
    }
};

QTEST_MAIN(WindowMemoryTest)
#include "window_memory_test.moc"
