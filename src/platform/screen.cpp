#include "platform/screen.h"

#include <QGuiApplication>
#include <QScreen>

namespace platform {

QSize QtScreen::size() const {
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize(640, 480);
}

} // namespace platform
