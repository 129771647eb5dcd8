#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace core {

// Turns a file-dialog filter of the form "Label|pattern|Label|pattern|" into name
// filters of the form "Label (pattern)". "*.*" becomes "*", which on this platform
// also matches names without a dot.
std::vector<std::string> DialogNameFilters(std::string_view filter);

// The kind of file a dialog is for: the extension of the first filter's first pattern
// ("crs" for "Course Files (*.crs)|*.crs|..."), lower case; empty when it names none.
std::string DialogFileKind(std::string_view filter);

} // namespace core
