#pragma once

#include <QObject>

class QLineEdit;

namespace ui {

// Lets a numeric box take only the digits that keep its value inside [minimum, maximum];
// backspace and editing keys pass, every other character is discarded.
void FilterDigits(QLineEdit& box, double minimum, double maximum);

// Lets a box take only digits, the point and backspace, whatever the value.
void FilterDecimal(QLineEdit& box);

// Refuses the double quote, which the data files cannot store; pasted or set text loses
// it and any line break before the box changes.
void FilterStorableText(QLineEdit& box);

} // namespace ui
