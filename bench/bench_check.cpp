#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>

#include "bench/synthetic_db.h"
#include "opcodes/database_files.h"
#include "opcodes/files/file_names.h"
#include "tools/klv-check/data_check.h"

namespace fs = std::filesystem;

namespace {

// klv-check's whole run over the full-size synthetic database: reading the seven files,
// every check, the sorted report.
void BM_CheckDatabase(benchmark::State& state) {
    // Named by the process, so that benchmarks run side by side keep apart.
    const fs::path dir =
        fs::temp_directory_path() / ("kelpra-bench-check-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    WriteSyntheticDatabase(dir);
    const fs::path previous = fs::current_path();
    fs::current_path(dir);
    std::size_t findings = 0;
    for (auto _ : state) {
        const CheckReport report = CheckDatabase(DatabaseFiles::ForCurrentDir(CurrentDir()));
        findings = report.findings.size();
        benchmark::DoNotOptimize(findings);
    }
    state.counters["findings"] = static_cast<double>(findings);
    fs::current_path(previous);
    fs::remove_all(dir);
}
BENCHMARK(BM_CheckDatabase)->Unit(benchmark::kMillisecond);

} // namespace
