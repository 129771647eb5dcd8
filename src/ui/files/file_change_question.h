#pragma once

#include "core/atomic_file.h"
#include "ui/app/app_context.h"

#include <string>

namespace ui {

// Before a data file is rewritten: when another program has changed it since this
// program last read or wrote it, asks whether to replace it anyway. True: write it;
// false: the user keeps the file on disk and nothing may be written.
bool MayReplaceFile(const AppContext& context, const std::string& path,
                    const core::FileStamp& stamp);

} // namespace ui
