// Process start-ups, each timed side by side with its yardstick in the same run (the two
// take turns, first one then the other first), so that a busy machine slows both alike:
// - the main window, from process start to its first frame painted, against the least
//   Qt Widgets program with a menu bar, a toolbar and a 640 x 480 window; today's trivia
//   question answered, no sound device;
// - a text report on standard output, against the same report from a program linked to
//   the core library only.
// Each reports both medians (ms) and their ratio as counters, and the same for the CPU
// time of the whole run, which a busy machine disturbs less than the clock.
#include "core/day_number.h"
#include "core/trivia.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

long long MonotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000000000LL + now.tv_nsec;
}

double Median(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// A program folder of its own: copies of the two Tarnwick programs, a trivia.dat that says
// today's question is answered (in the program folder and in the user's data folders, so
// it is found wherever the program looks), an empty home, and no sound server.
class ScratchInstall {
public:
    ScratchInstall() {
        std::string pattern = (fs::temp_directory_path() / "tarnwick-startup-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            return;
        root_ = pattern;
        const fs::path program = root_ / "program";
        const fs::path data = root_ / "data";
        for (const fs::path& folder : {program, data / "tarnwick", data / "Tarnwick" / "Tarnwick",
                                       root_ / "home", root_ / "config"})
            fs::create_directories(folder);
        fs::copy_file(TARNWICK_EXECUTABLE, program / "tarnwick");
        fs::copy_file(TARNWICK_WINDOW_EXECUTABLE, program / "tarnwick-window");
        const std::string trivia = core::TriviaRecordText(AnsweredToday());
        for (const fs::path& folder : {program, data / "tarnwick", data / "Tarnwick" / "Tarnwick"})
            std::ofstream(folder / "trivia.dat", std::ios::binary) << trivia;
        front_ = (program / "tarnwick").string();

        for (char** variable = environ; *variable; ++variable)
            environment_.emplace_back(*variable);
        const char* home = std::getenv("HOME");
        // Fonts stay cached where they are, or the first runs would rebuild the cache.
        if (!std::getenv("XDG_CACHE_HOME") && home)
            Set("XDG_CACHE_HOME", std::string(home) + "/.cache");
        Set("HOME", (root_ / "home").string());
        Set("XDG_DATA_HOME", data.string());
        Set("XDG_CONFIG_HOME", (root_ / "config").string());
        Set("PULSE_SERVER", "unix:" + (root_ / "no-sound-server").string());
        Set("TARNWICK_EXIT_WHEN_PAINTED", "1");
        if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") &&
            !std::getenv("QT_QPA_PLATFORM"))
            Set("QT_QPA_PLATFORM", "offscreen");
        for (std::string& variable : environment_)
            envp_.push_back(variable.data());
        envp_.push_back(nullptr);
    }
    ~ScratchInstall() {
        std::error_code ignored;
        if (!root_.empty())
            fs::remove_all(root_, ignored);
    }
    bool ready() const { return !front_.empty(); }
    const std::string& front() const { return front_; }
    char** environment() { return envp_.data(); }

private:
    static core::TriviaRecord AnsweredToday() {
        const std::time_t now = std::time(nullptr);
        std::tm local{};
        localtime_r(&now, &local);
        core::TriviaRecord record;
        record.lastDay.dayNumber =
            core::DayNumberFromDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
        record.lastQuestion = 3;
        record.points = 11;
        return record;
    }
    void Set(const std::string& name, const std::string& value) {
        const std::string prefix = name + "=";
        std::erase_if(environment_, [&](const std::string& v) { return v.rfind(prefix, 0) == 0; });
        environment_.push_back(prefix + value);
    }

    fs::path root_;
    std::string front_;
    std::vector<std::string> environment_;
    std::vector<char*> envp_;
};

struct Run {
    double ms = 0;
    bool ok = false;
    double cpuMs = 0; // user and system, start to exit
};

// Runs a program to its end. With untilPainted, the time is up to the moment it printed
// as painted; otherwise up to its exit.
Run Time(std::vector<std::string> arguments, char** environment, bool untilPainted) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[1]);
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    const long long start = MonotonicNs();
    pid_t pid = 0;
    const bool spawned =
        posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environment) == 0;
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    std::string output;
    char buffer[4096];
    for (ssize_t n; spawned && (n = read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
        output.append(buffer, static_cast<size_t>(n));
    close(pipeEnds[0]);
    int status = 0;
    rusage usage{};
    if (!spawned || wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0)
        return {};
    const long long end = MonotonicNs();
    const double cpuMs = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
                         (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    if (!untilPainted)
        return {(end - start) / 1e6, true, cpuMs};
    const size_t at = output.find("painted ");
    if (at == std::string::npos)
        return {};
    return {(std::stoll(output.substr(at + 8)) - start) / 1e6, true, cpuMs};
}

// Times the program and its yardstick in turns; the iteration time is the program's.
void SideBySide(benchmark::State& state, const std::vector<std::string>& program,
                const std::vector<std::string>& yardstick, char** environment, bool untilPainted,
                const char* yardstickName) {
    std::vector<double> programMs;
    std::vector<double> yardstickMs;
    std::vector<double> programCpuMs;
    std::vector<double> yardstickCpuMs;
    bool programFirst = true;
    for (auto _ : state) {
        Run first = Time(programFirst ? program : yardstick, environment, untilPainted);
        Run second = Time(programFirst ? yardstick : program, environment, untilPainted);
        if (!first.ok || !second.ok) {
            state.SkipWithError("a program did not start, paint and end cleanly");
            return;
        }
        const Run& ours = programFirst ? first : second;
        const Run& theirs = programFirst ? second : first;
        programMs.push_back(ours.ms);
        yardstickMs.push_back(theirs.ms);
        programCpuMs.push_back(ours.cpuMs);
        yardstickCpuMs.push_back(theirs.cpuMs);
        state.SetIterationTime(ours.ms / 1000);
        programFirst = !programFirst;
    }
    const double ours = Median(programMs);
    const double theirs = Median(yardstickMs);
    state.counters["tarnwick_ms"] = ours;
    state.counters[std::string(yardstickName) + "_ms"] = theirs;
    state.counters["ratio"] = theirs > 0 ? ours / theirs : 0;
    const double oursCpu = Median(programCpuMs);
    const double theirsCpu = Median(yardstickCpuMs);
    state.counters["tarnwick_cpu_ms"] = oursCpu;
    state.counters[std::string(yardstickName) + "_cpu_ms"] = theirsCpu;
    state.counters["cpu_ratio"] = theirsCpu > 0 ? oursCpu / theirsCpu : 0;
}

ScratchInstall& Install() {
    static ScratchInstall install;
    return install;
}

void BM_StartUpAgainstMinimalWindow(benchmark::State& state) {
    ScratchInstall& install = Install();
    if (!install.ready()) {
        state.SkipWithError("could not prepare a program folder");
        return;
    }
    SideBySide(state, {install.front()}, {MINIMAL_QT_WINDOW_EXECUTABLE}, install.environment(),
               true, "minimal_window");
}
// Several pairs in each repetition, so that its medians mean something.
BENCHMARK(BM_StartUpAgainstMinimalWindow)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->MinTime(3);

void BM_TextReportAgainstCoreOnly(benchmark::State& state) {
    ScratchInstall& install = Install();
    if (!install.ready()) {
        state.SkipWithError("could not prepare a program folder");
        return;
    }
    const std::string course = std::string(TARNWICK_FIXTURES) + "/stats/four_rounds.crs";
    SideBySide(state, {install.front(), "--report", "holes", course},
               {CORE_ONLY_REPORT_EXECUTABLE, "--report", "holes", course}, install.environment(),
               false, "core_only");
}
BENCHMARK(BM_TextReportAgainstCoreOnly)->Unit(benchmark::kMillisecond)->UseManualTime();

} // namespace

BENCHMARK_MAIN();
