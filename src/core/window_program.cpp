#include "core/window_program.h"

namespace core {

std::vector<std::filesystem::path>
WindowProgramCandidates(const std::filesystem::path& frontFolder,
                        const std::filesystem::path& installedFromFront) {
    std::vector<std::filesystem::path> candidates{frontFolder / WindowProgramName};
    if (!installedFromFront.empty()) {
        std::filesystem::path installed =
            (frontFolder / installedFromFront / WindowProgramName).lexically_normal();
        if (installed != candidates.front())
            candidates.push_back(installed);
    }
    return candidates;
}

} // namespace core
