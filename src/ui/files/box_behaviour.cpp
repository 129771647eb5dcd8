#include "ui/files/box_behaviour.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

namespace ui {
namespace {

class FocusWatcher : public QObject {
public:
    FocusWatcher(QWidget& widget, QEvent::Type type, std::function<void(QFocusEvent&)> handler)
        : QObject(&widget), type_(type), handler_(std::move(handler)) {
        widget.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == type_)
            handler_(*static_cast<QFocusEvent*>(event));
        return false;
    }

private:
    QEvent::Type type_;
    std::function<void(QFocusEvent&)> handler_;
};

} // namespace

void SelectWholeTextOnFocus(QLineEdit& box) {
    QPointer<QLineEdit> guarded(&box);
    new FocusWatcher(box, QEvent::FocusIn, [guarded](QFocusEvent& event) {
        guarded->selectAll();
        // The click that gave the focus places the cursor afterwards.
        if (event.reason() == Qt::MouseFocusReason)
            QTimer::singleShot(0, guarded, [guarded] {
                if (guarded && guarded->hasFocus())
                    guarded->selectAll();
            });
    });
}

void OnFocusLost(QWidget& widget, std::function<void()> handler) {
    new FocusWatcher(widget, QEvent::FocusOut,
                     [handler = std::move(handler)](QFocusEvent&) { handler(); });
}

} // namespace ui
