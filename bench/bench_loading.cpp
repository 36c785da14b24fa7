#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <memory>
#include <set>

#include "bench/synthetic_db.h"
#include "opcodes/categories.h"
#include "opcodes/category_tree.h"
#include "opcodes/database_files.h"
#include "opcodes/files/file_names.h"
#include "opcodes/ini_file.h"
#include "opcodes/opcode.h"

namespace fs = std::filesystem;

namespace {

struct LoadedDatabase {
    TOpcodesList opcodes;
    std::vector<TreeItem> tree;
    std::vector<CategoryInfo> categories;
    std::vector<std::string> types;
};

LoadedDatabase LoadAll() {
    const DatabaseFiles files = DatabaseFiles::ForCurrentDir(CurrentDir());
    const TIniFile typeInfo(files.TypeInfo);
    LoadedDatabase db{
        TOpcodesList(files.Opcodes, files.Translation, typeInfo, files.TypeLines), {}, {}, {}};
    ReadCategoryTree(files.Tree, db.tree);
    db.categories = ReadCategories(db.tree, files.NodeInfo, files.NodeLines);
    db.types = ReadTypeCaptions(typeInfo);
    return db;
}

std::size_t FolderBytes() {
    std::size_t total = 0;
    for (const auto& entry : fs::directory_iterator("INI"))
        total += entry.file_size();
    return total;
}

// Loading the whole database: opcode table, tree, node information, type list.
void BM_LoadDatabase(benchmark::State& state) {
    SyntheticFolder folder({.fillerSections = static_cast<int>(state.range(0))});
    for (auto _ : state)
        benchmark::DoNotOptimize(LoadAll());
    state.counters["bytes"] = static_cast<double>(FolderBytes());
}
BENCHMARK(BM_LoadDatabase)->Arg(0)->Arg(1)->Arg(3)->Unit(benchmark::kMillisecond);

// The floor: each of the same files read whole, in one read into a buffer of its size,
// and its line ends counted.
std::size_t ReadAndSplit() {
    std::size_t lines = 0;
    for (const auto& entry : fs::directory_iterator("INI")) {
        const int fd = ::open(entry.path().c_str(), O_RDONLY | O_CLOEXEC);
        struct stat info {};
        if (fd < 0 || ::fstat(fd, &info) != 0) {
            if (fd >= 0)
                ::close(fd);
            continue;
        }
        const std::size_t size = static_cast<std::size_t>(info.st_size);
        const auto bytes = std::make_unique_for_overwrite<char[]>(size);
        const ssize_t got = ::read(fd, bytes.get(), size);
        ::close(fd);
        const char* p = bytes.get();
        const char* const end = p + std::max<ssize_t>(got, 0);
        while ((p = static_cast<const char*>(
                    std::memchr(p, '\n', static_cast<std::size_t>(end - p))))) {
            ++lines;
            ++p;
        }
    }
    return lines;
}

void BM_ReadAndSplitFloor(benchmark::State& state) {
    SyntheticFolder folder({.fillerSections = static_cast<int>(state.range(0))});
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadAndSplit());
}
BENCHMARK(BM_ReadAndSplitFloor)->Arg(0)->Arg(1)->Arg(3)->Unit(benchmark::kMillisecond);

// The loading against its floor on the full-size database, in turns: the time is the
// loading's, "x_floor" the ratio.
void BM_LoadDatabaseVsFloor(benchmark::State& state) {
    SyntheticFolder folder;
    using Clock = std::chrono::steady_clock;
    Clock::duration load{}, floor{};
    for (auto _ : state) {
        const auto start = Clock::now();
        benchmark::DoNotOptimize(ReadAndSplit());
        const auto middle = Clock::now();
        benchmark::DoNotOptimize(LoadAll());
        const auto end = Clock::now();
        floor += middle - start;
        load += end - middle;
        state.SetIterationTime(std::chrono::duration<double>(end - middle).count());
    }
    state.counters["floor_ms"] = std::chrono::duration<double, std::milli>(floor).count() /
                                 static_cast<double>(state.iterations());
    state.counters["x_floor"] = std::chrono::duration<double>(load) / floor;
}
BENCHMARK(BM_LoadDatabaseVsFloor)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// What the loaded database holds in memory, in bytes (strings and number arrays).
void BM_LoadedDatabaseMemory(benchmark::State& state) {
    SyntheticFolder folder;
    LoadedDatabase db = LoadAll();
    for (auto _ : state)
        benchmark::DoNotOptimize(db.types.size());
    std::size_t bytes = sizeof(TOpcode) * kOpcodeCount;
    for (int32_t n = 0; n < kOpcodeCount; ++n) {
        const TOpcode& op = db.opcodes.GetItem(n);
        bytes += op.Text.size() + op.RusText.size() + op.ParamCountText.capacity() +
                 op.TypeText.size(); // the texts lie in the table's blocks, back to back
    }
    std::set<const void*> lines; // nodes naming one line share its numbers
    for (const auto& c : db.categories) {
        bytes += sizeof(CategoryInfo) + c.Caption.capacity();
        if (!c.Data)
            continue;
        bytes += sizeof(TNodedata) + c.Data->Name.capacity() + c.Data->Note.capacity();
        const OpcodeNumbers& numbers = c.Data->Opcodes;
        if (lines.insert(numbers.Identity()).second)
            bytes += numbers.Bytes();
    }
    state.counters["db_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_LoadedDatabaseMemory)->Iterations(1);

} // namespace
