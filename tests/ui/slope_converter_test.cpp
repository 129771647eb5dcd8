#include "platform/three_d_button.h"
#include "support/fake_platform.h"
#include "ui/app/main_window.h"
#include "ui/handicap/slope_index_converter.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

using testing_support::FakePlatform;

namespace {

struct Setup {
    FakePlatform fake;
    core::AppState state;
    ui::AppContext context{state, fake.platform, nullptr};
};

QLineEdit* IndexBox(QWidget& w) {
    return w.findChild<QLineEdit*>("Text1");
}
QComboBox* SlopeBox(QWidget& w) {
    return w.findChild<QComboBox*>("Combo1");
}
QString Result(QWidget& w) {
    return w.findChild<platform::ThreeDPanel*>("SSPanel1")->caption();
}
void Click(QWidget& w, const char* name) {
    w.findChild<platform::ThreeDButton*>(name)->click();
}

void TypeInto(QWidget* box, const QString& text) {
    if (auto* combo = qobject_cast<QComboBox*>(box))
        box = combo->lineEdit();
    static_cast<QLineEdit*>(box)->clear();
    QTest::keyClicks(box, text);
}

QList<ui::SlopeIndexConverter*> OpenConverters() {
    QList<ui::SlopeIndexConverter*> open;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* w = qobject_cast<ui::SlopeIndexConverter*>(widget); w && w->isVisible())
            open << w;
    return open;
}

} // namespace

class SlopeConverterTest : public QObject {
    Q_OBJECT

private slots:
    void opensWithTheIndexAndSlope113() {
        Setup s;
        s.state.handicap.HandicapIndex = 12.5f;
        ui::SlopeIndexConverter w(s.context);
        QCOMPARE(w.objectName(), QString("Form8"));
        QCOMPARE(w.windowTitle(), QString("Slope Index Converter"));
        QCOMPARE(IndexBox(w)->text(), QString(" 12.5"));
        QComboBox* slope = SlopeBox(w);
        QVERIFY(slope->isEditable());
        QCOMPARE(slope->currentText(), QString("113"));
        QCOMPARE(slope->count(), 71);
        for (int i = 0; i < slope->count(); ++i)
            QCOMPARE(slope->itemText(i), QString::number(80 + i));
        QCOMPARE(Result(w), QString());
        QCOMPARE(w.findChild<QLabel*>("Label1")->text(), QString("Your Handicap Index"));
        QCOMPARE(w.findChild<QLabel*>("Label2")->text(), QString("Slope Rating of Golf course"));
        QCOMPARE(w.findChild<QLabel*>("Label3")->text(), QString("Your Handicap for this course"));
        QVERIFY(w.findChild<platform::ThreeDPanel*>("SSPanel1"));
        const char* captions[][2] = {
            {"SSCommand1", "Calculate"}, {"SSCommand2", "Clear"}, {"SSCommand3", "Quit"}};
        for (const auto& [name, caption] : captions)
            QCOMPARE(w.findChild<platform::ThreeDButton*>(name)->caption(), QString(caption));
    }

    void calculates_data() {
        QTest::addColumn<QString>("index");
        QTest::addColumn<QString>("slope");
        QTest::addColumn<QString>("result");
        QTest::newRow("12.0 on 125") << "12.0"
                                     << "125"
                                     << " 13";
        QTest::newRow("12.5 on 113, half to even") << "12.5"
                                                   << "113"
                                                   << " 12";
        QTest::newRow("13.5 on 113, half to even") << "13.5"
                                                   << "113"
                                                   << " 14";
        QTest::newRow("0.4 on 150") << "0.4"
                                    << "150"
                                    << " 1";
        QTest::newRow("plus handicap") << "-2.0"
                                       << "130"
                                       << "-2";
        QTest::newRow("slope not in the list") << "20"
                                               << "160"
                                               << " 28";
        QTest::newRow("index not a number") << "abc"
                                            << "125"
                                            << " 0";
    }

    void calculates() {
        QFETCH(QString, index);
        QFETCH(QString, slope);
        QFETCH(QString, result);
        Setup s;
        ui::SlopeIndexConverter w(s.context);
        TypeInto(IndexBox(w), index);
        TypeInto(SlopeBox(w), slope);
        Click(w, "SSCommand1");
        QCOMPARE(Result(w), result);
        QVERIFY(s.fake.messages.shown.empty());
    }

    void zeroIndexLeavesTheBoxEmpty() {
        Setup s;
        ui::SlopeIndexConverter w(s.context);
        QCOMPARE(IndexBox(w)->text(), QString());
        Click(w, "SSCommand1");
        QCOMPARE(Result(w), QString(" 0"));
    }

    void clearKeepsTheSlope() {
        Setup s;
        s.state.handicap.HandicapIndex = 9.4f;
        ui::SlopeIndexConverter w(s.context);
        TypeInto(SlopeBox(w), "131");
        Click(w, "SSCommand1");
        QCOMPARE(Result(w), QString(" 11"));
        Click(w, "SSCommand2");
        QCOMPARE(IndexBox(w)->text(), QString());
        QCOMPARE(Result(w), QString());
        QCOMPARE(SlopeBox(w)->currentText(), QString("131"));
        TypeInto(IndexBox(w), "20");
        Click(w, "SSCommand1");
        QCOMPARE(Result(w), QString(" 23")); // 20 x 131 / 113 = 23.19
    }

    void opensModelessFromTheMainWindowOnce() {
        FakePlatform fake;
        core::AppState state;
        state.handicap.HandicapIndex = 7.2f;
        ui::MainWindow main(state, fake.platform);
        main.openSlopeIndexConverter();
        QCOMPARE(OpenConverters().size(), qsizetype(1));
        ui::SlopeIndexConverter* w = OpenConverters().at(0);
        QVERIFY(!w->isModal());
        QCOMPARE(IndexBox(*w)->text(), QString(" 7.2"));
        main.openSlopeIndexConverter();
        QCOMPARE(OpenConverters().size(), qsizetype(1));
        // Quit unloads it; the next opening starts afresh.
        TypeInto(SlopeBox(*w), "140");
        QPointer<ui::SlopeIndexConverter> closed = w;
        Click(*w, "SSCommand3");
        QTRY_VERIFY(closed.isNull());
        main.openSlopeIndexConverter();
        QCOMPARE(OpenConverters().size(), qsizetype(1));
        QCOMPARE(SlopeBox(*OpenConverters().at(0))->currentText(), QString("113"));
    }
};

QTEST_MAIN(SlopeConverterTest)
#include "slope_converter_test.moc"
