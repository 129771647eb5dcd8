#pragma once

#include <QSize>

namespace platform {

// The size of the screen the program runs on, in pixels.
class Screen {
public:
    virtual ~Screen() = default;
    virtual QSize size() const = 0;
};

class QtScreen : public Screen {
public:
    QSize size() const override;
};

} // namespace platform
