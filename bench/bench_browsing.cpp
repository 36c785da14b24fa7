// Browsing the full-size synthetic database in the main window, offscreen: listing a
// category of 2800 entries, sorting its rows by each column, and one quick-search
// confirmation that walks the whole list twice.
#if KELPRA_BENCH_UI
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTreeWidget>
#include <cstdio>

#include "bench/synthetic_db.h"
#include "platform/system_platform.h"
#include "ui/main/form_main.h"
#include "ui/main/tree_nodes.h"

namespace {

// The one application object of the benchmarks that need widgets.
void EnsureApplication() {
    if (QCoreApplication::instance() != nullptr)
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "kelpra_bench";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv); // lives until the process ends
}

// Nobody answers a box here: a message goes to the console instead.
class ConsoleBoxes : public MessageBoxes {
  public:
    void Error(const QString& text) override { std::fprintf(stderr, "%s\n", qPrintable(text)); }
    void Warning(const QString& text) override { Error(text); }
};

// The main window shown on the synthetic database, its first category (2800 entries)
// current and listed.
class BrowsingWindow {
  public:
    BrowsingWindow() : form_((EnsureApplication(), Services())) {
        form_.show();
        QCoreApplication::processEvents();
        node_ = form_.OpTreeView->topLevelItem(0);
        form_.OpTreeView->setCurrentItem(node_);
        Relist();
    }

    TFormMain& Form() { return form_; }
    int Rows() const { return form_.OpListView->topLevelItemCount(); }
    int Entries() const { return NodeData(node_)->Count(); }
    // The rebuild of the list, and the layout and repaint it leads to.
    void Relist() {
        form_.OpTreeViewChange(node_);
        QCoreApplication::processEvents();
    }

  private:
    Platform Services() {
        return {boxes_, sounds_, processes_, shell_, errorLocator_, fontDialogs_};
    }

    SyntheticFolder folder_;
    ConsoleBoxes boxes_;
    QtSounds sounds_;
    DetachedProcessStarter processes_;
    DesktopShell shell_;
    DlErrorLocator errorLocator_;
    QtFontDialogs fontDialogs_;
    TFormMain form_;
    QTreeWidgetItem* node_ = nullptr;
};

void BM_ListCategory(benchmark::State& state) {
    BrowsingWindow window;
    for (auto _ : state)
        window.Form().OpTreeViewChange(window.Form().OpTreeView->currentItem());
    state.counters["entries"] = window.Entries();
    state.counters["rows"] = window.Rows();
}
BENCHMARK(BM_ListCategory)->Unit(benchmark::kMillisecond);

// The same, up to the list shown on screen: its layout and its repaint.
void BM_ListCategoryShown(benchmark::State& state) {
    BrowsingWindow window;
    for (auto _ : state)
        window.Relist();
    state.counters["rows"] = window.Rows();
}
BENCHMARK(BM_ListCategoryShown)->Unit(benchmark::kMillisecond);

// A header click on the category's rows in line order, a quarter of them selected.
void BM_SortColumn(benchmark::State& state) {
    BrowsingWindow window;
    QTreeWidget* list = window.Form().OpListView;
    for (auto _ : state) {
        state.PauseTiming();
        window.Relist();
        for (int i = 0; i < window.Rows(); i += 4)
            list->topLevelItem(i)->setSelected(true);
        state.ResumeTiming();
        window.Form().OpListViewColumnClick(static_cast<int>(state.range(0)));
    }
    state.counters["rows"] = window.Rows();
}
BENCHMARK(BM_SortColumn)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// Enter in the quick-search box with a text no row holds: both walks cover every row.
void BM_QuickSearchConfirm(benchmark::State& state) {
    BrowsingWindow window;
    QPlainTextEdit* box = window.Form().OpMemoFind;
    box->setPlainText(QStringLiteral("no such words"));
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    for (auto _ : state)
        QCoreApplication::sendEvent(box, &enter);
    state.counters["rows"] = window.Rows();
}
BENCHMARK(BM_QuickSearchConfirm)->Unit(benchmark::kMicrosecond);

} // namespace
#endif
