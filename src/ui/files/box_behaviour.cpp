#include "ui/files/box_behaviour.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

namespace ui {
namespace {

// Owned by its box, so it never outlives it.
class SelectOnFocus : public QObject {
public:
    explicit SelectOnFocus(QLineEdit& box) : QObject(&box), box_(&box) {
        box.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::FocusIn)
            return false;
        box_->selectAll();
        // The click that gave the focus places the cursor afterwards.
        if (static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason) {
            QPointer<QLineEdit> box = box_;
            QTimer::singleShot(0, box, [box] {
                if (box && box->hasFocus())
                    box->selectAll();
            });
        }
        return false;
    }

private:
    QLineEdit* box_;
};

} // namespace

void SelectWholeTextOnFocus(QLineEdit& box) {
    new SelectOnFocus(box);
}

} // namespace ui
