#pragma once

#include <QString>

namespace platform {

enum class MessageIcon { None, Critical, Question, Exclamation, Information };
enum class MessageButtons { Ok, OkCancel, YesNo };
enum class MessageAnswer { Ok, Cancel, Yes, No };

// Modal message boxes and the system beep.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual MessageAnswer show(const QString& text, const QString& title, MessageIcon icon,
                               MessageButtons buttons = MessageButtons::Ok) = 0;
    virtual void beep() = 0;
};

class QtMessageBoxes : public MessageBoxes {
public:
    MessageAnswer show(const QString& text, const QString& title, MessageIcon icon,
                       MessageButtons buttons) override;
    void beep() override;
};

} // namespace platform
