#pragma once

#include "ui/app/app_context.h"

#include <QColor>
#include <QRect>
#include <QString>

#include <optional>

class QWidget;

namespace platform {
class PictureBox;
}

namespace ui {

inline const QColor ShadowColor{128, 128, 128};
inline const QColor LightColor{255, 255, 255};
inline const QColor LightGrey{192, 192, 192}; // the face of the program's dialogs

// Gives a window the light-grey face of the program's dialogs.
void UseLightGrey(QWidget& widget);

// A rectangle given in twips, in pixels.
QRect TwipsRect(int left, int top, int width, int height);

// Places a secondary window over the main window, or on the screen when it is larger.
void CenterForm(QWidget& window, const AppContext& context);

// Sunken 3-D edges drawn into a picture box's kept image.
void DrawControlBorder(const QWidget& control, platform::PictureBox& target);
void DrawInsetFrame(platform::PictureBox& target);
void DrawShadowText(platform::PictureBox& target, const QString& text, int x, int y,
                    const QColor& color);

// Plays a wave file of the program's folder (synchronously by default); returns the
// platform's result.
int PlaySoundFile(const AppContext& context, const QString& fileName,
                  std::optional<int> flags = std::nullopt);
// The sound-device check in front of every sound: plays only when a device exists.
void PlaySoundIfDevice(const AppContext& context, const QString& fileName);

} // namespace ui
