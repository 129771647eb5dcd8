#include "ui/app/about_window.h"

#include "core/twips.h"
#include "ui/app/controls.h"
#include "ui/app/window_routines.h"

#include <QLabel>
#include <QPushButton>

namespace ui {
namespace {

void MakeWhite(QWidget* widget) {
    QPalette p = widget->palette();
    p.setColor(QPalette::Window, Qt::white);
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

} // namespace

AboutWindow::AboutWindow(AppContext& context, QWidget* parent) : QDialog(parent) {
    setObjectName("Form3");
    setWindowTitle("Program Information");
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    MakeWhite(this);
    setFixedSize(core::TwipsToPixels(5790), core::TwipsToPixels(2280));

    auto* picture = new QWidget(this);
    picture->setObjectName("Picture1");
    MakeWhite(picture);
    picture->setGeometry(TwipsRect(90, 75, 5790 - 2 * 90, 2280 - 2 * 75));

    auto* logo = new QLabel(picture);
    logo->setObjectName("Logo");
    QPixmap logoPicture(":/pictures/logo.png");
    logo->setPixmap(logoPicture);
    logo->setGeometry(
        QRect(QPoint(0, 0), logoPicture.isNull() ? QSize(96, 115) : logoPicture.size()));

    const Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignTop;
    QLabel* name = AddLabel(picture, "Label5", "TARNWICK", TwipsRect(1260, 90, 4245, 465), centred);
    QFont nameFont = name->font();
    nameFont.setFamilies({"MS Sans Serif", "Sans Serif"});
    nameFont.setPointSize(18);
    nameFont.setBold(true);
    name->setFont(nameFont);

    AddLabel(picture, "Label4", "Contact: the Tarnwick Project team.",
             TwipsRect(1260, 600, 4245, 225), centred);
    AddLabel(picture, "Label1", "Version 3.0", TwipsRect(2880, 960, 1500, 225),
             Qt::AlignLeft | Qt::AlignTop);
    AddLabel(picture, "Label2", "Copyright (C) The Tarnwick Project.",
             TwipsRect(1260, 1230, 4245, 225), centred);
    AddLabel(picture, "Label3", "All rights reserved.", TwipsRect(1260, 1440, 4245, 225), centred);

    auto* fore = new QPushButton("Fore!", picture);
    fore->setObjectName("Command1");
    fore->setGeometry(TwipsRect(2700, 1680, 1365, 315));
    fore->setDefault(true);
    connect(fore, &QPushButton::clicked, this, &QDialog::accept);

    CenterForm(*this, context);
}

} // namespace ui
