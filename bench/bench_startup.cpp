// Cold start to the shown main window, measured in a child process per run (this program
// run again as the child, offscreen): wall time from spawning it to its exit once the
// window is shown, its peak resident memory, and its processor time; and the same for
// Qt's empty main window. The "CPU" column is the parent's and means nothing here.
#if KELPRA_BENCH_UI
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/startup_child.h"
#include "bench/synthetic_db.h"

extern char** environ;

namespace fs = std::filesystem;

namespace {

struct ChildRun {
    double seconds;
    double peakMegabytes;
    double cpuSeconds;
    std::string windowSize; // "WxH"
};

double Seconds(const timeval& t) {
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
}

ChildRun RunChild(const std::string& what) {
    std::string self = fs::read_symlink("/proc/self/exe").string();
    std::string option = std::string(kStartupChildOption) + what;
    std::string platform = "QT_QPA_PLATFORM=offscreen";
    std::vector<char*> args = {self.data(), option.data(), nullptr};
    std::vector<char*> env;
    for (char** e = environ; *e != nullptr; ++e)
        if (std::strncmp(*e, "QT_QPA_PLATFORM=", 16) != 0)
            env.push_back(*e);
    env.push_back(platform.data());
    env.push_back(nullptr);
    // The child writes its own peak resident size here: rusage's ru_maxrss would also
    // count what the child inherited from this (large) process before its exec.
    int report[2];
    if (pipe(report) != 0)
        throw std::runtime_error("cannot make a pipe");

    const auto start = std::chrono::steady_clock::now();
    // The platform's notices on the child's error stream would drown the figures.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, report[1], 1);
    posix_spawn_file_actions_addclose(&actions, report[0]);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, self.c_str(), &actions, nullptr, args.data(), env.data());
    posix_spawn_file_actions_destroy(&actions);
    close(report[1]);
    std::string output;
    char buffer[256];
    for (ssize_t n; spawned == 0 && (n = read(report[0], buffer, sizeof buffer)) > 0;)
        output.append(buffer, static_cast<std::size_t>(n));
    close(report[0]);
    if (spawned != 0)
        throw std::runtime_error("cannot start the child");
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    long peak = 0;
    int width = 0, height = 0;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 ||
        std::sscanf(output.c_str(), "%ld %d %d", &peak, &width, &height) != 3)
        throw std::runtime_error("the child failed");
    return {seconds, static_cast<double>(peak) / 1024.0, // VmHWM is in KiB
            Seconds(usage.ru_utime) + Seconds(usage.ru_stime),
            std::to_string(width) + "x" + std::to_string(height)};
}

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
