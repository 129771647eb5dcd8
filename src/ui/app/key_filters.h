#pragma once

#include <QObject>

class QLineEdit;

namespace ui {

// Lets a numeric box take only the digits that keep its value inside [minimum, maximum];
// backspace and editing keys pass, every other character is discarded. A pasted, dropped
// or input-method text is held to the same range as a whole.
void FilterDigits(QLineEdit& box, double minimum, double maximum);

// Lets a box take only digits, the point and backspace, whatever the value, however the
// text arrives.
void FilterDecimal(QLineEdit& box);

// Refuses the double quote and line breaks, which the data files cannot store; pasted
// or set text loses them before the box changes.
void FilterStorableText(QLineEdit& box);

} // namespace ui
