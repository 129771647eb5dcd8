#pragma once

#include <string>
#include <vector>

// The most recently opened files of one kind, newest first, as the menus list them.
namespace core {

inline constexpr size_t RecentFileCount = 4;

// The list with path at its head: moved there when already listed, the oldest dropped
// beyond RecentFileCount. Empty paths and empty entries are left out.
std::vector<std::string> WithRecentFile(const std::vector<std::string>& recent,
                                        const std::string& path);

// The list without path (a file that could not be opened any more).
std::vector<std::string> WithoutRecentFile(const std::vector<std::string>& recent,
                                           const std::string& path);

} // namespace core
