// tarnwick: the command line. The text verbs run here, linked to the core library only,
// so a report on standard output does not pay for loading Qt; the window, file
// arguments and PDF output are handed to the window program, which replaces this process.
#include "core/command_line.h"
#include "core/window_program.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <unistd.h>

namespace {

std::filesystem::path FrontFolder(const char* argv0) {
    std::error_code error;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        self = std::filesystem::absolute(argv0, error);
    return self.parent_path();
}

int StartWindowProgram(char* argv[]) {
    const std::vector<std::filesystem::path> candidates =
        core::WindowProgramCandidates(FrontFolder(argv[0]), TARNWICK_WINDOW_FROM_FRONT);
    int failure = ENOENT;
    for (const std::filesystem::path& program : candidates) {
        if (access(program.c_str(), X_OK) != 0)
            continue;
        std::string name = program.string();
        argv[0] = name.data();
        execv(name.c_str(), argv);
        failure = errno;
    }
    return core::CommandLineError(std::cerr,
                                  std::string(core::WindowProgramName) +
                                      " could not be started: " + std::strerror(failure) + ".");
}

} // namespace

int main(int argc, char* argv[]) {
    const core::CommandArguments arguments(argv + 1, argv + argc);
    if (std::optional<int> status = core::RunTextCommand(arguments, std::cout, std::cerr))
        return *status;
    return StartWindowProgram(argv);
}
