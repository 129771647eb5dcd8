// Reading and rewriting the two data files.
#include "core/atomic_file.h"
#include "core/course_file.h"
#include "core/handicap_file.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

std::string Fixture(const char* name) {
    return std::string(TARNWICK_FIXTURES) + "/files/" + name;
}

// A scratch copy of a fixture, removed with its folder at the end.
class ScratchCopy {
public:
    explicit ScratchCopy(const char* fixture) {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "tarnwick-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()))
            folder_ = pattern;
        path_ = folder_ + "/" + fixture;
        std::filesystem::copy_file(Fixture(fixture), path_);
    }
    ~ScratchCopy() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    const std::string& path() const { return path_; }

private:
    std::string folder_;
    std::string path_;
};

void BM_LoadCourseFile(benchmark::State& state) {
    ScratchCopy file("course_with_statistics.crs");
    for (auto _ : state) {
        core::CourseState course;
        if (!core::LoadCourseFile(file.path(), course)) {
            state.SkipWithError("the course file did not load");
            return;
        }
        benchmark::DoNotOptimize(course);
    }
}

// Parse and text again, in memory: the round trip without the disk.
void BM_CourseFileRoundTripInMemory(benchmark::State& state) {
    core::CourseState loaded;
    core::LoadCourseFile(Fixture("course_with_statistics.crs"), loaded);
    const std::string text = core::CourseFileText(loaded, core::CourseFileKind::Rewrite);
    for (auto _ : state) {
        core::CourseState course;
        if (!core::ParseCourseFile(text, "bench.crs", course)) {
            state.SkipWithError("the course file did not parse");
            return;
        }
        benchmark::DoNotOptimize(core::CourseFileText(course, core::CourseFileKind::Rewrite));
    }
}

// The text of the file without the disk: what a round's rewrite costs before the flush.
void BM_CourseFileText(benchmark::State& state) {
    core::CourseState course;
    core::LoadCourseFile(Fixture("course_with_statistics.crs"), course);
    for (auto _ : state)
        benchmark::DoNotOptimize(core::CourseFileText(course, core::CourseFileKind::Rewrite));
}

// The rewrite after a saved round, alone: temporary file, flush to disk, rename.
void BM_WriteCourseFile(benchmark::State& state) {
    ScratchCopy file("course_with_statistics.crs");
    core::CourseState course;
    if (!core::LoadCourseFile(file.path(), course)) {
        state.SkipWithError("the course file did not load");
        return;
    }
    for (auto _ : state) {
        if (!core::WriteCourseFile(course)) {
            state.SkipWithError("the course file could not be written");
            return;
        }
    }
}

void BM_LoadHandicapFile(benchmark::State& state) {
    ScratchCopy file("handicap_with_rounds.hcp");
    for (auto _ : state) {
        core::HandicapState handicap;
        if (!core::LoadHandicapFile(file.path(), handicap)) {
            state.SkipWithError("the handicap file did not load");
            return;
        }
        benchmark::DoNotOptimize(handicap);
    }
}

void BM_HandicapFileRoundTrip(benchmark::State& state) {
    ScratchCopy file("handicap_with_rounds.hcp");
    for (auto _ : state) {
        core::HandicapState handicap;
        if (!core::LoadHandicapFile(file.path(), handicap) || !core::SaveHandicapFile(handicap)) {
            state.SkipWithError("the handicap file round trip failed");
            return;
        }
    }
}

// Files that are no course file at all, at the largest size still read, and far
// beyond it: each must be refused at once.
class ScratchFile {
public:
    ScratchFile(const std::string& content, size_t sparseSize = 0) {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "tarnwick-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()))
            folder_ = pattern;
        path_ = folder_ + "/junk.crs";
        std::ofstream(path_, std::ios::binary) << content;
        if (sparseSize > 0)
            std::filesystem::resize_file(path_, sparseSize);
    }
    ~ScratchFile() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    const std::string& path() const { return path_; }

private:
    std::string folder_;
    std::string path_;
};

void LoadJunk(benchmark::State& state, const ScratchFile& file) {
    for (auto _ : state) {
        core::CourseState course;
        if (core::LoadCourseFile(file.path(), course)) {
            state.SkipWithError("junk loaded as a course");
            return;
        }
    }
}

void BM_RefuseOneLongField(benchmark::State& state) {
    LoadJunk(state, ScratchFile(std::string(core::MaxDataFileSize, 'j')));
}

void BM_RefuseHugeFile(benchmark::State& state) {
    LoadJunk(state, ScratchFile("x", size_t(300) << 20));
}

} // namespace

BENCHMARK(BM_RefuseOneLongField)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RefuseHugeFile)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadCourseFile)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CourseFileRoundTripInMemory)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CourseFileText)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WriteCourseFile)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadHandicapFile)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HandicapFileRoundTrip)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
