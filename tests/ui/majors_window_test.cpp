#include "core/reference_cards.h"
#include "platform/picture_box.h"
#include "support/fake_platform.h"
#include "ui/app/main_window.h"
#include "ui/extras/majors_window.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

using testing_support::FakePlatform;

namespace {

const char* const FieldNames[] = {"Mast_Win", "Mast_Sc", "Mast_RU", "BO_Win",  "BO_Sc",  "BO_RU",
                                  "US_Win",   "US_Sc",   "US_RU",   "PGA_Win", "PGA_Sc", "PGA_RU"};

struct Card {
    FakePlatform fake;
    core::AppState state;
    ui::AppContext context{state, fake.platform, nullptr};
    ui::MajorsWindow window{context};

    QListWidget* years() { return window.findChild<QListWidget*>("Yearbox"); }
    QString field(const char* name) { return window.findChild<QLabel*>(name)->text(); }
    platform::PictureBox* picture() { return window.findChild<platform::PictureBox*>("Picture1"); }

    // Clicks the year's entry as a user would.
    void click(int year) {
        QListWidget* list = years();
        QList<QListWidgetItem*> found = list->findItems(QString::number(year), Qt::MatchExactly);
        QVERIFY(found.size() == 1);
        list->scrollToItem(found.front());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(found.front()).center());
        QCOMPARE(list->selectedItems().value(0), found.front());
    }

    // The twelve fields in FieldNames order.
    QStringList fields() {
        QStringList texts;
        for (const char* name : FieldNames)
            texts << field(name);
        return texts;
    }
};

bool IsRed(QRgb p) {
    return qAlpha(p) > 200 && qRed(p) > 200 && qGreen(p) < 90 && qBlue(p) < 90;
}
bool IsBlue(QRgb p) {
    return qAlpha(p) > 200 && qBlue(p) > 200 && qRed(p) < 90 && qGreen(p) < 90;
}
bool IsWhite(QRgb p) {
    return qAlpha(p) == 255 && qRed(p) == 255 && qGreen(p) == 255 && qBlue(p) == 255;
}
// White, or white showing through the edge of a coloured glyph.
bool IsLight(QRgb p) {
    return qAlpha(p) > 200 && qRed(p) > 170 && qGreen(p) > 170 && qBlue(p) > 170;
}
bool IsShadow(QRgb p) {
    return qAlpha(p) == 255 && qRed(p) == 128 && qGreen(p) == 128 && qBlue(p) == 128;
}

template <typename Test> int CountPixels(const QImage& image, const QRect& area, Test test) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += image.valid(x, y) && test(image.pixel(x, y));
    return count;
}

} // namespace

