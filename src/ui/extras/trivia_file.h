#pragma once

#include "core/trivia.h"
#include "ui/app/app_context.h"

#include <QString>

#include <optional>

namespace ui {

// Where trivia.dat is kept: in the program's folder, or, when that folder cannot be
// written (an installed program), in the user's data folder, so that the switch and the
// progress always persist. Reading looks in the same place.
QString TriviaFilePath(const AppContext& context);
// The same, kept in the shared state as the trivia file in use.
QString ResolveTriviaFile(AppContext& context);

// The stored line; none when the file is missing or cannot be read.
std::optional<core::TriviaRecord> ReadTriviaFile(const QString& path);

// Replaces the file; tells the user when it cannot be written.
bool WriteTriviaFile(const AppContext& context, const QString& path,
                     const core::TriviaRecord& record);

} // namespace ui
