// KLV --print as an editor's hover runs it: the whole process, from its start to its exit,
// against klv-check's whole run on the same full-size database, in turns so that both meet
// the same machine load. The "CPU" column is the parent's and means nothing here.
#if KELPRA_BENCH_UI
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/synthetic_db.h"

extern char** environ;

namespace {

// The wall time of one run of the program, its output thrown away; its exit status must be
// `status`.
double RunProgram(std::vector<std::string> args, int status) {
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int exit = 0;
    if (spawned != 0 || waitpid(pid, &exit, 0) != pid || !WIFEXITED(exit) ||
        WEXITSTATUS(exit) != status)
        throw std::runtime_error("cannot run " + args.front());
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_PrintVsCheck(benchmark::State& state) {
    const SyntheticFolder folder;
    double print = 0, check = 0;
    for (auto _ : state) {
        // A text that many captions hold: every record it prints is formatted.
        const double printed = RunProgram({KELPRA_KLV_PROGRAM, "--print", "0A"}, 0);
        check += RunProgram({KELPRA_CHECK_PROGRAM, "."}, 1);
        print += printed;
        state.SetIterationTime(printed);
    }
    const auto runs = static_cast<double>(state.iterations());
    state.counters["print_ms"] = 1000.0 * print / runs;
    state.counters["check_ms"] = 1000.0 * check / runs;
    state.counters["x_check"] = print / check;
}
BENCHMARK(BM_PrintVsCheck)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace
#endif
