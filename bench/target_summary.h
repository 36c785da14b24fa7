#pragma once
// The console report, followed by a line for each speed and memory target that the
// benchmarks measure as a ratio: the ratio this run found, against the target.

#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

class TargetSummary : public benchmark::ConsoleReporter {
  public:
    explicit TargetSummary(OutputOptions options) : ConsoleReporter(options) {}
    // The report the program's arguments ask for (read before the library takes them):
    // colours and columns as the library's own console report would have them, none
    // when another format is asked for.
    static std::unique_ptr<TargetSummary> ForArguments(int argc, char** argv);

    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

  private:
    std::map<std::string, double> found_; // "benchmark/arguments|counter" -> value
};
