// The benchmark program. With "--startup-child=<what>" it is instead the child process
// that the start-up benchmark measures: it opens a window and exits once it is shown.
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>

#include "bench/target_summary.h"

#if KELPRA_BENCH_UI
#include "bench/startup_child.h"
#include "ui/application.h"
#endif

int main(int argc, char** argv) {
#if KELPRA_BENCH_UI
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], kStartupChildOption, std::strlen(kStartupChildOption)) == 0)
            return RunStartupChild(argv[i] + std::strlen(kStartupChildOption), argc, argv);
    // The window benchmarks need the application object: offscreen unless told otherwise.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    KelpraApplication app(argc, argv);
#endif
    // The console report ends with the targets' summary; another format stays as asked.
    const std::unique_ptr<TargetSummary> summary = TargetSummary::ForArguments(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    if (summary)
        benchmark::RunSpecifiedBenchmarks(summary.get());
    else
        benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
