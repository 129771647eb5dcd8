#include "platform/three_d_button.h"
#include "support/fake_platform.h"
#include "ui/app/main_window.h"
#include "ui/extras/awards_window.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QtTest>

using testing_support::FakePlatform;

namespace {

const char* const FieldNames[] = {"PGAYear",     "LPGAYear", "MoneyPGA", "MoneyLPGA",
                                  "SeniorMoney", "Vardon",   "Vare"};

struct Card {
    FakePlatform fake;
    core::AppState state;
    ui::AppContext context{state, fake.platform, nullptr};
    ui::AwardsWindow window{context};

    QListWidget* years() { return window.findChild<QListWidget*>("yearbox"); }
    platform::ThreeDButton* button(const char* name) {
        return window.findChild<platform::ThreeDButton*>(name);
    }

    void click(int year) {
        QListWidget* list = years();
        QList<QListWidgetItem*> found = list->findItems(QString::number(year), Qt::MatchExactly);
        QVERIFY(found.size() == 1);
        list->scrollToItem(found.front());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(found.front()).center());
        QCOMPARE(list->selectedItems().value(0), found.front());
    }

    QStringList fields() {
        QStringList texts;
        for (const char* name : FieldNames)
            texts << window.findChild<QLabel*>(name)->text();
        return texts;
    }
};

} // namespace

class AwardsWindowTest : public QObject {
    Q_OBJECT

private slots:
    void opensWithEveryYearAndNothingSelected() {
        Card card;
        QCOMPARE(card.window.objectName(), QString("Form12"));
        QCOMPARE(card.window.windowTitle(),
                 QString("Awards & Trophies - PGA, LPGA & Senior Tours"));
        QListWidget* years = card.years();
        QCOMPARE(years->count(), 55);
        for (int row = 0; row < years->count(); ++row)
            QCOMPARE(years->item(row)->text(), QString::number(1941 + row));
        card.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&card.window));
        years->setFocus();
        QVERIFY(years->selectedItems().isEmpty());
        QCOMPARE(card.fields(), QStringList(7, QString()));
        QCOMPARE(card.window.findChild<QLabel*>("Label1")->text(), QString("Year"));
        QCOMPARE(card.button("Club")->caption(), QString("Club House"));
        QCOMPARE(card.button("SSCommand1")->caption(), QString("Info"));
        for (const char* line : {"Line1", "Line2", "Line3", "Line4"})
            QVERIFY2(card.window.findChild<QFrame*>(line), line);
    }

    void captionsStandTopToBottomBesideTheirFields() {
        Card card;
        struct Row {
            const char* caption;
            const char* text;
            const char* field;
        };
        const Row rows[] = {
            {"Label2", "PGA Player of the Year", "PGAYear"},
            {"Label5", "LPGA Player of the Year", "LPGAYear"},
            {"Label3", "Leading Money Winner PGA", "MoneyPGA"},
            {"Label6", "Leading Money Winner LPGA", "MoneyLPGA"},
            {"Label8", "Senior Money Winner", "SeniorMoney"},
            {"Label4", "Vardon Trophy", "Vardon"},
            {"Label7", "Vare Trophy", "Vare"},
        };
        int previousTop = -1;
        for (const Row& row : rows) {
            QLabel* caption = card.window.findChild<QLabel*>(row.caption);
            QLabel* field = card.window.findChild<QLabel*>(row.field);
            QVERIFY2(caption && field, row.caption);
            QCOMPARE(caption->text(), QString(row.text));
            QCOMPARE(field->y(), caption->y());
            QVERIFY2(field->x() > caption->x(), row.field);
            QVERIFY2(caption->y() > previousTop, row.caption);
            previousTop = caption->y();
            QFontMetrics metrics(caption->font());
            QVERIFY2(metrics.horizontalAdvance(caption->text()) <= caption->width(), row.caption);
        }
    }

    void year1941HasOnlyHogansAwards() {
        Card card;
        card.window.show();
        card.click(1941);
        QCOMPARE(card.fields(), (QStringList{"No Award", "No Award", "Ben Hogan  $18,358",
                                             "No Award", "No Award", "Ben Hogan", "No Award"}));
    }

    void anotherYearOverwritesEveryField() {
        Card card;
        card.window.show();
        card.click(1995);
        QCOMPARE(card.fields(),
                 (QStringList{"Greg Norman", "Annika Sorenstam", "Greg Norman  $1,654,959",
                              "Annika Sorenstam  $666,533", "Jim Colbert  $1,444,386",
                              "Steve Elkington", "Annika Sorenstam"}));
        // 1943 has no confirmed PGA money leader: that field is written empty too.
        card.click(1943);
        QCOMPARE(card.fields(), (QStringList{"No Award", "No Award", "", "No Award", "No Award",
                                             "No Award", "No Award"}));
        card.click(1984);
        QCOMPARE(card.fields(), (QStringList{"Tom Watson", "Betsy King", "Tom Watson  $476,260",
                                             "Betsy King  $266,771", "Don January", "Calvin Peete",
                                             "Patty Sheehan"}));
    }

    void everyFieldTextFitsItsLabel() {
        Card card;
        for (int row = 0; row < card.years()->count(); ++row) {
            card.years()->setCurrentRow(row);
            for (const char* name : FieldNames) {
                QLabel* field = card.window.findChild<QLabel*>(name);
                QVERIFY2(QFontMetrics(field->font()).horizontalAdvance(field->text()) <=
                             field->contentsRect().width(),
                         qPrintable(field->text()));
            }
        }
    }

    void infoExplainsTheScoringTrophies() {
        Card card;
        card.window.show();
        QTest::mouseClick(card.button("SSCommand1"), Qt::LeftButton);
        QCOMPARE(card.fake.messages.shown.size(), std::size_t(1));
        const auto& box = card.fake.messages.shown.front();
        QCOMPARE(box.title, QString("Scoring Averages"));
        QCOMPARE(box.text, QString("The VARDON TROPHY is presented to the PGA\r\n"
                                   "player with the lowest scoring average.\r\n"
                                   "\r\n"
                                   "The LPGA recognizes it's lowest scoring\r\n"
                                   "average with the VARE TROPHY."));
        QCOMPARE(box.icon, platform::MessageIcon::Information);
        QCOMPARE(box.buttons, platform::MessageButtons::Ok);
        QVERIFY(card.window.isVisible());
    }

    void clubHouseCloses() {
        Card card;
        card.window.show();
        QTest::mouseClick(card.button("Club"), Qt::LeftButton);
        QVERIFY(!card.window.isVisible());
        QVERIFY(card.fake.messages.shown.empty());
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
            box->findChild<platform::ThreeDButton*>("Club")->click();
        });
        main.action("Awardscmd")->trigger();
        QCOMPARE(opened, QString("Form12"));
        QVERIFY(modal);
    }
};

QTEST_MAIN(AwardsWindowTest)
#include "awards_window_test.moc"
