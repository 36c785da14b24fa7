#include "bench/target_summary.h"

#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <ostream>

namespace {

struct Target {
    const char* function; // the benchmark
    const char* args;     // and its arguments, as its name shows them
    const char* counter;  // the ratio it reports
    double most;          // the highest ratio that meets the target
    const char* what;
    const char* unit = "x"; // after the figure and the target: a ratio's "x" or a unit
};

constexpr Target kTargets[] = {
    {"BM_ListShownVsQtFloor", "0", "x_qt_floor", 0.5,
     "list of 2,800 with its first paint / Qt's item painting"},
    {"BM_SortColumnVsQtFloor", "0", "x_qt_floor", 0.5, "sort by column 0, painted / Qt's"},
    {"BM_SortColumnVsQtFloor", "1", "x_qt_floor", 0.5, "sort by column 1, painted / Qt's"},
    {"BM_SortColumnVsQtFloor", "2", "x_qt_floor", 0.5, "sort by column 2, painted / Qt's"},
    {"BM_SortColumnVsQtFloor", "3", "x_qt_floor", 0.5, "sort by column 3, painted / Qt's"},
    {"BM_StartupToShownMainWindow", "", "x_qt_text", 1.3,
     "start to the shown window / Qt's one-label window"},
    {"BM_StartupToShownMainWindow", "", "peak_x_qt_text", 1.15,
     "start-up peak memory / Qt's one-label window's"},
    {"BM_LoadDatabaseVsFloor", "", "x_floor", 2.0, "load / read-and-split floor"},
    {"BM_PrintVsCheck", "", "x_check", 2.0, "KLV --print, whole process / klv-check's whole run"},
    {"BM_Growth/tree_breadth", "", "x_growth", 3.5, "top-level lines x3: start, paint, expand all"},
    {"BM_Growth/tree_breadth", "", "peak_per_byte_x", 1.2,
     "top-level lines x3: peak memory per input byte"},
    {"BM_Growth/tree_breadth", "", "peak_per_line", 430, "peak memory per 14-byte top-level line",
     " B"},
    {"BM_Growth/tree_depth", "", "x_growth", 3.5,
     "tree depth (its file) x3: start, paint, expand all"},
    {"BM_Growth/node_info", "", "x_growth", 3.5, "NodeInfo.ini sections x3: start, paint, a sort"},
    {"BM_Growth/line_files", "", "x_growth", 3.5,
     "line files' lines x3: start, paint, a quick search"},
    {"BM_Growth/opcode_lines", "", "x_growth", 3.5,
     "opcode files' lines x3: start, paint, list all"},
    {"BM_Growth/opcode_texts", "", "x_growth", 3.5,
     "opcode texts' length x3: start, paint, copy all"},
    {"BM_Growth/sites", "", "x_growth", 3.5, "Sites.ini sections x3: start, paint, a sort"},
};

std::string Key(const std::string& function, const std::string& args, const std::string& counter) {
    return function + "/" + args + "|" + counter;
}

} // namespace

std::unique_ptr<TargetSummary> TargetSummary::ForArguments(int argc, char** argv) {
    bool console = true, colour = isatty(STDOUT_FILENO) != 0, tabular = false;
    const auto option = [](const char* arg, const char* name, const char*& value) {
        const std::size_t length = std::strlen(name);
        value = arg + length;
        return std::strncmp(arg, name, length) == 0;
    };
    const auto yes = [](const char* value) {
        return std::strcmp(value, "false") != 0 && std::strcmp(value, "no") != 0;
    };
    for (int i = 1; i < argc; ++i) {
        const char* value;
        if (option(argv[i], "--benchmark_format=", value))
            console = std::strcmp(value, "console") == 0;
        if (option(argv[i], "--benchmark_color=", value))
            colour = yes(value);
        if (option(argv[i], "--benchmark_counters_tabular=", value))
            tabular = yes(value);
    }
    if (!console)
        return nullptr;
    return std::make_unique<TargetSummary>(
        static_cast<OutputOptions>((colour ? OO_Color : 0) | (tabular ? OO_Tabular : 0)));
}

void TargetSummary::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    // A single run's figures, or the median of repeated runs.
    for (const Run& run : runs) {
        const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
        const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
        if (run.error_occurred || !(median || single))
            continue;
        for (const auto& [counter, value] : run.counters)
            found_[Key(run.run_name.function_name, run.run_name.args, counter)] = value.value;
    }
}

void TargetSummary::Finalize() {
    std::ostream& out = GetOutputStream();
    bool heading = false;
    for (const Target& target : kTargets) {
        const auto found = found_.find(Key(target.function, target.args, target.counter));
        if (found == found_.end())
            continue; // not run this time
        if (!heading) {
            out << "\nTargets, as ratios measured in this run:\n";
            heading = true;
        }
        char line[160];
        std::snprintf(line, sizeof line, "  %-56s %7.3f%s   target <= %.2f%s: %s\n", target.what,
                      found->second, target.unit, target.most, target.unit,
                      found->second <= target.most ? "met" : "not met");
        out << line;
    }
    ConsoleReporter::Finalize();
}
