#pragma once

#include "ui/app/app_context.h"

#include <QColor>
#include <QString>

#include <optional>

class QWidget;

namespace platform {
class PictureBox;
}

namespace ui {

inline const QColor ShadowColor{128, 128, 128};
inline const QColor LightColor{255, 255, 255};

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
