// The search window's list-all search and the copy-all command over a full category of
// 2800 rows, with the real widgets and the real clipboard (the benchmark program's
// application object, offscreen).
#if KELPRA_BENCH_UI

#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <memory>

#include "bench/synthetic_db.h"
#include "platform/system_platform.h"
#include "ui/find/form_find.h"
#include "ui/main/form_main.h"

namespace {

// Both windows, shown, on a synthetic database, with the main list holding the 2800
// opcodes 0001..0AF0 as the listing fills it.
class SearchWindows {
  public:
    SearchWindows() {
        platform_ = std::make_unique<SystemPlatform>();
        formMain = std::make_unique<TFormMain>(platform_->Services());
        formFind = formMain->CreateFormFind();
        FillMainList();
        formMain->show();
        formFind->show();
        QCoreApplication::processEvents();
    }
    ~SearchWindows() {
        formFind.reset();
        formMain.reset();
    }

    std::unique_ptr<TFormMain> formMain;
    std::unique_ptr<TFormFind> formFind;

  private:
    void FillMainList() {
        std::vector<OpcodeRowModel::Row> rows;
        for (int n = 1; n <= kMaxOpcode; ++n) {
            const TOpcode& opcode = formMain->OpcodeList()->GetItem(n);
            rows.push_back({opcode.Text, opcode.RusText, opcode.TypeText, opcode.ParamCountText});
        }
        formMain->OpList()->Rows()->SetRows(std::move(rows));
    }

    SyntheticFolder folder_;
    std::unique_ptr<SystemPlatform> platform_;
};

// Empty fields: every row matches, so the result list gets all 2800 rows. The events
// after the click (the result list's layout and painting) are counted too.
void BM_SearchWindowListAll(benchmark::State& state) {
    SearchWindows windows;
    for (auto _ : state) {
        windows.formFind->BtnAll->click();
        QCoreApplication::processEvents();
    }
    state.counters["results"] = windows.formFind->ListViewFind->Rows()->Count();
}
BENCHMARK(BM_SearchWindowListAll)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// Find next with words that no row holds: both passes walk the whole list.
void BM_SearchWindowFindNextNoMatch(benchmark::State& state) {
    SearchWindows windows;
    windows.formFind->EditYes->setText(QStringLiteral("no such words"));
    for (auto _ : state)
        windows.formFind->ButtonFind->click();
}
BENCHMARK(BM_SearchWindowFindNextNoMatch)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// Copy all of the main list to the desktop clipboard.
void BM_MainListCopyAll(benchmark::State& state) {
    SearchWindows windows;
    for (auto _ : state)
        windows.formMain->findChild<QAction*>(QStringLiteral("NCopyAll"))->trigger();
    state.counters["bytes"] = static_cast<double>(QGuiApplication::clipboard()->text().size());
}
BENCHMARK(BM_MainListCopyAll)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace

#endif
