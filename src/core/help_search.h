#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace core {

// The name the help file is looked for under.
inline constexpr std::string_view HelpFileName = "Tarnwk30.HLP";

// Looks for the help file in the program's folder, then in each folder of the PATH value
// (entries separated by ':'; an empty entry is the root folder). PATH is only asked for
// when the program's folder does not hold the file. Returns the full path of the file
// found first.
std::optional<std::string> FindHelpFile(std::string_view programFolder,
                                        const std::function<std::string()>& pathValue,
                                        const std::function<bool(const std::string&)>& fileExists);

} // namespace core
