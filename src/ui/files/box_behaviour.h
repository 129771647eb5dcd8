#pragma once

#include <functional>

class QLineEdit;
class QWidget;

namespace ui {

// The box selects its whole text whenever it receives the focus, however it got it,
// so that typing replaces the value.
void SelectWholeTextOnFocus(QLineEdit& box);

// Runs `handler` each time the widget loses the focus.
void OnFocusLost(QWidget& widget, std::function<void()> handler);

} // namespace ui
