#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "opcodes/find_opcodes.h"
#include "opcodes/row_compare.h"
#include "opcodes/text_search.h"

namespace {

// A full category of 2800 rows with captions of the usual length, held as the list
// holds them: bytes by row, and the selection.
class BenchRows : public RowList {
  public:
    BenchRows() {
        for (int n = 0; n < 2800; ++n) {
            char caption[96];
            std::snprintf(caption, sizeof caption,
                          "%04X: actor %d$ p%d set_position_to_coordinates %d@ %d@ %d@", n, n,
                          n % 7, n, n + 1, n + 2);
            captions_.push_back(caption);
        }
    }
    int Count() const override { return static_cast<int>(captions_.size()); }
    std::string Caption(int row) const override { return captions_[row]; }
    int FirstSelected() const override { return selected_.empty() ? -1 : *selected_.begin(); }
    int SelectedCount() const override { return static_cast<int>(selected_.size()); }
    void Deselect(int row) override { selected_.erase(row); }
    void SelectFocusScroll(int row) override { selected_.insert(row); }

    std::vector<std::string> captions_;
    std::set<int> selected_;
};

// The worst case of a quick search: nothing matches, both walks cover the whole list.
void BM_QuickSearchNoMatch(benchmark::State& state) {
    BenchRows rows;
    for (auto _ : state)
        benchmark::DoNotOptimize(QuickSearch(rows, "no such words"));
}
BENCHMARK(BM_QuickSearchNoMatch)->Unit(benchmark::kMicrosecond);

// List all with words in all three fields over the whole list.
void BM_FindOpcodesListAll(benchmark::State& state) {
    BenchRows rows;
    const WordList yes = WordList::Split("actor position");
    const WordList no = WordList::Split("p3 p5");
    const WordList orWords = WordList::Split("0@ 1@ 2@ 3@");
    for (auto _ : state) {
        FindOutcome outcome = FindOpcodes(rows, yes, no, orWords, true);
        benchmark::DoNotOptimize(outcome.results.data());
    }
}
BENCHMARK(BM_FindOpcodesListAll)->Unit(benchmark::kMicrosecond);

// A column sort of 2800 rows by the caption order.
void BM_SortRows(benchmark::State& state) {
    BenchRows rows;
    std::vector<std::string> reversed(rows.captions_.rbegin(), rows.captions_.rend());
    for (auto _ : state) {
        std::vector<std::string> texts = reversed;
        std::sort(texts.begin(), texts.end(), [](const std::string& a, const std::string& b) {
            return CompareCp1251(a, b) < 0;
        });
        benchmark::DoNotOptimize(texts.data());
    }
}
BENCHMARK(BM_SortRows)->Unit(benchmark::kMicrosecond);

} // namespace
