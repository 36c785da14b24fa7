// Data files at the limits: each benchmark runs at two sizes, so the figures show whether
// time and memory grow with the input and no faster. "peak_heap_MB" is the most heap the
// load held at once (counted by the operator new below), "heap_per_input_byte" its ratio
// to the input's size.

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <new>
#include <stdexcept>
#include <string>

#include "opcodes/categories.h"
#include "opcodes/category_tree.h"
#include "opcodes/database_files.h"
#include "opcodes/errors.h"
#include "opcodes/ini_file.h"
#include "opcodes/opcode.h"
#include "tests/support/pathological_inputs.h"

namespace fs = std::filesystem;
namespace pi = pathological;

// Inputs only the benchmarks use.
namespace {

void WriteFile(const std::filesystem::path& file, std::string_view bytes) {
    std::filesystem::create_directories(file.parent_path());
    if (!std::ofstream(file, std::ios::binary | std::ios::trunc)
             .write(bytes.data(), std::streamsize(bytes.size())))
        throw std::runtime_error("cannot write " + file.string());
}

// `bytes` bytes of sections without keys, each named differently.
std::string IniOfSections(std::size_t bytes) {
    return pi::Lines(
        0, [](std::size_t n) { return "[s" + std::to_string(n) + "]"; }, bytes);
}

// One section whose one key has a value of `chars` characters, in quotes.
std::string IniOfOneValue(std::size_t chars) {
    return "[s]\r\nk=\"" + std::string(chars, 'v') + "\"\r\n";
}

// `bytes` random bytes, the same for the same seed.
std::string Garbage(std::size_t bytes, uint64_t seed) {
    std::string text(bytes, '\0');
    for (char& ch : text) {
        uint64_t z = seed += 0x9E3779B97F4A7C15ull; // splitmix64
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        ch = static_cast<char>(z ^ (z >> 31));
    }
    return text;
}

} // namespace

namespace {

// Allocations are counted only while PeakHeap measures a run: every other benchmark
// times what a user waits for, without the counting's cost on each allocation. A block
// made before the run and freed during it lowers the count; the runs measured free
// only what they made.
std::atomic<bool> gCounting{false};
std::atomic<std::ptrdiff_t> gLiveHeap{0};
std::atomic<std::ptrdiff_t> gPeakHeap{0};

void CountAllocation(void* p) {
    const auto size = static_cast<std::ptrdiff_t>(malloc_usable_size(p));
    const std::ptrdiff_t live = gLiveHeap.fetch_add(size, std::memory_order_relaxed) + size;
    if (live > gPeakHeap.load(std::memory_order_relaxed))
        gPeakHeap.store(live, std::memory_order_relaxed);
}

} // namespace

void* operator new(std::size_t size) {
    void* p = std::malloc(size == 0 ? 1 : size);
    if (p == nullptr)
        throw std::bad_alloc();
    if (gCounting.load(std::memory_order_relaxed))
        CountAllocation(p);
    return p;
}
void operator delete(void* p) noexcept {
    if (p == nullptr)
        return;
    if (gCounting.load(std::memory_order_relaxed))
        gLiveHeap.fetch_sub(static_cast<std::ptrdiff_t>(malloc_usable_size(p)),
                            std::memory_order_relaxed);
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    operator delete(p);
}

