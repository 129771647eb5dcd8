#include "ui/app/key_filters.h"

#include "core/key_filter.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace ui {
namespace {

enum class Kind { Digits, Decimal, Text };

class KeyFilter : public QObject {
public:
    KeyFilter(QLineEdit& box, Kind kind, double minimum, double maximum)
        : QObject(&box), box_(box), kind_(kind), minimum_(minimum), maximum_(maximum) {
        box.installEventFilter(this);
        if (kind == Kind::Text)
            QObject::connect(&box, &QLineEdit::textChanged, this, [this](const QString& text) {
                if (text.contains('"')) {
                    int cursor = box_.cursorPosition();
                    QString cleaned = text;
                    cleaned.remove('"');
                    box_.setText(cleaned);
                    box_.setCursorPosition(std::min<int>(cursor, cleaned.size()));
                }
            });
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
            return c == '"';
        case Kind::Decimal:
            return !(c.isDigit() || c == '.');
        case Kind::Digits: {
            if (!c.isDigit())
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
