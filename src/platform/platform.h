#pragma once

#include "platform/clock.h"
#include "platform/file_dialogs.h"
#include "platform/help_viewer.h"
#include "platform/message_boxes.h"
#include "platform/printer.h"
#include "platform/screen.h"
#include "platform/sound.h"

#include <QString>

namespace platform {

// The desktop services the windows use; tests put scripted ones in their place.
struct Platform {
    MessageBoxes& messages;
    FileDialogs& fileDialogs;
    Printer& printer;
    Clock& clock;
    Screen& screen;
    SoundDevice& sound;
    HelpViewer& help;
    QString programFolder; // where the program keeps its sounds, help and trivia files
};

// The real services, owned together.
struct QtPlatformServices {
    QtMessageBoxes messages;
    QtFileDialogs fileDialogs;
    QtPrinter printer{fileDialogs, messages};
    SystemClock clock;
    QtScreen screen;
    QtSoundDevice sound;
    QtHelpViewer help;

    Platform platform(const QString& programFolder) {
        return {messages, fileDialogs, printer, clock, screen, sound, help, programFolder};
    }
};

} // namespace platform
