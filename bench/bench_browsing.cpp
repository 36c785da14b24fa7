// Browsing the full-size synthetic database in the main window, under the benchmark
// program's offscreen application object: listing a category of 2800 entries, sorting
// its rows by each column, and one quick-search confirmation that walks the whole list
// twice. Listing and sorting are also timed with the list's cells painted by Qt's own
// item delegate: the floor that Qt's view, selection model and style set for the same
// window (the "QtFloor" lines), and the two in turns, for their ratio ("VsQtFloor").
#if KELPRA_BENCH_UI
#include <benchmark/benchmark.h>

#include <chrono>

#include <QCoreApplication>
#include <QHeaderView>
#include <QItemSelection>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QStyledItemDelegate>
#include <QTreeWidget>

#include "bench/synthetic_db.h"
#include "platform/system_platform.h"
#include "ui/main/form_main.h"
#include "ui/main/tree_nodes.h"

namespace {

// The main window shown on the synthetic database, its first category (2800 entries)
// current and listed.
class BrowsingWindow {
  public:
    explicit BrowsingWindow(bool qtPainting = false)
        : form_(platform_.Services()), own_(form_.OpList()->itemDelegate()),
          qt_(new QStyledItemDelegate(form_.OpList())) {
        PaintWithQt(qtPainting);
        form_.show();
        QCoreApplication::processEvents();
        tree_ = form_.findChild<QTreeWidget*>(QStringLiteral("OpTreeView"));
        node_ = tree_->topLevelItem(0);
        tree_->setCurrentItem(node_);
        Relist();
    }

    // The list's cells painted by Qt's plain item delegate, or again by the program's.
    void PaintWithQt(bool qtPainting) {
        form_.OpList()->setItemDelegate(qtPainting ? qt_ : own_);
        QCoreApplication::processEvents();
    }

    TFormMain& Form() { return form_; }
    QTreeWidget* Tree() { return tree_; }
    int Rows() const { return form_.OpList()->Rows()->Count(); }
    int Entries() const { return NodeData(node_)->Count(); }
    // The rebuild of the list, and the layout and repaint it leads to. (Not inlined: a
    // profiler can count this alone, with --toggle-collect.)
    [[gnu::noinline]] void Relist() {
        form_.OpTreeViewChange(node_);
        QCoreApplication::processEvents();
    }

  private:
    SyntheticFolder folder_;
    SystemPlatform platform_;
    TFormMain form_;
    QAbstractItemDelegate* own_;
    QStyledItemDelegate* qt_;
    QTreeWidget* tree_ = nullptr;
    QTreeWidgetItem* node_ = nullptr;
};

void BM_ListCategory(benchmark::State& state) {
    BrowsingWindow window;
    for (auto _ : state)
        window.Form().OpTreeViewChange(window.Tree()->currentItem());
    state.counters["entries"] = window.Entries();
    state.counters["rows"] = window.Rows();
}
BENCHMARK(BM_ListCategory)->Unit(benchmark::kMillisecond);

// The same, up to the list shown on screen: its layout and its repaint.
void ListShown(benchmark::State& state, bool qtPainting) {
    BrowsingWindow window(qtPainting);
    for (auto _ : state)
        window.Relist();
    state.counters["rows"] = window.Rows();
}
void BM_ListCategoryShown(benchmark::State& state) {
    ListShown(state, false);
}
void BM_ListCategoryShownQtFloor(benchmark::State& state) {
    ListShown(state, true);
}
BENCHMARK(BM_ListCategoryShown)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListCategoryShownQtFloor)->Unit(benchmark::kMillisecond);

// A header click and the repaint it leads to (not inlined, as Relist). The view lays its
// rows out on a timer, and only that posts the repaint: a second pass paints.
[[gnu::noinline]] void SortAndPaint(OpcodeListView* list, int column) {
    Q_EMIT list->header()->sectionClicked(column);
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

// The category's rows listed anew in line order, a quarter of them selected.
void SelectQuarter(BrowsingWindow& window) {
    OpcodeListView* list = window.Form().OpList();
    window.Relist();
    QItemSelection quarter;
    for (int i = 0; i < window.Rows(); i += 4)
        quarter.select(list->Rows()->index(i, 0), list->Rows()->index(i, 3));
    list->selectionModel()->select(quarter, QItemSelectionModel::Select);
    QCoreApplication::processEvents();
}

// A header click on those rows, up to the sorted list painted.
void SortColumn(benchmark::State& state, bool qtPainting) {
    BrowsingWindow window(qtPainting);
    for (auto _ : state) {
        state.PauseTiming();
        SelectQuarter(window);
        state.ResumeTiming();
        SortAndPaint(window.Form().OpList(), static_cast<int>(state.range(0)));
    }
    state.counters["rows"] = window.Rows();
}
void BM_SortColumn(benchmark::State& state) {
    SortColumn(state, false);
}
void BM_SortColumnQtFloor(benchmark::State& state) {
    SortColumn(state, true);
}
BENCHMARK(BM_SortColumn)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortColumnQtFloor)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// The program's list against Qt's item painting, in turns in one window (its cells' painter
// changed between the turns, untimed) so that both meet the same machine load: the time is
// the program's, "x_qt_floor" the ratio.
using Clock = std::chrono::steady_clock;
using TimedStep = Clock::duration (*)(BrowsingWindow& window, int column);

void VsQtFloor(benchmark::State& state, TimedStep step) {
    BrowsingWindow window;
    const auto column = static_cast<int>(state.range(0));
    Clock::duration own{}, qt{};
    for (auto _ : state) {
        window.PaintWithQt(false);
        const Clock::duration time = step(window, column);
        window.PaintWithQt(true);
        qt += step(window, column);
        own += time;
        state.SetIterationTime(std::chrono::duration<double>(time).count());
    }
    state.counters["qt_floor_ms"] = std::chrono::duration<double, std::milli>(qt).count() /
                                    static_cast<double>(state.iterations());
    state.counters["x_qt_floor"] = std::chrono::duration<double>(own) / qt;
}

Clock::duration TimedRelist(BrowsingWindow& window, int) {
    const auto start = Clock::now();
    window.Relist();
    return Clock::now() - start;
}

Clock::duration TimedSort(BrowsingWindow& window, int column) {
    SelectQuarter(window);
    const auto start = Clock::now();
    SortAndPaint(window.Form().OpList(), column);
    return Clock::now() - start;
}

void BM_ListShownVsQtFloor(benchmark::State& state) {
    VsQtFloor(state, TimedRelist);
}
void BM_SortColumnVsQtFloor(benchmark::State& state) {
    VsQtFloor(state, TimedSort);
}
BENCHMARK(BM_ListShownVsQtFloor)->Arg(0)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortColumnVsQtFloor)->DenseRange(0, 3)->UseManualTime()->Unit(benchmark::kMillisecond);

// Enter in the quick-search box with a text no row holds: both walks cover every row.
void BM_QuickSearchConfirm(benchmark::State& state) {
    BrowsingWindow window;
    auto* box = window.Form().findChild<QPlainTextEdit*>(QStringLiteral("OpMemoFind"));
    box->setPlainText(QStringLiteral("no such words"));
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    for (auto _ : state)
        QCoreApplication::sendEvent(box, &enter);
    state.counters["rows"] = window.Rows();
}
BENCHMARK(BM_QuickSearchConfirm)->Unit(benchmark::kMicrosecond);

} // namespace
#endif