namespace {

// The most heap `run` holds at once.
template <typename Run> std::size_t PeakHeap(Run&& run) {
    gLiveHeap.store(0);
    gPeakHeap.store(0);
    gCounting.store(true);
    run();
    gCounting.store(false);
    return static_cast<std::size_t>(gPeakHeap.load());
}

// A database folder of its own; files not written are missing.
class Folder {
  public:
    Folder() {
        std::string pattern = (fs::temp_directory_path() / "kelpra-patho-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("mkdtemp failed");
        dir_ = pattern;
    }
    ~Folder() {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    std::size_t Write(const char* name, const std::string& bytes) {
        WriteFile(dir_ / "INI" / name, bytes);
        return bytes.size();
    }
    // The program's names, with this folder standing for the current directory.
    DatabaseFiles Files() const {
        const std::string cd = dir_.string();
        DatabaseFiles files = DatabaseFiles::ForCurrentDir(cd);
        for (std::string* relative : {&files.TypeLines, &files.Tree, &files.NodeLines})
            *relative = cd + "\\" + *relative;
        return files;
    }

  private:
    fs::path dir_;
};

// The whole start-up load as the program runs it; a program error ends it.
void LoadDatabase(const DatabaseFiles& files) {
    try {
        const TOpcodesList table(files.Opcodes, files.Translation, files.TypeInfo, files.TypeLines);
        std::vector<TreeItem> tree;
        ReadCategoryTree(files.Tree, tree);
        benchmark::DoNotOptimize(ReadCategories(tree, files.NodeInfo, files.NodeLines));
        benchmark::DoNotOptimize(ReadTypeCaptions(files.TypeInfo));
    } catch (const Exception&) {
    }
}

template <typename Run> void Measure(benchmark::State& state, std::size_t inputBytes, Run&& run) {
    const std::size_t peak = PeakHeap(run);
    for (auto _ : state)
        run();
    state.counters["input_MB"] = static_cast<double>(inputBytes) / 1e6;
    state.counters["peak_heap_MB"] = static_cast<double>(peak) / 1e6;
    state.counters["heap_per_input_byte"] =
        static_cast<double>(peak) / static_cast<double>(inputBytes);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * inputBytes));
}

constexpr std::size_t kMB = 1000 * 1000;

// SASCM.ini of 25 and 50 MB, the opcodes section at its end.
void BM_LargeOpcodesIni(benchmark::State& state) {
    Folder folder;
    const std::size_t bytes = folder.Write("SASCM.ini", pi::LargeOpcodesIni(state.range(0) * kMB));
    const DatabaseFiles files = folder.Files();
    Measure(state, bytes, [&] { LoadDatabase(files); });
}
BENCHMARK(BM_LargeOpcodesIni)->Arg(25)->Arg(50)->Iterations(2)->Unit(benchmark::kMillisecond);

// TypeInfo.ini of 25 and 50 MB of sections without keys: every section is listed.
void BM_IniOfSections(benchmark::State& state) {
    Folder folder;
    const std::size_t bytes = folder.Write("TypeInfo.ini", IniOfSections(state.range(0) * kMB));
    const DatabaseFiles files = folder.Files();
    Measure(state, bytes, [&] { LoadDatabase(files); });
}
BENCHMARK(BM_IniOfSections)->Arg(25)->Arg(50)->Iterations(2)->Unit(benchmark::kMillisecond);

// One INI value of half a million and a million characters.
void BM_IniLongValue(benchmark::State& state) {
    Folder folder;
    const std::size_t bytes = folder.Write("NodeInfo.ini", IniOfOneValue(state.range(0)));
    const std::string name = folder.Files().NodeInfo;
    Measure(state, bytes,
            [&] { benchmark::DoNotOptimize(TIniFile(name).ReadString("s", "k", "")); });
}
BENCHMARK(BM_IniLongValue)->Arg(500000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// A type line of half a million and a million characters, named by all 256 types, whose
// short captions are as long as a value can be.
void BM_LongTypeLine(benchmark::State& state) {
    Folder folder;
    std::size_t bytes = folder.Write("Types.Opcodes", pi::LongOpcodeLine(state.range(0)) + "\r\n");
    bytes += folder.Write("TypeInfo.ini", pi::TypeInfo(256, kIniMaxValueLength));
    const DatabaseFiles files = folder.Files();
    Measure(state, bytes, [&] { LoadDatabase(files); });
}
BENCHMARK(BM_LongTypeLine)->Arg(500000)->Arg(1000000)->Iterations(2)->Unit(benchmark::kMillisecond);

// Trees of 50,000 and 100,000 nodes, each with its own section naming the same line of
// 2800 numbers.
void BM_WideTree(benchmark::State& state) {
    Folder folder;
    const auto nodes = static_cast<std::size_t>(state.range(0));
    std::string nodeInfo;
    for (std::size_t i = 0; i < nodes; ++i)
        nodeInfo += "[k" + std::to_string(i) + "]\r\nOpcodes=1\r\n";
    std::size_t bytes = folder.Write("Opcodes.tree", pi::WideTree(nodes));
    bytes += folder.Write("NodeInfo.ini", nodeInfo);
    bytes += folder.Write("Nodes.Opcodes", pi::LongOpcodeLine(2800 * 5) + "\r\n");
    const DatabaseFiles files = folder.Files();
    Measure(state, bytes, [&] { LoadDatabase(files); });
}
BENCHMARK(BM_WideTree)->Arg(50000)->Arg(100000)->Iterations(2)->Unit(benchmark::kMillisecond);

// Chains of 5,000 and 10,000 levels (the file grows with the square of the depth: each
// line is indented by its level).
void BM_DeepTree(benchmark::State& state) {
    Folder folder;
    std::size_t bytes = folder.Write("Opcodes.tree", pi::DeepTree(state.range(0)));
    bytes += folder.Write("NodeInfo.ini", "[n]\r\nOpcodes=1\r\nExpanded=1\r\n");
    bytes += folder.Write("Nodes.Opcodes", pi::LongOpcodeLine(2800 * 5) + "\r\n");
    const DatabaseFiles files = folder.Files();
    Measure(state, bytes, [&] { LoadDatabase(files); });
}
BENCHMARK(BM_DeepTree)->Arg(5000)->Arg(10000)->Unit(benchmark::kMillisecond);

// 500 and 1,000 type sections, each listing every opcode.
void BM_TypeSections(benchmark::State& state) {
    Folder folder;
    std::size_t bytes = folder.Write("TypeInfo.ini", pi::TypeInfo(state.range(0), 12));
    bytes += folder.Write("Types.Opcodes", pi::LongOpcodeLine(2801 * 5) + "\r\n");
    const DatabaseFiles files = folder.Files();
    Measure(state, bytes, [&] { LoadDatabase(files); });
}
BENCHMARK(BM_TypeSections)->Arg(500)->Arg(1000)->Unit(benchmark::kMillisecond);

// SASCM.ini of 25 and 50 MB and a tree of 100,000 and 200,000 nodes, their lines ending
// in CR alone: no reader may scan ahead for an LF that never comes.
void BM_CrOnlyFiles(benchmark::State& state) {
    Folder folder;
    const auto megabytes = static_cast<std::size_t>(state.range(0));
    std::size_t bytes =
        folder.Write("SASCM.ini", pi::WithLineEnds(pi::LargeOpcodesIni(megabytes * kMB), "\r"));
    bytes += folder.Write("Opcodes.tree", pi::WithLineEnds(pi::WideTree(megabytes * 4000), "\r"));
    bytes += folder.Write("Nodes.Opcodes",
                          pi::WithLineEnds(pi::LongOpcodeLine(2800 * 5) + "\r\n0001\r\n", "\r"));
    const DatabaseFiles files = folder.Files();
    Measure(state, bytes, [&] { LoadDatabase(files); });
}
BENCHMARK(BM_CrOnlyFiles)->Arg(25)->Arg(50)->Iterations(2)->Unit(benchmark::kMillisecond);

// Random bytes of 1 and 2 MB in every one of the seven files.
void BM_GarbageDatabase(benchmark::State& state) {
    Folder folder;
    std::size_t bytes = 0;
    uint64_t seed = 1;
    for (const char* name : {"SASCM.ini", "SASCM_RUS.ini", "TypeInfo.ini", "Types.Opcodes",
                             "Opcodes.tree", "NodeInfo.ini", "Nodes.Opcodes"})
        bytes += folder.Write(name, Garbage(state.range(0) * kMB, seed++));
    const DatabaseFiles files = folder.Files();
    Measure(state, bytes, [&] { LoadDatabase(files); });
}
BENCHMARK(BM_GarbageDatabase)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

} // namespace
