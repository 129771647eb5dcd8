#pragma once

#include <filesystem>
#include <string_view>
#include <vector>

// The command-line front runs the text verbs itself and hands everything else to the
// window program, which holds the Qt libraries. These say where that program lives.
namespace core {

inline constexpr std::string_view WindowProgramName = "tarnwick-window";

// Where to look for the window program, in order: beside the front (the build tree),
// then in the folder the install puts it in, given relative to the front's folder.
std::vector<std::filesystem::path>
WindowProgramCandidates(const std::filesystem::path& frontFolder,
                        const std::filesystem::path& installedFromFront);

} // namespace core
