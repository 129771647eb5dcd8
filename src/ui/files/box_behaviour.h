#pragma once

class QLineEdit;

namespace ui {

// The box selects its whole text whenever it receives the focus, however it got it,
// so that typing replaces the value.
void SelectWholeTextOnFocus(QLineEdit& box);

} // namespace ui
