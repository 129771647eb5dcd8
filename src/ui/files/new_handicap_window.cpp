#include "ui/files/new_handicap_window.h"

#include "core/handicap_file.h"
#include "core/number_text.h"
#include "platform/picture_box.h"
#include "ui/app/key_filters.h"
#include "ui/app/main_window.h"
#include "ui/app/window_routines.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace ui {
namespace {

using platform::MessageAnswer;
using platform::MessageButtons;
using platform::MessageIcon;

const QString Break = "\r\n";

int WholeValue(const QString& text) {
    return core::RoundToWhole(core::ReadNumber(text.toStdString()));
}

} // namespace

NewHandicapWindow::NewHandicapWindow(AppContext& context, QWidget* parent)
    : QDialog(parent), context_(context), handicap_(context.state.handicap) {
    setObjectName("Form13");
    setWindowTitle("Create a NEW Handicap file");
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(420, 196);

    auto* frame = new platform::PictureBox(this);
    frame->setObjectName("Picture1");
    frame->setGeometry(10, 10, 400, 134);
    auto* nameCaption = new QLabel("Your Name:", frame);
    nameCaption->setObjectName("Label1");
    nameCaption->setGeometry(10, 10, 380, 20);
    name_ = new QLineEdit(frame);
    name_->setObjectName("Text1");
    name_->setGeometry(10, 32, 250, 22);
    auto* slopeCaption =
        new QLabel("Slope rating of Tee most frequently played by membership of your club.", frame);
    slopeCaption->setObjectName("Label2");
    slopeCaption->setWordWrap(true);
    slopeCaption->setGeometry(10, 62, 380, 36);
    slope_ = new QLineEdit(frame);
    slope_->setObjectName("Text2");
    slope_->setGeometry(10, 102, 80, 22);

    auto* save = new QPushButton("Save", this);
    save->setObjectName("Command1");
    save->setGeometry(10, 156, 90, 28);
    auto* cancel = new QPushButton("Cancel", this);
    cancel->setObjectName("Command2");
    cancel->setGeometry(110, 156, 90, 28);
    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("Command3");
    ok->setGeometry(210, 156, 90, 28);
    for (QPushButton* button : {save, cancel, ok})
        button->setAutoDefault(false);
    connect(save, &QPushButton::clicked, this, &NewHandicapWindow::save);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    setTabOrder(name_, slope_);
    setTabOrder(slope_, save);
    setTabOrder(save, cancel);
    setTabOrder(cancel, ok);

    FilterStorableText(*name_);
    connect(name_, &QLineEdit::textChanged, this,
            [this](const QString& text) { handicap_.HandicapPlayerName = text.toStdString(); });
    connect(slope_, &QLineEdit::textChanged, this,
            [this](const QString& text) { handicap_.HomeSlope = WholeValue(text); });

    CenterForm(*this, context_);
}

void NewHandicapWindow::save() {
    platform::MessageBoxes& messages = context_.platform.messages;
    if (slope_->text().isEmpty()) {
        messages.beep();
        MessageAnswer answer = messages.show(
            "You have not indicated a home slope rating." + Break + Break +
                " You will have to manually use the slope" + Break +
                " index converter found in the HANDICAP MENU" + Break +
                " or the one on the handicapping dialog box" + Break +
                " to obtain a handicap for your home course.",
            "Home course slope rating missing!", MessageIcon::Critical, MessageButtons::YesNo);
        if (answer != MessageAnswer::Yes)
            return;
    }

    platform::FileDialogRequest request;
    request.title = "Create a NEW HANDICAP File";
    request.flags = platform::DialogFlag::ForSaving;
    request.defaultExtension = "hcp";
    request.filter = "Handicap files (*.hcp)|*.hcp|";
    std::optional<QString> path = context_.platform.fileDialogs.saveFile(request);
    if (!path || path->isEmpty())
        return;

    core::HandicapState created = handicap_;
    created.HandicapFileName = path->toStdString();
    if (core::ReadNumber(slope_->text().toStdString()) == 0)
        created.HomeSlope = 0;
    core::ClearHandicapRounds(created);
    core::FileStamp stamp;
    if (core::FileResult result = core::SaveHandicapFile(created, &stamp); !result) {
        messages.beep();
        messages.show("Unable to create the handicap file." + Break + Break +
                          QString::fromStdString(result.error),
                      "Handicap File Error", MessageIcon::Critical);
        return;
    }
    handicap_ = created;
    context_.state.handicap = created;
    context_.state.handicapFileStamp = stamp;
    createdAFile_ = true;
}

} // namespace ui
