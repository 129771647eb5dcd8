#pragma once

#include "core/trivia.h"
#include "ui/app/app_context.h"

#include <QString>

#include <optional>

namespace ui {

// Where trivia.dat is kept: always in the user's data folder, never in the program's
// own. A trivia.dat an earlier version left in the program's folder is moved there the
// first time.
QString TriviaFilePath(const AppContext& context);
// The same, kept in the shared state as the trivia file in use.
QString ResolveTriviaFile(AppContext& context);

// The stored line; none when the file is missing or cannot be read.
std::optional<core::TriviaRecord> ReadTriviaFile(const QString& path);

// Replaces the file; tells the user when it cannot be written.
bool WriteTriviaFile(const AppContext& context, const QString& path,
                     const core::TriviaRecord& record);

} // namespace ui
