#include "ui/files/new_course_window.h"

#include "core/course_file.h"
#include "core/handicap_entry.h"
#include "core/new_course.h"
#include "core/number_text.h"
#include "core/round_history.h"
#include "ui/app/key_filters.h"
#include "ui/app/main_window.h"
#include "ui/app/window_routines.h"
#include "ui/files/box_behaviour.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace ui {
namespace {

using platform::MessageAnswer;
using platform::MessageButtons;
using platform::MessageIcon;

constexpr int ColumnLeft = 100;
constexpr int ColumnStep = 46;
constexpr int BoxWidth = 40;
constexpr int RowHeight = 22;

const QString Break = "\r\n";

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

int Value(const QLineEdit* box) {
    return core::RoundToWhole(core::ReadNumber(box->text().toStdString()));
}

} // namespace

NewCourseWindow::NewCourseWindow(AppContext& context, QWidget* parent)
    : QDialog(parent), context_(context) {
    setObjectName("setup2");
    setWindowTitle("New Course Information");
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(580, 366);

    addCaption("NameCaption", "Your Name:", 12, 12, 110);
    name_ = addBox("Text1", 130, 10, 190);
    addCaption("CourseCaption", "Golf Course Name:", 12, 38, 110);
    courseName_ = addBox("Text2", 130, 36, 190);
    addCaption("TeesCaption", "Tees:", 12, 64, 110);
    tees_ = new QComboBox(this);
    tees_->setObjectName("Combo1");
    tees_->setEditable(true);
    tees_->setInsertPolicy(QComboBox::NoInsert);
    tees_->setGeometry(130, 62, 150, RowHeight + 2);
    addCaption("RatingCaption", "Rating:", 350, 12, 95);
    rating_ = addBox("Text4", 450, 10, 70);
    addCaption("SlopeCaption", "Slope Rating:", 350, 38, 95);
    slope_ = addBox("Text14", 450, 36, 70);

    buildNine(1, 98, {5, 6, 7, 8, 9, 10, 11, 12, 13}, {3, 24, 25, 26, 27, 28, 29, 30, 31},
              {43, 44, 45, 46, 47, 48, 49, 50, 51});
    buildNine(10, 208, {15, 16, 17, 18, 19, 20, 21, 22, 23}, {33, 34, 35, 36, 37, 38, 39, 40, 41},
              {52, 53, 54, 55, 56, 57, 58, 59, 60});
    frontPar_ = addSum("Label21", 118);
    frontYards_ = addSum("Label23", 144);
    backPar_ = addSum("Label22", 228);
    backYards_ = addSum("Label24", 254);

    auto* save = new QPushButton("Save", this);
    save->setObjectName("Command1");
    save->setGeometry(130, 322, 100, 28);
    auto* cancel = new QPushButton("Cancel", this);
    cancel->setObjectName("Command2");
    cancel->setGeometry(250, 322, 100, 28);
    auto* help = new QPushButton("Help", this);
    help->setObjectName("Command3");
    help->setGeometry(370, 322, 100, 28);
    for (QPushButton* button : {save, cancel, help})
        button->setAutoDefault(false);
    connect(save, &QPushButton::clicked, this, &NewCourseWindow::save);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, &NewCourseWindow::showHelp);

    // The identity boxes, then all pars, all yardages and all hole handicaps.
    QList<QWidget*> order = {name_, courseName_, tees_, rating_, slope_};
    for (const auto* row : {&par_, &yards_, &handicap_})
        for (int h = 1; h <= core::HoleCount; ++h)
            order << (*row)[h];
    order << save << cancel << help;
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    FilterStorableText(*name_);
    FilterStorableText(*courseName_);
    FilterStorableText(*tees_->lineEdit());
    FilterDecimal(*rating_);
    connect(name_, &QLineEdit::textChanged, this,
            [this](const QString& text) { course_.PlayerName = text.toStdString(); });
    connect(courseName_, &QLineEdit::textChanged, this,
            [this](const QString& text) { course_.CourseName = text.toStdString(); });
    connect(tees_, &QComboBox::editTextChanged, this,
            [this](const QString& text) { course_.TeeName = text.toStdString(); });
    tees_->installEventFilter(this);
    connect(rating_, &QLineEdit::textChanged, this, [this](const QString& text) {
        course_.CourseRating = static_cast<float>(core::ReadNumber(text.toStdString()));
    });
    connect(slope_, &QLineEdit::textChanged, this, [this](const QString& text) {
        course_.CourseSlope = static_cast<float>(core::ReadNumber(text.toStdString()));
    });

    tees_->addItems({"Blue", "Gold", "Red", "White", "Ladies Red", "Ladies White", "Championship"});
    tees_->setCurrentIndex(-1);
    tees_->setEditText("");
    CenterForm(*this, context_);
}

