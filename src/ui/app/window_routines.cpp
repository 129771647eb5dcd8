#include "ui/app/window_routines.h"

#include "core/sound_flags.h"
#include "core/twips.h"
#include "platform/picture_box.h"
#include "ui/app/main_window.h"

#include <QDir>
#include <QWidget>

namespace ui {
namespace {

core::Rect TwipsRect(const QRect& r) {
    constexpr double t = core::TwipsPerPixel;
    return {r.x() * t, r.y() * t, r.width() * t, r.height() * t};
}

void DrawEdge(platform::PictureBox& target, const core::SunkenEdge& edge) {
    int previousWidth = target.drawWidth();
    target.setDrawWidth(1);
    target.setCurrentPosition(edge[0].from.x, edge[0].from.y);
    for (const core::EdgeLine& line : edge)
        target.lineTo(line.to.x, line.to.y, line.light ? LightColor : ShadowColor);
    target.setDrawWidth(previousWidth);
}

} // namespace

void UseLightGrey(QWidget& widget) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, LightGrey);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

QRect TwipsRect(int left, int top, int width, int height) {
    return {core::TwipsToPixels(left), core::TwipsToPixels(top), core::TwipsToPixels(width),
            core::TwipsToPixels(height)};
}

void CenterForm(QWidget& window, const AppContext& context) {
    QSize screen = context.platform.screen.size();
    constexpr double t = core::TwipsPerPixel;
    core::Rect main = context.mainWindow
                          ? TwipsRect(context.mainWindow->frameGeometry())
                          : core::Rect{0, 0, screen.width() * t, screen.height() * t};
    // Before a window is first shown its frame is not known: its own size stands for it.
    QRect own = window.isVisible() ? window.frameGeometry() : QRect(window.pos(), window.size());
    core::Point at =
        core::CenterFormPosition(TwipsRect(own), main, {screen.width() * t, screen.height() * t});
    window.move(core::TwipsToPixels(at.x), core::TwipsToPixels(at.y));
}

void DrawControlBorder(const QWidget& control, platform::PictureBox& target) {
    QRect r = control.geometry();
    if (control.parentWidget() != &target)
        r.moveTopLeft(target.mapFrom(control.parentWidget(), r.topLeft()));
    core::Rect twips = TwipsRect(r);
    DrawEdge(target, core::ControlBorderLines(twips.left, twips.top, twips.width, twips.height));
}

void DrawInsetFrame(platform::PictureBox& target) {
    DrawEdge(target, core::InsetFrameLines(target.scaleLeft(), target.scaleTop(),
                                           target.scaleWidth(), target.scaleHeight()));
}

void DrawShadowText(platform::PictureBox& target, const QString& text, int x, int y,
                    const QColor& color) {
    QColor previous = target.foreColor();
    target.setCurrentPosition(x + 15, y + 15);
    target.setForeColor(LightColor);
    target.printText(text);
    target.setCurrentPosition(x, y);
    target.setForeColor(color);
    target.printText(text);
    target.setForeColor(previous);
}

int PlaySoundFile(const AppContext& context, const QString& fileName, std::optional<int> flags) {
    QString path = QDir(context.platform.programFolder).filePath(fileName);
    return context.platform.sound.playSound(path, core::NormalizeSoundFlags(flags)) ? 1 : 0;
}

void PlaySoundIfDevice(const AppContext& context, const QString& fileName) {
    if (context.platform.sound.outputDeviceCount() > 0)
        PlaySoundFile(context, fileName);
}

} // namespace ui
