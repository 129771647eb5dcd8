#include "ui/entry/scorecard_info_window.h"

#include "platform/three_d_button.h"
#include "ui/app/window_routines.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace ui {

ScorecardInfoWindow::ScorecardInfoWindow(AppContext& context, QWidget* parent)
    : QDialog(parent), context_(context) {
    setObjectName("Form10");
    setWindowTitle("Optional Scorecard Information");

    auto group = [this](const QString& name, int y, int height) {
        auto* box = new QGroupBox(this);
        box->setObjectName(name);
        box->setGeometry(10, y, 400, height);
        return box;
    };
    auto label = [](QWidget* parent, const QString& name, const QString& caption, int x, int y,
                    int width) {
        auto* l = new QLabel(caption, parent);
        l->setObjectName(name);
        l->setGeometry(x, y, width, 22);
        return l;
    };
    auto box = [](QWidget* parent, const QString& name, int x, int y, int width) {
        auto* b = new QLineEdit(parent);
        b->setObjectName(name);
        b->setGeometry(x, y, width, 22);
        return b;
    };

    QGroupBox* partners = group("Frame1", 8, 112);
    label(partners, "Label2", "Playing Partners:", 10, 10, 200);
    partner1_ = box(partners, "Text1", 10, 34, 380);
    partner2_ = box(partners, "Text2", 10, 58, 380);
    partner3_ = box(partners, "Text3", 10, 82, 380);

    QGroupBox* weather = group("Frame2", 126, 64);
    label(weather, "Label4", "Weather Conditions:", 10, 10, 200);
    weather_ = box(weather, "Text4", 10, 34, 380);

    QGroupBox* tournament = group("Frame3", 196, 96);
    label(tournament, "Label5", "If a Tournament add the following Information:", 10, 8, 380);
    label(tournament, "Label1", "Tournament Name:", 10, 36, 120);
    tournamentName_ = box(tournament, "Text5", 132, 36, 258);
    label(tournament, "Label3", "Your Result:", 10, 64, 120);
    tournamentResult_ = box(tournament, "Text6", 132, 64, 258);

    printButton_ = new platform::ThreeDButton("Print", this);
    printButton_->setObjectName("SSCommand1");
    printButton_->setGeometry(170, 300, 80, 40);

    setTabOrder(partner1_, partner2_);
    setTabOrder(partner2_, partner3_);
    setTabOrder(partner3_, weather_);
    setTabOrder(weather_, tournamentName_);
    setTabOrder(tournamentName_, tournamentResult_);
    setTabOrder(tournamentResult_, printButton_);

    core::ScorecardInfo& info = context_.state.scorecard;
    auto keep = [this](QLineEdit* b, std::string& text) {
        connect(b, &QLineEdit::textChanged, this,
                [&text](const QString& typed) { text = typed.toStdString(); });
    };
    keep(partner1_, info.PlayingPartner1);
    keep(partner2_, info.PlayingPartner2);
    keep(partner3_, info.PlayingPartner3);
    keep(weather_, info.WeatherConditions);
    keep(tournamentName_, info.TournamentName);
    keep(tournamentResult_, info.TournamentResult);
    connect(printButton_, &QToolButton::clicked, this, &ScorecardInfoWindow::print);

    setFixedSize(420, 350);
    CenterForm(*this, context_);
    info.PartnersGiven = 0;
    info.WeatherGiven = 0;
}

void ScorecardInfoWindow::print() {
    core::ScorecardInfo& info = context_.state.scorecard;
    info.PartnersGiven =
        !partner1_->text().isEmpty() || !partner2_->text().isEmpty() || !partner3_->text().isEmpty()
            ? 1
            : 0;
    info.WeatherGiven = weather_->text().isEmpty() ? 0 : 1;
    info.TournamentGiven =
        !tournamentName_->text().isEmpty() || !tournamentResult_->text().isEmpty() ? 1 : 0;
    accept();
}

} // namespace ui
