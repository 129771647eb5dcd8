#include "ui/handicap/round_edit_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>

namespace ui {
namespace {

QLineEdit* Box(QWidget* parent, const char* name, const std::string& text) {
    auto* box = new QLineEdit(QString::fromStdString(text), parent);
    box->setObjectName(name);
    return box;
}

} // namespace

RoundEditDialog::RoundEditDialog(const core::RoundEditTexts& t, QWidget* parent) : QDialog(parent) {
    setObjectName("RoundEdit");
    setWindowTitle("Correct a Round");
    auto* form = new QFormLayout(this);
    date_ = Box(this, "EditDate", t.date);
    adjusted_ = Box(this, "EditAdjustedScore", t.adjustedScore);
    rating_ = Box(this, "EditCourseRating", t.courseRating);
    slope_ = Box(this, "EditSlopeRating", t.slopeRating);
    tournament_ = new QCheckBox(this);
    tournament_->setObjectName("EditTournament");
    tournament_->setChecked(t.tournament);
    gross_ = Box(this, "EditGrossScore", t.grossScore);
    whsAdjusted_ = Box(this, "EditWhsAdjustedScore", t.whsAdjustedScore);
    par_ = Box(this, "EditPar", t.par);
    form->addRow("Date (mm/dd/yyyy):", date_);
    form->addRow("Adjusted Gross Score:", adjusted_);
    form->addRow("Course Rating:", rating_);
    form->addRow("Slope Rating:", slope_);
    form->addRow("Tournament Score:", tournament_);
    form->addRow("Gross Score:", gross_);
    form->addRow("WHS Adjusted Gross Score:", whsAdjusted_);
    form->addRow("Par:", par_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

core::RoundEditTexts RoundEditDialog::texts() const {
    core::RoundEditTexts t;
    t.date = date_->text().toStdString();
    t.adjustedScore = adjusted_->text().toStdString();
    t.courseRating = rating_->text().toStdString();
    t.slopeRating = slope_->text().toStdString();
    t.tournament = tournament_->isChecked();
    t.grossScore = gross_->text().toStdString();
    t.whsAdjustedScore = whsAdjusted_->text().toStdString();
    t.par = par_->text().toStdString();
    return t;
}

} // namespace ui
