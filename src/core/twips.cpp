#include "core/twips.h"

namespace core {
namespace {

SunkenEdge Edge(double x, double y, double w, double h) {
    return {{{{x, y}, {x + w, y}, false},
             {{x + w, y}, {x + w, y + h}, true},
             {{x + w, y + h}, {x, y + h}, true},
             {{x, y + h}, {x, y}, false}}};
}

} // namespace

Point CenterFormPosition(const Rect& window, const Rect& mainWindow, const Size& screen) {
    if (window.height > mainWindow.height || window.width > mainWindow.width)
        return {(screen.width - window.width) / 2, (screen.height - window.height) / 2};
    return {mainWindow.left + (mainWindow.width - window.width) / 2,
            mainWindow.top + (mainWindow.height - window.height) / 2};
}

SunkenEdge ControlBorderLines(double left, double top, double width, double height) {
    return Edge(std::nearbyint(left - 15), std::nearbyint(top - 15), std::nearbyint(width + 20),
                std::nearbyint(height + 15));
}

SunkenEdge InsetFrameLines(double scaleLeft, double scaleTop, double scaleWidth,
                           double scaleHeight) {
    return Edge(std::nearbyint(scaleLeft), std::nearbyint(scaleTop),
                std::nearbyint(scaleWidth - 15), std::nearbyint(scaleHeight - 15));
}

} // namespace core