class MajorsWindowTest : public QObject {
    Q_OBJECT

private slots:
    void opensWithEveryYearAndNothingSelected() {
        Card card;
        QCOMPARE(card.window.objectName(), QString("Form5"));
        QCOMPARE(card.window.windowTitle(), QString("THE MAJORS"));
        QListWidget* years = card.years();
        QCOMPARE(years->count(), 136);
        for (int row = 0; row < years->count(); ++row)
            QCOMPARE(years->item(row)->text(), QString::number(1860 + row));
        card.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&card.window));
        years->setFocus();
        QVERIFY(years->selectedItems().isEmpty());
        QCOMPARE(card.fields(), QStringList(12, QString()));
        QCOMPARE(card.window.findChild<QLabel*>("Label7")->text(), QString("Year"));
        QCOMPARE(card.window.findChild<QPushButton*>("Command1")->text(), QString("ClubHouse"));
        for (const char* name : FieldNames)
            QCOMPARE(card.window.findChild<QLabel*>(name)->parentWidget(),
                     static_cast<QWidget*>(card.picture()));
    }

    void year1860HasOnlyTheBritishOpen() {
        Card card;
        card.window.show();
        card.click(1860);
        QCOMPARE(card.fields(),
                 (QStringList{"No Tournament", "", "", "Willie Park Sr.", "Prestwick",
                              "Tom Morris Sr.", "No Tournament", "", "", "No Tournament", "", ""}));
    }

    void crossingFrom1930To1931LeavesNoStaleText() {
        Card card;
        card.window.show();
        card.click(1930);
        QCOMPARE(card.fields(),
                 (QStringList{"No Tournament", "", "", "Bobby Jones", "Royal Liverpool",
                              "Macdonald Smith\nLeo Diegel", "Bobby Jones", "Interlachen",
                              "Macdonald Smith", "Tommy Armour", "Fresh Meadow", "Gene Sarazen"}));
        card.click(1931);
        QCOMPARE(card.fields(),
                 (QStringList{"No Tournament", "", "", "Tommy Armour", "Carnoustie", "Jose Jurado",
                              "Billy Burke", "Inverness", "George Von Elm", "Tom Creavy",
                              "Wannamoisett", "Denny Shute"}));
        // Back from a year with every field filled to one with three events missing.
        card.click(1969);
        QCOMPARE(card.field("Mast_RU"), QString("Billy Casper\nGeorge Knudson\nTom Weiskopf"));
        QCOMPARE(card.field("US_RU"), QString("Deane Beman\nAl Geiberger\nBob Rosburg"));
        card.click(1860);
        QCOMPARE(card.field("Mast_Sc"), QString());
        QCOMPARE(card.field("Mast_RU"), QString());
        QCOMPARE(card.field("US_RU"), QString());
        QCOMPARE(card.field("PGA_Sc"), QString());
    }

    void everyYearShowsItsOwnRow() {
        Card card;
        const core::Major order[] = {core::Major::Masters, core::Major::BritishOpen,
                                     core::Major::UsOpen, core::Major::Pga};
        for (int row = 0; row < card.years()->count(); ++row) {
            card.years()->setCurrentRow(row);
            const core::MajorsYear* expected = core::FindMajorsYear(1860 + row);
            QVERIFY(expected);
            QStringList texts;
            for (core::Major m : order) {
                const core::MajorResult& r = (*expected)[m];
                QStringList names;
                for (const std::string& name : core::RunnerUpNames(r.runnerUp))
                    names << QString::fromStdString(name);
                texts << QString::fromStdString(r.winner) << QString::fromStdString(r.scoreOrCourse)
                      << names.join('\n');
            }
            QCOMPARE(card.fields(), texts);
        }
    }

    void runnerUpNamesEachFitOneLineOfTheirField() {
        Card card;
        for (const char* name : {"Mast_RU", "BO_RU", "US_RU", "PGA_RU"}) {
            QLabel* field = card.window.findChild<QLabel*>(name);
            QVERIFY(field->wordWrap());
            QFontMetrics metrics(field->font());
            QVERIFY2(field->contentsRect().height() >= 3 * metrics.lineSpacing(), name);
            for (const auto& [year, row] : core::BuiltInMajors().years)
                for (const auto& result : row.results)
                    for (const std::string& runnerUp : core::RunnerUpNames(result.runnerUp))
                        QVERIFY2(metrics.horizontalAdvance(QString::fromStdString(runnerUp)) <
                                     field->contentsRect().width() - field->indent(),
                                 runnerUp.c_str());
        }
    }

    void embossedTextsAreDrawnInTheirColoursAtTheirPlaces() {
        Card card;
        const QImage& image = card.picture()->image();
        struct Text {
            int x, y; // twips
            bool title;
        };
        const Text texts[] = {
            {1250, 200, true},  {1250, 2080, true}, {4500, 200, true},   {4500, 2080, true},
            {440, 430, false},  {440, 2330, false}, {3570, 430, false},  {3570, 2330, false},
            {510, 730, false},  {450, 2630, false}, {3580, 730, false},  {3580, 2630, false},
            {150, 1030, false}, {150, 2930, false}, {3280, 1030, false}, {3280, 2930, false}};
        const int lineHeight = QFontMetrics(card.picture()->font()).height();
        for (const Text& t : texts) {
            QPoint at(t.x / 15, t.y / 15);
            QString where = QString("(%1, %2)").arg(t.x).arg(t.y);
            QRect text(at, QSize(40, lineHeight));
            auto coloured = t.title ? IsRed : IsBlue;
            QVERIFY2(CountPixels(image, text, coloured) > 5, qPrintable(where));
            QVERIFY2(CountPixels(image, text.translated(1, 1), IsLight) > 3, qPrintable(where));
            // Nothing of the text above or to the left of its position.
            QVERIFY2(CountPixels(image, QRect(at.x() - 12, at.y(), 12, lineHeight), coloured) == 0,
                     qPrintable(where));
            QVERIFY2(CountPixels(image, QRect(at.x(), at.y() - 8, 40, 8), coloured) == 0,
                     qPrintable(where));
        }
        // The titles are the only red and the captions the only blue.
        QCOMPARE(CountPixels(image, QRect(0, 0, 300, 20), IsBlue), 0);
        QCOMPARE(CountPixels(image, QRect(0, 25, 80, 100), IsRed), 0);
    }

    void fieldBordersAndTheInsetFrameAreInThePanelImage() {
        Card card;
        const QImage& image = card.picture()->image();
        QCOMPARE(image.size(), card.picture()->size());
        for (const char* name : FieldNames) {
            QRect field = card.window.findChild<QLabel*>(name)->geometry();
            // From (left - 15, top - 15) twips, 20 twips wider and 15 taller than the field.
            int left = field.x() - 1, top = field.y() - 1;
            int right = field.x() + field.width(), bottom = field.y() + field.height();
            QString where =
                QString("%1 (%2,%3)-(%4,%5)").arg(name).arg(left).arg(top).arg(right).arg(bottom);
            QRect topEdge(left + 1, top, right - left - 1, 1);
            QRect bottomEdge(left + 1, bottom, right - left - 1, 1);
            QRect leftEdge(left, top + 1, 1, bottom - top - 1);
            QRect rightEdge(right, top + 1, 1, bottom - top - 1);
            QVERIFY2(CountPixels(image, topEdge, IsShadow) == topEdge.width(), qPrintable(where));
            QVERIFY2(CountPixels(image, leftEdge, IsShadow) == leftEdge.height(),
                     qPrintable(where));
            QVERIFY2(CountPixels(image, bottomEdge, IsWhite) == bottomEdge.width(),
                     qPrintable(where));
            QVERIFY2(CountPixels(image, rightEdge, IsWhite) == rightEdge.height(),
                     qPrintable(where));
            // Just outside the rectangle nothing was drawn.
            QVERIFY2(qAlpha(image.pixel(left - 1, top + 5)) == 0, qPrintable(where));
            QVERIFY2(qAlpha(image.pixel(right + 1, top + 5)) == 0, qPrintable(where));
        }
        // The inset frame: dark on the top and left, light on the right and bottom.
        const int w = image.width(), h = image.height();
        QCOMPARE(CountPixels(image, QRect(1, 0, w - 2, 1), IsShadow), w - 2);
        QCOMPARE(CountPixels(image, QRect(0, 1, 1, h - 2), IsShadow), h - 2);
        QCOMPARE(CountPixels(image, QRect(1, h - 1, w - 2, 1), IsWhite), w - 2);
        QCOMPARE(CountPixels(image, QRect(w - 1, 1, 1, h - 2), IsWhite), h - 2);
    }

    void theDrawingShowsOnScreen() {
        Card card;
        card.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&card.window));
        QImage shown = card.picture()->grab().toImage();
        QRect field = card.window.findChild<QLabel*>("Mast_Win")->geometry();
        QVERIFY(IsShadow(shown.pixel(field.center().x(), field.y() - 1)));
        QVERIFY(IsWhite(shown.pixel(field.center().x(), field.bottom() + 1)));
        QVERIFY(CountPixels(shown, QRect(83, 13, 40, 14), IsRed) > 5);
    }

    void clubHouseCloses() {
        Card card;
        card.window.show();
        QTest::mouseClick(card.window.findChild<QPushButton*>("Command1"), Qt::LeftButton);
        QVERIFY(!card.window.isVisible());
    }

    void theMainWindowOpensItModal() {
        FakePlatform fake;
        core::AppState state;
        ui::MainWindow main(state, fake.platform);
        QString opened;
        bool modal = false;
        QTimer::singleShot(0, [&] {
            QWidget* box = QApplication::activeModalWidget();
            if (!box)
                return;
            opened = box->objectName();
            modal = box->isModal();
            box->findChild<QPushButton*>("Command1")->click();
        });
        main.action("MajorCmd")->trigger();
        QCOMPARE(opened, QString("Form5"));
        QVERIFY(modal);
    }
};

QTEST_MAIN(MajorsWindowTest)
#include "majors_window_test.moc"
