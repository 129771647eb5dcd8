// A synchronous sound holds the program while it plays: the greeting at start-up and the
// farewell at Quit. This times that hold against the sound's own length. It needs a
// sound device; a null sink of a sound server will do.
#include "core/wave_sound.h"
#include "platform/sound.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <string>
#include <vector>

namespace {

double SoundSeconds(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray bytes = file.readAll();
    const auto sound =
        core::ReadWaveSound(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
    return sound ? sound->seconds() : 0;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

void BM_SynchronousSound(benchmark::State& state, const char* name) {
    const QString path = QString(TARNWICK_ASSETS) + "/sounds/" + name;
    const double seconds = SoundSeconds(path);
    platform::QtSoundDevice device;
    if (seconds <= 0 || device.outputDeviceCount() == 0) {
        state.SkipWithError("no sound device, or the sound could not be read");
        return;
    }
    std::vector<double> overMs;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        if (!device.playSound(path, 0)) {
            state.SkipWithError("the sound did not play");
            return;
        }
        const double held = clock.nsecsElapsed() / 1e9;
        state.SetIterationTime(held);
        overMs.push_back((held - seconds) * 1000);
    }
    state.counters["sound_ms"] = seconds * 1000;
    state.counters["held_past_end_ms"] = Median(overMs);
}
BENCHMARK_CAPTURE(BM_SynchronousSound, greeting, "teeshot.wav")
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(5);
BENCHMARK_CAPTURE(BM_SynchronousSound, farewell, "putt.wav")
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(5);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