void NewCourseWindow::addCaption(const QString& name, const QString& text, int left, int top,
                                 int width) {
    auto* label = new QLabel(text, this);
    label->setObjectName(name);
    label->setGeometry(left, top, width, RowHeight);
}

QLineEdit* NewCourseWindow::addBox(const QString& name, int left, int top, int width) {
    auto* box = new QLineEdit(this);
    box->setObjectName(name);
    box->setGeometry(left, top, width, RowHeight);
    return box;
}

QLabel* NewCourseWindow::addSum(const QString& name, int top) {
    auto* label = new QLabel(this);
    label->setObjectName(name);
    label->setGeometry(ColumnLeft + 9 * ColumnStep + 4, top, 56, RowHeight);
    return label;
}

void NewCourseWindow::buildNine(int firstHole, int top, const std::array<int, 9>& parBoxes,
                                const std::array<int, 9>& yardBoxes,
                                const std::array<int, 9>& handicapBoxes) {
    QString nine = firstHole == 1 ? "Front" : "Back";
    addCaption(nine + "HoleCaption", "Hole:", 12, top, 80);
    addCaption(nine + "ParCaption", "Par:", 12, top + 20, 80);
    addCaption(nine + "YardsCaption", "Yards:", 12, top + 46, 80);
    addCaption(nine + "HandicapCaption", "Handicap:", 12, top + 72, 80);
    for (int i = 0; i < 9; ++i) {
        int h = firstHole + i;
        int left = ColumnLeft + i * ColumnStep;
        auto* number = new QLabel(QString::number(h), this);
        number->setObjectName(QString("HoleNumber%1").arg(h));
        number->setAlignment(Qt::AlignCenter);
        number->setGeometry(left, top, BoxWidth, 18);

        par_[h] = addBox(QString("Text%1").arg(parBoxes[i]), left, top + 20, BoxWidth);
        yards_[h] = addBox(QString("Text%1").arg(yardBoxes[i]), left, top + 46, BoxWidth);
        handicap_[h] = addBox(QString("Text%1").arg(handicapBoxes[i]), left, top + 72, BoxWidth);
        FilterDigits(*par_[h], 3, 9);
        FilterDigits(*yards_[h], 1, 999);
        FilterDigits(*handicap_[h], 1, 18);
        for (QLineEdit* box : {par_[h], yards_[h], handicap_[h]})
            SelectWholeTextOnFocus(*box);
        for (QLineEdit* box : {par_[h], yards_[h], handicap_[h]})
            box->installEventFilter(this);
    }
}

