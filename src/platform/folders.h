#pragma once

#include <QString>

namespace platform {

// The folder that holds the program's sounds and help: beside the executable in the
// build tree, share/tarnwick of the install prefix when installed. The executable's own
// folder when neither holds them.
QString ProgramDataFolder(const QString& executableFolder);

// The user's own data folder, ~/.local/share/tarnwick, where trivia.dat is kept.
QString UserDataFolder();

// Where file dialogs start the first time: the user's documents folder, or home.
QString DocumentsFolder();

} // namespace platform
