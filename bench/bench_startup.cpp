// Cold start to the shown main window, measured in a child process per run (this program
// run again as the child, offscreen): wall time from spawning it to its exit once the
// window is shown, its peak resident memory, and its processor time. The "CPU" column is
// the parent's and means nothing here.
#if KELPRA_BENCH_UI
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
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

    const auto start = std::chrono::steady_clock::now();
    // The platform's notices on the child's error stream would drown the figures.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, self.c_str(), &actions, nullptr, args.data(), env.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        throw std::runtime_error("cannot start the child");
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error("the child failed");
    return {seconds, static_cast<double>(usage.ru_maxrss) / 1024.0, // ru_maxrss is in KiB
            Seconds(usage.ru_utime) + Seconds(usage.ru_stime)};
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

void RunStartup(benchmark::State& state, const std::string& what) {
    SyntheticCurrentDir folder;
    double peak = 0, cpu = 0;
    for (auto _ : state) {
        const ChildRun run = RunChild(what);
        state.SetIterationTime(run.seconds);
        peak = std::max(peak, run.peakMegabytes);
        cpu += run.cpuSeconds;
    }
    state.counters["peak_MB"] = peak;
    state.counters["child_cpu_ms"] = 1000.0 * cpu / static_cast<double>(state.iterations());
}

// The program: application object, main window with the whole loading on the full-size
// synthetic database, search window, shown.
void BM_StartupToShownMainWindow(benchmark::State& state) {
    RunStartup(state, "full");
}
BENCHMARK(BM_StartupToShownMainWindow)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// Qt's own share: application object and an empty main window, shown.
void BM_StartupQtEmptyWindow(benchmark::State& state) {
    RunStartup(state, "empty");
}
BENCHMARK(BM_StartupQtEmptyWindow)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace
#endif
