#include "ui/files/course_edit_window.h"

#include "core/course_edit.h"
#include "core/course_file.h"
#include "core/number_text.h"
#include "core/round_history.h"
#include "platform/picture_box.h"
#include "ui/app/key_filters.h"
#include "ui/app/window_routines.h"
#include "ui/files/box_behaviour.h"
#include "ui/files/file_change_question.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

namespace ui {
namespace {

using platform::MessageIcon;

constexpr int ColumnLeft = 64;
constexpr int ColumnStep = 56;
constexpr int BoxWidth = 50;
constexpr int RowHeight = 22;

const QString Break = "\r\n";

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

double Number(const QString& text) {
    return core::ReadNumber(text.toStdString());
}

} // namespace

CourseEditWindow::CourseEditWindow(AppContext& context, QWidget* parent)
    : QDialog(parent), context_(context) {
    setObjectName("Form9");
    setWindowTitle("Edit Course Specifications");
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(600, 328);

    buildNine(addFrame("Picture1", 10, 10, 580, 102), 1, 1);
    buildNine(addFrame("Picture2", 10, 118, 580, 102), 10, 28);

    platform::PictureBox* ratings = addFrame("Picture3", 10, 226, 230, 60);
    addCaption(ratings, "Course Rating", 8, 6, 100);
    rating_ = addBox(ratings, 55, 120, 6, 90);
    addCaption(ratings, "Slope Rating", 8, 32, 100);
    slope_ = addBox(ratings, 56, 120, 32, 90);

    platform::PictureBox* names = addFrame("Picture4", 250, 226, 340, 86);
    addCaption(names, "Name", 8, 6, 60);
    name_ = addBox(names, 57, 70, 6, 260);
    addCaption(names, "Course", 8, 32, 60);
    courseName_ = addBox(names, 58, 70, 32, 260);
    addCaption(names, "Tee", 8, 58, 60);
    tee_ = addBox(names, 59, 70, 58, 260);

    auto* save = new QPushButton("Save", this);
    save->setObjectName("Command1");
    save->setGeometry(10, 292, 70, 28);
    auto* cancel = new QPushButton("Cancel", this);
    cancel->setObjectName("Command2");
    cancel->setGeometry(90, 292, 70, 28);
    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("Command3");
    ok->setGeometry(170, 292, 70, 28);
    for (QPushButton* button : {save, cancel, ok})
        button->setAutoDefault(false);
    connect(save, &QPushButton::clicked, this, &CourseEditWindow::save);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    QList<QWidget*> order;
    for (int n = 1; n <= 59; ++n)
        order << findChild<QLineEdit*>(QString("Text%1").arg(n));
    order << save << cancel << ok;
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    core::CourseState& course = context_.state.course;
    for (int h = 1; h <= core::HoleCount; ++h) {
        connect(par_[h], &QLineEdit::textChanged, this, [&course, h](const QString& text) {
            course.HolePar[h] = core::RoundToWhole(Number(text));
        });
        connect(yards_[h], &QLineEdit::textChanged, this,
                [&course, h](const QString& text) { course.HoleYards[h] = Number(text); });
        connect(handicap_[h], &QLineEdit::textChanged, this, [&course, h](const QString& text) {
            course.HoleHandicap[h] = core::RoundToWhole(Number(text));
        });
    }
    connect(rating_, &QLineEdit::textChanged, this, [&course](const QString& text) {
        course.CourseRating = static_cast<float>(Number(text));
    });
    connect(slope_, &QLineEdit::textChanged, this, [&course](const QString& text) {
        course.CourseSlope = static_cast<float>(Number(text));
    });
    for (QLineEdit* box : {name_, courseName_, tee_})
        FilterStorableText(*box);
    connect(name_, &QLineEdit::textChanged, this,
            [&course](const QString& text) { course.PlayerName = text.toStdString(); });
    connect(courseName_, &QLineEdit::textChanged, this,
            [&course](const QString& text) { course.CourseName = text.toStdString(); });
    connect(tee_, &QLineEdit::textChanged, this,
            [&course](const QString& text) { course.TeeName = text.toStdString(); });

    load();
}

platform::PictureBox* CourseEditWindow::addFrame(const QString& name, int left, int top, int width,
                                                 int height) {
    auto* frame = new platform::PictureBox(this);
    frame->setObjectName(name);
    frame->setGeometry(left, top, width, height);
    return frame;
}

void CourseEditWindow::addCaption(QWidget* frame, const QString& text, int left, int top,
                                  int width) {
    auto* label = new QLabel(text, frame);
    label->setGeometry(left, top, width, RowHeight);
}

QLineEdit* CourseEditWindow::addBox(QWidget* frame, int number, int left, int top, int width) {
    auto* box = new QLineEdit(frame);
    box->setObjectName(QString("Text%1").arg(number));
    box->setGeometry(left, top, width, RowHeight);
    SelectWholeTextOnFocus(*box);
    return box;
}

void CourseEditWindow::buildNine(platform::PictureBox* frame, int firstHole, int firstBox) {
    addCaption(frame, "Hole", 8, 4, 52);
    addCaption(frame, "Par", 8, 26, 52);
    addCaption(frame, "Yards", 8, 50, 52);
    addCaption(frame, "Hdcp", 8, 74, 52);
    for (int i = 0; i < 9; ++i) {
        int h = firstHole + i;
        int left = ColumnLeft + i * ColumnStep;
        auto* number = new QLabel(QString::number(h), frame);
        number->setAlignment(Qt::AlignCenter);
        number->setGeometry(left, 4, BoxWidth, 18);
        par_[h] = addBox(frame, firstBox + i, left, 26, BoxWidth);
        yards_[h] = addBox(frame, firstBox + 9 + i, left, 50, BoxWidth);
        handicap_[h] = addBox(frame, firstBox + 18 + i, left, 74, BoxWidth);
    }
}

void CourseEditWindow::load() {
    CenterForm(*this, context_);
    for (const char* name : {"Picture1", "Picture2", "Picture3", "Picture4"})
        DrawInsetFrame(*findChild<platform::PictureBox*>(name));

    // The file is read whole or not at all: if it cannot be read, the course open
    // before stays as it was.
    core::CourseState loaded;
    if (core::FileResult read = core::LoadCourseFile(context_.state.course.CourseFileName, loaded,
                                                     &context_.state.courseFileStamp);
        read) {
        context_.state.course = std::move(loaded);
    } else {
        context_.platform.messages.beep();
        context_.platform.messages.show("Unable to open this course file." + Break + Break +
                                            Text(read.error),
                                        "Course File Error", MessageIcon::Critical);
    }
    fillBoxes();
}

void CourseEditWindow::fillBoxes() {
    // Showing the values is not an edit.
    const core::CourseState& course = context_.state.course;
    auto show = [](QLineEdit* box, const std::string& text) {
        QSignalBlocker quiet(box);
        box->setText(Text(text));
    };
    for (int h = 1; h <= core::HoleCount; ++h) {
        show(par_[h], core::SignedText(course.HolePar[h]));
        show(yards_[h], core::SignedText(course.HoleYards[h]));
        show(handicap_[h], core::SignedText(course.HoleHandicap[h]));
    }
    show(rating_, core::SignedText(course.CourseRating));
    show(slope_, core::SignedText(course.CourseSlope));
    show(name_, course.PlayerName);
    show(courseName_, course.CourseName);
    show(tee_, course.TeeName);
}

void CourseEditWindow::save() {
    platform::MessageBoxes& messages = context_.platform.messages;
    core::CourseState& course = context_.state.course;
    if (std::optional<core::CourseEditRefusal> refusal = core::CheckEditedCourse(course)) {
        QLineEdit* box = boxOf(*refusal);
        messages.beep();
        messages.show(Text(core::CourseEditRefusalMessage(*refusal, box->text().toStdString())),
                      Text(core::CourseEditRefusalTitle(*refusal)), MessageIcon::Critical);
        box->setFocus();
        return;
    }
    if (!MayReplaceFile(context_, course.CourseFileName, context_.state.courseFileStamp))
        return;
    core::ComputeLengthClasses(course);
    if (offerToFoldRoundsAgain())
        return;
    if (core::FileResult result = core::SaveEditedCourse(course); !result) {
        messages.beep();
        messages.show("Unable to save the course file." + Break + Break + Text(result.error),
                      "Course File Error", MessageIcon::Critical);
        return;
    }
    context_.state.courseFileStamp = core::CurrentFileStamp(course.CourseFileName);
}

QLineEdit* CourseEditWindow::boxOf(const core::CourseEditRefusal& refusal) const {
    switch (refusal.box) {
    case core::CourseEditBox::Par:
        return par_[refusal.hole];
    case core::CourseEditBox::Yards:
        return yards_[refusal.hole];
    case core::CourseEditBox::Handicap:
        return handicap_[refusal.hole];
    case core::CourseEditBox::Rating:
        return rating_;
    case core::CourseEditBox::Slope:
        return slope_;
    }
    return rating_;
}

} // namespace ui