// The window watches its boxes itself, so that nothing reaches it once it is being
// destroyed (a box losing the focus then).
bool NewCourseWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::FocusOut)
        return QDialog::eventFilter(watched, event);
    if (watched == tees_)
        course_.TeeName = tees_->currentText().toStdString();
    for (int h = 1; h <= core::HoleCount; ++h) {
        if (watched == par_[h]) {
            course_.HolePar[h] = Value(par_[h]);
            showSums();
        } else if (watched == yards_[h]) {
            course_.HoleYards[h] = core::ReadNumber(yards_[h]->text().toStdString());
            showSums();
        } else if (watched == handicap_[h]) {
            course_.HoleHandicap[h] = Value(handicap_[h]);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void NewCourseWindow::showSums() {
    frontPar_->setText(Text(core::SignedText(core::ParSum(course_, 1, 9))));
    backPar_->setText(Text(core::SignedText(core::ParSum(course_, 10, 18))));
    frontYards_->setText(Text(core::SignedText(core::YardsSum(course_, 1, 9))));
    backYards_->setText(Text(core::SignedText(core::YardsSum(course_, 10, 18))));
}

void NewCourseWindow::takeValuesFromBoxes() {
    course_.PlayerName = name_->text().toStdString();
    course_.CourseName = courseName_->text().toStdString();
    course_.TeeName = tees_->currentText().toStdString();
    course_.CourseRating = static_cast<float>(core::ReadNumber(rating_->text().toStdString()));
    course_.CourseSlope = static_cast<float>(core::ReadNumber(slope_->text().toStdString()));
    for (int h = 1; h <= core::HoleCount; ++h) {
        course_.HolePar[h] = Value(par_[h]);
        course_.HoleYards[h] = core::ReadNumber(yards_[h]->text().toStdString());
        course_.HoleHandicap[h] = Value(handicap_[h]);
    }
}

bool NewCourseWindow::refuse(const std::optional<core::NewCourseRefusal>& refusal) {
    if (!refusal)
        return false;
    context_.platform.messages.beep();
    context_.platform.messages.show(Text(refusal->message), Text(refusal->title),
                                    MessageIcon::Critical);
    return true;
}

void NewCourseWindow::save() {
    platform::MessageBoxes& messages = context_.platform.messages;
    takeValuesFromBoxes();
    if (refuse(core::CheckHolesComplete(course_)))
        return;
    if (core::RatingsMissing(rating_->text().toStdString(), slope_->text().toStdString())) {
        messages.beep();
        MessageAnswer answer =
            messages.show(Text(core::MissingRatingQuestion()), core::MissingRatingTitle,
                          MessageIcon::Question, MessageButtons::YesNo);
        if (answer != MessageAnswer::Yes)
            return;
    }
    core::ApplyNewCourseDefaults(course_);
    if (refuse(core::CheckNewCourseSlope(course_)))
        return;
    core::ComputeLengthClasses(course_);
    core::DateNewCourse(course_, context_.platform.clock.today());

    platform::FileDialogRequest request;
    request.title = "Create a NEW COURSE File";
    request.fileName = "";
    request.flags = platform::DialogFlag::ForSaving;
    request.defaultExtension = "crs";
    request.filter = "Course Files (*.crs)|*.crs|";
    std::optional<QString> path = context_.platform.fileDialogs.saveFile(request);
    if (!path || path->isEmpty())
        return;

    core::CourseState written = core::CourseWithoutStatistics(course_);
    written.CourseFileName = path->toStdString();
    core::FileStamp stamp;
    if (core::FileResult result =
            core::WriteCourseFile(written, core::CourseFileKind::NewCourse, &stamp);
        !result) {
        messages.beep();
        messages.show("Unable to save the new course file." + Break + Break + Text(result.error),
                      "Course File Error", MessageIcon::Critical);
        return;
    }
    // The rounds of a course file replaced by this one are not this course's rounds.
    core::SetAsideRoundJournal(written.CourseFileName);
    course_ = written;
    context_.state.course = written;
    context_.state.courseFileStamp = stamp;
    if (context_.mainWindow)
        context_.mainWindow->disableCourseCommandsAfterNewCourse();

    if (messages.show("Do you wish to Set up a Another Course.", "", MessageIcon::Question,
                      MessageButtons::YesNo) == MessageAnswer::Yes) {
        emptyBoxes();
        name_->setFocus();
    } else {
        accept();
    }
}

void NewCourseWindow::emptyBoxes() {
    for (QLineEdit* box : {name_, courseName_, rating_, slope_})
        box->clear();
    tees_->setCurrentIndex(-1);
    tees_->setEditText("");
    for (int h = 1; h <= core::HoleCount; ++h)
        for (QLineEdit* box : {par_[h], yards_[h], handicap_[h]})
            box->clear();
    for (QLabel* sum : {frontPar_, backPar_, frontYards_, backYards_})
        sum->clear();
    course_ = {};
}

void NewCourseWindow::showHelp() {
    context_.platform.messages.show(
        "Enter the par, yards & hole handicap as found on your scorecard." +
            QString(" Press the TAB key between entries. The program will cycle") +
            " through each category completely before moving on to the next." + Break + Break +
            "The hole handicap is the difficulty rating of the hole." +
            " Nearly all golf courses allocate the odd numbers in the order" +
            " of difficulty to the Front 9 and the even numbers to the Back 9." + Break +
            "The hole handicap is most often used in match play events.",
        "How to Enter Scorecard Data", MessageIcon::Exclamation);
}

} // namespace ui
