#pragma once

#include "platform/clock.h"
#include "platform/file_dialogs.h"
#include "platform/folders.h"
#include "platform/help_viewer.h"
#include "platform/message_boxes.h"
#include "platform/printer.h"
#include "platform/remembering_file_dialogs.h"
#include "platform/screen.h"
#include "platform/settings.h"
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
    Settings& settings;
    QString programFolder; // where the program keeps its sounds and help; read only
    QString dataFolder;    // the user's own folder for trivia.dat
};

// The real services, owned together.
struct QtPlatformServices {
    QtMessageBoxes messages;
    Settings settings;
    QtFileDialogs plainFileDialogs;
    RememberingFileDialogs fileDialogs{plainFileDialogs, settings, DocumentsFolder()};
    QtPrinter printer{fileDialogs, messages};
    SystemClock clock;
    QtScreen screen;
    QtSoundDevice sound;
    QtHelpViewer help;

    Platform platform(const QString& executableFolder) {
        return {messages,
                fileDialogs,
                printer,
                clock,
                screen,
                sound,
                help,
                settings,
                ProgramDataFolder(executableFolder),
                UserDataFolder()};
    }
};

} // namespace platform
