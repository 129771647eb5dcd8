#include "core/help_search.h"

namespace core {
namespace {

std::string InFolder(std::string folder) {
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder + std::string(HelpFileName);
}

} // namespace

std::optional<std::string> FindHelpFile(std::string_view programFolder,
                                        const std::function<std::string()>& pathValue,
                                        const std::function<bool(const std::string&)>& fileExists) {
    std::string candidate = InFolder(std::string(programFolder));
    if (fileExists(candidate))
        return candidate;

    std::string path = pathValue();
    if (path.empty())
        return std::nullopt;
    if (path.back() != ':')
        path += ':';
    // Every entry is followed by a ':' now; what comes after the last one is not an entry.
    size_t start = 0;
    for (size_t end = path.find(':'); end != std::string::npos; end = path.find(':', start)) {
        candidate = InFolder(path.substr(start, end - start));
        if (fileExists(candidate))
            return candidate;
        start = end + 1;
    }
    return std::nullopt;
}

} // namespace core
