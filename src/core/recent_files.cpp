#include "core/recent_files.h"

namespace core {

std::vector<std::string> WithRecentFile(const std::vector<std::string>& recent,
                                        const std::string& path) {
    std::vector<std::string> list;
    if (!path.empty())
        list.push_back(path);
    for (const std::string& entry : recent)
        if (list.size() < RecentFileCount && !entry.empty() && entry != path)
            list.push_back(entry);
    return list;
}

std::vector<std::string> WithoutRecentFile(const std::vector<std::string>& recent,
                                           const std::string& path) {
    std::vector<std::string> list;
    for (const std::string& entry : recent)
        if (!entry.empty() && entry != path)
            list.push_back(entry);
    return list;
}

} // namespace core
