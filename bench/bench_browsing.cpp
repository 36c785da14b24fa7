// Browsing the full-size synthetic database in the main window, under the benchmark
// program's offscreen application object: listing a category of 2800 entries, sorting
// its rows by each column, and one quick-search confirmation that walks the whole list
// twice. Listing and sorting are also timed with the list's cells painted by Qt's own
// item delegate: the floor that Qt's view, selection model and style set for the same
// window (the "QtFloor" lines).
#if KELPRA_BENCH_UI
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QItemSelection>
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
    explicit BrowsingWindow(bool qtPainting = false) : form_(platform_.Services()) {
        if (qtPainting)
            form_.OpList()->setItemDelegate(new QStyledItemDelegate(form_.OpList()));
        form_.show();
        QCoreApplication::processEvents();
        tree_ = form_.findChild<QTreeWidget*>(QStringLiteral("OpTreeView"));
        node_ = tree_->topLevelItem(0);
        tree_->setCurrentItem(node_);
        Relist();
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
void BM_ListCategoryShown(benchmark::State& state) { ListShown(state, false); }
void BM_ListCategoryShownQtFloor(benchmark::State& state) { ListShown(state, true); }
BENCHMARK(BM_ListCategoryShown)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListCategoryShownQtFloor)->Unit(benchmark::kMillisecond);

// A header click and the repaint it leads to (not inlined, as Relist). The view lays its
// rows out on a timer, and only that posts the repaint: a second pass paints.
[[gnu::noinline]] void SortAndPaint(OpcodeListView* list, int column) {
    Q_EMIT list->header()->sectionClicked(column);
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

// A header click on the category's rows in line order, a quarter of them selected, up
// to the sorted list painted.
void SortColumn(benchmark::State& state, bool qtPainting) {
    BrowsingWindow window(qtPainting);
    OpcodeListView* list = window.Form().OpList();
    for (auto _ : state) {
        state.PauseTiming();
        window.Relist();
        QItemSelection quarter;
        for (int i = 0; i < window.Rows(); i += 4)
            quarter.select(list->Rows()->index(i, 0), list->Rows()->index(i, 3));
        list->selectionModel()->select(quarter, QItemSelectionModel::Select);
        QCoreApplication::processEvents();
        state.ResumeTiming();
        SortAndPaint(list, static_cast<int>(state.range(0)));
    }
    state.counters["rows"] = window.Rows();
}
void BM_SortColumn(benchmark::State& state) { SortColumn(state, false); }
void BM_SortColumnQtFloor(benchmark::State& state) { SortColumn(state, true); }
BENCHMARK(BM_SortColumn)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortColumnQtFloor)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

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
