// How the program's costs grow with each input that a data author can make grow: the
// whole way from the start to the main window's first paint and one user action after it,
// measured in a child process per run (as the start-up benchmark), on the synthetic
// database grown by N and by 3N. "x_growth" is the time at 3N over the time at N, which
// stays near 3 while a cost grows in proportion to its input. "fixed_share" is the start
// on the database without growth over the time at N: the share the sizes are chosen to
// keep small. Each figure is the fastest of the runs, the least disturbed by the
// machine's other work. The tree's breadth also gives the memory per input byte (peak
// resident size above the database without growth) and its growth, and the bytes per line.
#if KELPRA_BENCH_UI
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <functional>
#include <limits>
#include <string>

#include "bench/child_process.h"
#include "bench/synthetic_db.h"

namespace fs = std::filesystem;

namespace {

// The synthetic database grown as told, made the current directory while it lives.
class GrownFolder {
  public:
    GrownFolder(const SyntheticDbOptions& options, const char* name) {
        dir_ = fs::temp_directory_path() /
               ("kelpra-bench-growth-" + std::to_string(::getpid()) + "-" + name);
        fs::remove_all(dir_);
        WriteSyntheticDatabase(dir_, options);
        // Written out before the run: the writing back of hundreds of megabytes would
        // otherwise share the machine with it.
        ::sync();
        for (const auto& file : fs::directory_iterator(dir_ / "INI"))
            bytes_ += file.file_size();
        previous_ = fs::current_path();
        fs::current_path(dir_);
    }
    ~GrownFolder() {
        fs::current_path(previous_);
        fs::remove_all(dir_);
    }
    GrownFolder(const GrownFolder&) = delete;
    GrownFolder& operator=(const GrownFolder&) = delete;

    double Bytes() const { return static_cast<double>(bytes_); }

  private:
    fs::path dir_, previous_;
    std::uintmax_t bytes_ = 0;
};

// The fastest of the runs (the least disturbed by the machine's other work) and the
// highest peak.
struct Best {
    double seconds = std::numeric_limits<double>::infinity();
    double cpuSeconds = std::numeric_limits<double>::infinity();
    double peakMegabytes = 0;
    void Add(const ChildRun& run) {
        seconds = std::min(seconds, run.seconds);
        cpuSeconds = std::min(cpuSeconds, run.cpuSeconds);
        peakMegabytes = std::max(peakMegabytes, run.peakMegabytes);
    }
};

using Grow = std::function<void(SyntheticDbOptions&, int scale)>;

// The database grown by `n` and by 3n through `grow`, started with `action` in turns (so
// that both sizes meet the same machine load), and once without growth.
// `lineBytes`: the bytes of each line grown, for the memory per line (0: no such lines).
void Growth(benchmark::State& state, const Grow& grow, int n, const char* action, int lineBytes) {
    const std::string child = std::string("growth:") + action;
    // A small database under the growth, so that its fixed start-up cost is small too.
    SyntheticDbOptions base;
    base.categories = 3;
    base.types = 8;
    SyntheticDbOptions once = base, thrice = base;
    grow(once, n);
    grow(thrice, 3 * n);
    Best fixed, small, large;
    double baseBytes = 0, smallBytes = 0, largeBytes = 0;
    for (auto _ : state) {
        {
            GrownFolder folder(base, "0");
            fixed.Add(RunChild(child));
            baseBytes = folder.Bytes();
        }
        {
            GrownFolder folder(once, "n");
            small.Add(RunChild(child));
            smallBytes = folder.Bytes();
        }
        {
            GrownFolder folder(thrice, "3n");
            const ChildRun run = RunChild(child);
            large.Add(run);
            largeBytes = folder.Bytes();
            state.SetIterationTime(run.seconds);
        }
    }
    const double grownSmall = smallBytes - baseBytes, grownLarge = largeBytes - baseBytes;
    state.counters["n_ms"] = 1000 * small.seconds;
    state.counters["3n_ms"] = 1000 * large.seconds;
    state.counters["input_x"] = grownLarge / grownSmall;
    state.counters["x_growth"] = large.seconds / small.seconds;
    state.counters["fixed_share"] = fixed.seconds / small.seconds;
    // The growth alone, the start without it taken off both: where the fixed share is
    // large, this shows what the plain ratio would hide.
    state.counters["x_growth_net"] =
        (large.seconds - fixed.seconds) / (small.seconds - fixed.seconds);
    // The processor time of both threads: the work alone, which the machine's other
    // work does not stretch.
    state.counters["n_cpu_ms"] = 1000 * small.cpuSeconds;
    state.counters["x_growth_cpu"] = large.cpuSeconds / small.cpuSeconds;
    state.counters["fixed_share_cpu"] = fixed.cpuSeconds / small.cpuSeconds;
    const double perByteSmall = (small.peakMegabytes - fixed.peakMegabytes) * 1048576 / grownSmall;
    const double perByteLarge = (large.peakMegabytes - fixed.peakMegabytes) * 1048576 / grownLarge;
    state.counters["peak_per_byte"] = perByteLarge;
    state.counters["peak_per_byte_x"] = perByteLarge / perByteSmall;
    if (lineBytes > 0)
        state.counters["peak_per_line"] = perByteLarge * lineBytes;
}

void Register(const char* input, int n, const char* action, Grow grow, int lineBytes = 0) {
    benchmark::RegisterBenchmark(
        (std::string("BM_Growth/") + input).c_str(),
        [=](benchmark::State& state) { Growth(state, grow, n, action, lineBytes); })
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(2);
}

// N for each input: large enough that the start without growth is under a tenth of the
// time at N, where the program reads files that large. It reads none over 256 MiB, and a
// byte of an opcode file costs so little that a tenth of the time is not reached below
// that: those files, the line files, the tree of the deep chain (whose file grows with the
// square of its depth) and Sites.ini (of which only the sites' own sections are read) are
// taken near that limit at 3N.
const int kRegistered = [] {
    // Top-level lines whose keys name no section: the window once hung on these.
    Register(
        "tree_breadth", 500000, "expand", [](SyntheticDbOptions& o, int n) { o.extraRoots = n; },
        14);
    // A chain's file grows with the square of its depth: √3 deeper is 3 times the input.
    Register("tree_depth", 25000, "expand", [](SyntheticDbOptions& o, int n) {
        o.chainDepth = static_cast<int>(std::lround(std::sqrt(7000.0 * n)));
    });
    Register("node_info", 650000, "sort",
             [](SyntheticDbOptions& o, int n) { o.extraNodeSections = n; });
    Register("line_files", 440000, "quick", [](SyntheticDbOptions& o, int n) { o.extraLines = n; });
    Register("opcode_lines", 660, "list-all",
             [](SyntheticDbOptions& o, int n) { o.fillerSections = n; });
    Register("opcode_texts", 31500, "copy-all",
             [](SyntheticDbOptions& o, int n) { o.textLength = n; });
    Register("sites", 900000, "sort",
             [](SyntheticDbOptions& o, int n) { o.extraSiteSections = n; });
    return 0;
}();

} // namespace
#endif
