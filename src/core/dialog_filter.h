#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace core {

// Turns a file-dialog filter of the form "Label|pattern|Label|pattern|" into name
// filters of the form "Label (pattern)". "*.*" becomes "*", which on this platform
// also matches names without a dot.
std::vector<std::string> DialogNameFilters(std::string_view filter);

} // namespace core
