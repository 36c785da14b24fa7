// Cold start to the shown main window, measured in a child process per run (this program
// run again as the child, offscreen): wall time from spawning it to its exit once the
// window is shown, its peak resident memory, and its processor time; and the same for
// Qt's empty main window. The "CPU" column is the parent's and means nothing here.
#if KELPRA_BENCH_UI
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "bench/child_process.h"
#include "bench/synthetic_db.h"

namespace fs = std::filesystem;

namespace {

class SyntheticCurrentDir {
  public:
    SyntheticCurrentDir() {
        dir_ = fs::temp_directory_path() / ("kelpra-bench-startup-" + std::to_string(::getpid()));
        fs::remove_all(dir_);
        WriteSyntheticDatabase(dir_);
        previous_ = fs::current_path();
        fs::current_path(dir_);
    }
    ~SyntheticCurrentDir() {
        fs::current_path(previous_);
        fs::remove_all(dir_);
    }

  private:
    fs::path dir_, previous_;
};

// The program's start against Qt's share alone (application object and an empty main
// window, shown), and against Qt's share of a window of the program's size that shows one
// line of text, run in turns so that all meet the same machine load. The time is the
// program's; the counters give the figures and their ratios.
void BM_StartupToShownMainWindow(benchmark::State& state) {
    SyntheticCurrentDir folder;
    double full = 0, empty = 0, text = 0, fullPeak = 0, emptyPeak = 0, textPeak = 0, cpu = 0;
    for (auto _ : state) {
        const ChildRun qt = RunChild("empty");
        const ChildRun run = RunChild("full");
        const ChildRun label = RunChild("text:" + run.windowSize);
        state.SetIterationTime(run.seconds);
        full += run.seconds;
        empty += qt.seconds;
        text += label.seconds;
        fullPeak = std::max(fullPeak, run.peakMegabytes);
        emptyPeak = std::max(emptyPeak, qt.peakMegabytes);
        textPeak = std::max(textPeak, label.peakMegabytes);
        cpu += run.cpuSeconds;
    }
    const auto runs = static_cast<double>(state.iterations());
    state.counters["qt_empty_ms"] = 1000.0 * empty / runs;
    state.counters["x_qt_empty"] = full / empty;
    state.counters["qt_text_ms"] = 1000.0 * text / runs;
    state.counters["x_qt_text"] = full / text;
    // Qt's one-label window against the empty one: what showing any text costs at all.
    state.counters["qt_text_x_qt_empty"] = text / empty;
    state.counters["peak_MB"] = fullPeak;
    state.counters["qt_empty_peak_MB"] = emptyPeak;
    state.counters["peak_x_qt_empty"] = fullPeak / emptyPeak;
    state.counters["qt_text_peak_MB"] = textPeak;
    state.counters["peak_x_qt_text"] = fullPeak / textPeak;
    state.counters["qt_text_peak_x_qt_empty"] = textPeak / emptyPeak;
    state.counters["child_cpu_ms"] = 1000.0 * cpu / runs;
}
BENCHMARK(BM_StartupToShownMainWindow)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace
#endif
