#include "platform/picture_box.h"
#include "support/fake_platform.h"
#include "ui/app/main_window.h"
#include "ui/app/window_routines.h"

#include <QDialog>
#include <QLabel>
#include <QtTest>

using testing_support::FakePlatform;

class WindowRoutinesTest : public QObject {
    Q_OBJECT

private slots:
    void centresOverTheMainWindowWhenSmaller() {
        FakePlatform fake;
        fake.screen.screenSize = QSize(1024, 768);
        core::AppState state;
        ui::MainWindow main(state, fake.platform);
        main.startUp();
        QDialog dialog(&main);
        dialog.resize(300, 200);
        ui::CenterForm(dialog, main.context());
        QRect m = main.frameGeometry();
        QCOMPARE(dialog.pos(),
                 QPoint(m.x() + (m.width() - 300) / 2, m.y() + (m.height() - 200) / 2));
    }

    void centresOnTheScreenWhenLarger() {
        FakePlatform fake;
        fake.screen.screenSize = QSize(1024, 768);
        core::AppState state;
        ui::MainWindow main(state, fake.platform);
        main.startUp();
        QDialog dialog(&main);
        dialog.resize(700, 200); // wider than the 640-pixel main window
        ui::CenterForm(dialog, main.context());
        QCOMPARE(dialog.pos(), QPoint((1024 - 700) / 2, (768 - 200) / 2));
    }

    void controlBorderIsDrawnAroundTheControlAndKept() {
        platform::PictureBox box;
        box.resize(300, 100);
        // A control at (1000, 500) twips sized 2000 x 300: the border runs from
        // (985, 485) to (3005, 800) twips, i.e. pixels (65.7, 32.3) to (200.3, 53.3).
        QLabel control(&box);
        control.setGeometry(1000 / 15, 500 / 15, 2000 / 15, 300 / 15);
        box.setDrawWidth(3);
        box.setForeColor(Qt::blue);
        ui::DrawControlBorder(control, box);
        QCOMPARE(box.drawWidth(), 3);
        const QImage& image = box.image();
        // geometry in whole pixels: (66,33) 133x20 -> twips (990,495) 1995x300
        // border: (975,480)-(2990,795) twips -> pixels (65,32)-(199,53)
        QCOMPARE(image.pixelColor(100, 32), ui::ShadowColor); // top edge, dark
        QCOMPARE(image.pixelColor(65, 40), ui::ShadowColor);  // left edge, dark
        QCOMPARE(image.pixelColor(199, 40), ui::LightColor);  // right edge, white
        QCOMPARE(image.pixelColor(100, 53), ui::LightColor);  // bottom edge, white
        QCOMPARE(image.pixelColor(100, 40).alpha(), 0);       // inside untouched
        box.repaint();
        QCOMPARE(box.image().pixelColor(100, 32), ui::ShadowColor); // survives a repaint
    }

    void shadowTextRestoresColourAndDrawsTheWhiteCopyOffset() {
        platform::PictureBox box;
        box.resize(300, 100);
        box.setForeColor(Qt::green);
        ui::DrawShadowText(box, "THE MASTERS", 150, 150, QColor(255, 0, 0));
        QCOMPARE(box.foreColor(), QColor(Qt::green));
        QCOMPARE(box.drawWidth(), 1);
        int red = 0, white = 0;
        for (int y = 0; y < box.image().height(); ++y)
            for (int x = 0; x < box.image().width(); ++x) {
                QColor c = box.image().pixelColor(x, y);
                if (c == QColor(255, 0, 0))
                    ++red;
                else if (c == QColor(255, 255, 255))
                    ++white;
            }
        QVERIFY(red > 20);
        QVERIFY(white > 0);
    }
};

QTEST_MAIN(WindowRoutinesTest)
#include "window_routines_test.moc"
