#pragma once

#include <array>
#include <cmath>

// Window geometry in twips, the unit the program's layouts are given in.
namespace core {

constexpr int TwipsPerPixel = 15;

inline int TwipsToPixels(double twips) {
    return static_cast<int>(std::lround(twips / TwipsPerPixel));
}

struct Point {
    double x = 0;
    double y = 0;
};

struct Size {
    double width = 0;
    double height = 0;
};

struct Rect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

// Where a secondary window goes: centred over the main window when it fits inside it
// in both directions, otherwise centred on the screen. Returns the new left and top.
Point CenterFormPosition(const Rect& window, const Rect& mainWindow, const Size& screen);

// One line of a sunken 3-D edge: dark gray on the top and left, white on the right and bottom.
struct EdgeLine {
    Point from;
    Point to;
    bool light = false;
};
using SunkenEdge = std::array<EdgeLine, 4>;

// The border drawn around a control, from (left - 15, top - 15), widened by 20 and 15 twips.
SunkenEdge ControlBorderLines(double left, double top, double width, double height);
// The frame drawn just inside a picture box's drawing area.
SunkenEdge InsetFrameLines(double scaleLeft, double scaleTop, double scaleWidth,
                           double scaleHeight);

} // namespace core
