#include "ui/handicap/slope_index_converter.h"

#include "core/slope.h"
#include "core/slope_converter.h"
#include "platform/three_d_button.h"
#include "ui/app/window_routines.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>

namespace ui {
namespace {

QLabel* AddLabel(QWidget* parent, const QString& name, const QString& caption, QRect at) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setGeometry(at);
    return label;
}

void AddLine(QWidget* parent, const QString& name, QRect at, bool light) {
    auto* line = new QFrame(parent);
    line->setObjectName(name);
    line->setFrameShape(at.height() > at.width() ? QFrame::VLine : QFrame::HLine);
    line->setFrameShadow(light ? QFrame::Raised : QFrame::Sunken);
    line->setGeometry(at);
}

} // namespace

SlopeIndexConverter::SlopeIndexConverter(AppContext& context, QWidget* parent) : QDialog(parent) {
    setObjectName("Form8");
    setWindowTitle("Slope Index Converter");
    setFixedSize(370, 215);

    auto* picture = new QLabel(this);
    picture->setObjectName("Image1");
    picture->setPixmap(QPixmap(":/pictures/converter.png"));
    picture->setGeometry(16, 18, 40, 40);

    // A sunken frame round the figures, and one round the buttons.
    AddLine(this, "Line1", {8, 8, 354, 2}, false);
    AddLine(this, "Line2", {8, 8, 2, 120}, false);
    AddLine(this, "Line3", {8, 126, 354, 2}, true);
    AddLine(this, "Line4", {360, 8, 2, 120}, true);
    AddLine(this, "Line5", {8, 136, 354, 2}, false);
    AddLine(this, "Line6", {8, 136, 2, 70}, false);
    AddLine(this, "Line7", {8, 204, 354, 2}, true);
    AddLine(this, "Line8", {360, 136, 2, 70}, true);

    AddLabel(this, "Label1", "Your Handicap Index", {62, 22, 190, 20});
    index_ = new QLineEdit(this);
    index_->setObjectName("Text1");
    index_->setGeometry(258, 20, 90, 24);

    AddLabel(this, "Label2", "Slope Rating of Golf course", {62, 56, 190, 20});
    slope_ = new QComboBox(this);
    slope_->setObjectName("Combo1");
    slope_->setEditable(true);
    slope_->setInsertPolicy(QComboBox::NoInsert);
    slope_->setGeometry(258, 54, 90, 24);

    AddLabel(this, "Label3", "Your Handicap for this course", {62, 92, 190, 20});
    result_ = new platform::ThreeDPanel(this);
    result_->setObjectName("SSPanel1");
    result_->setGeometry(258, 86, 90, 30);

    auto addButton = [this](const QString& name, const QString& caption, int left) {
        auto* button = new platform::ThreeDButton(caption, this);
        button->setObjectName(name);
        button->setGeometry(left, 146, 100, 50);
        return button;
    };
    connect(addButton("SSCommand1", "Calculate", 20), &QToolButton::clicked, this,
            &SlopeIndexConverter::calculate);
    connect(addButton("SSCommand2", "Clear", 135), &QToolButton::clicked, this,
            &SlopeIndexConverter::clear);
    connect(addButton("SSCommand3", "Quit", 250), &QToolButton::clicked, this,
            &SlopeIndexConverter::close);

    CenterForm(*this, context);
    index_->setText(
        QString::fromStdString(core::ConverterIndexText(context.state.handicap.HandicapIndex)));
    for (int slope = core::LowestSlope; slope <= core::HighestSlope; ++slope)
        slope_->addItem(QString::number(slope));
    slope_->setCurrentIndex(slope_->findText(QString::number(core::StandardSlope)));
    index_->setFocus();
}

void SlopeIndexConverter::calculate() {
    result_->setCaption(QString::fromStdString(core::ConvertedHandicapText(
        index_->text().toStdString(), slope_->currentText().toStdString())));
}

void SlopeIndexConverter::clear() {
    index_->clear();
    result_->setCaption(QString());
    index_->setFocus();
}

} // namespace ui
