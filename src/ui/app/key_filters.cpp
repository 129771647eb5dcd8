#include "ui/app/key_filters.h"

#include "core/key_filter.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QValidator>

namespace ui {
namespace {

enum class Kind { Digits, Decimal, Text };

// Takes the characters the data files cannot store out of pasted or set text before the
// box changes, so that whoever follows textChanged only ever sees the cleaned text.
class StorableTextValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& position) const override {
        QString cleaned;
        int cursor = position;
        for (int i = 0; i < input.size(); ++i) {
            if (core::AcceptsTextCharacter(input[i].unicode()))
                cleaned += input[i];
            else if (i < position)
                --cursor;
        }
        input = cleaned;
        position = cursor;
        return Acceptable;
    }
};

// Holds a numeric box to its range for whatever text arrives at once: a paste, a drop,
// the middle button, an input method. A refused change leaves the box as it was.
class DigitBoxValidator : public QValidator {
public:
    DigitBoxValidator(QLineEdit& box, double minimum, double maximum)
        : QValidator(&box), before_(box.text()), minimum_(minimum), maximum_(maximum) {
        // The box calls validate() with the new text before it announces it, so the text
        // last announced is the one the change starts from.
        connect(&box, &QLineEdit::textChanged, this,
                [this](const QString& text) { before_ = text; });
    }
    State validate(QString& input, int&) const override {
        return core::AcceptsDigitBoxChange(before_.toStdString(), input.toStdString(), minimum_,
                                           maximum_)
                   ? Acceptable
                   : Invalid;
    }

private:
    QString before_;
    double minimum_;
    double maximum_;
};

class DecimalBoxValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        return core::IsDecimalBoxText(input.toStdString()) ? Acceptable : Invalid;
    }
};

class KeyFilter : public QObject {
public:
    KeyFilter(QLineEdit& box, Kind kind, double minimum, double maximum)
        : QObject(&box), box_(box), kind_(kind), minimum_(minimum), maximum_(maximum) {
        box.installEventFilter(this);
        switch (kind) {
        case Kind::Text:
            box.setValidator(new StorableTextValidator(&box));
            break;
        case Kind::Decimal:
            box.setValidator(new DecimalBoxValidator(&box));
            break;
        case Kind::Digits:
            box.setValidator(new DigitBoxValidator(box, minimum, maximum));
            break;
        }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != &box_ || event->type() != QEvent::KeyPress)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        QString text = key->text();
        // Keys that type nothing (arrows, Tab, Delete, shortcuts) keep their usual meaning.
        if (text.isEmpty() || text == "\b" || text == "\t" || key->key() == Qt::Key_Backspace ||
            (key->modifiers() & Qt::ControlModifier) || !text.at(0).isPrint())
            return false;
        QChar c = text.at(0);
        switch (kind_) {
        case Kind::Text:
            return !core::AcceptsTextCharacter(c.unicode());
        case Kind::Decimal:
            return !core::AcceptsDecimalCharacter(c.unicode());
        case Kind::Digits: {
            if (c.unicode() > 0x7F)
                return true;
            int start = box_.hasSelectedText() ? box_.selectionStart() : box_.cursorPosition();
            int length = box_.hasSelectedText() ? static_cast<int>(box_.selectedText().size()) : 0;
            return !core::AcceptsDigit(box_.text().toStdString(), start, length,
                                       static_cast<char>(c.unicode()), minimum_, maximum_);
        }
        }
        return false;
    }

private:
    QLineEdit& box_;
    Kind kind_;
    double minimum_;
    double maximum_;
};

} // namespace

void FilterDigits(QLineEdit& box, double minimum, double maximum) {
    new KeyFilter(box, Kind::Digits, minimum, maximum);
}

void FilterDecimal(QLineEdit& box) {
    new KeyFilter(box, Kind::Decimal, 0, 0);
}

void FilterStorableText(QLineEdit& box) {
    new KeyFilter(box, Kind::Text, 0, 0);
}

} // namespace ui
