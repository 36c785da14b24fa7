// What the opcode list shows: the rows of the one selected category that carry a ticked
// type, rebuilt on every change of the tree's current node and every click in the type
// filter, and the counts in both windows' status bars.
#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QTimer>
#include <QTreeWidget>

#include "opcodes/category_listing.h"
#include "platform/sounds.h"
#include "ui/application.h"
#include "ui/main/form_main.h"
#include "ui/main/tree_nodes.h"

void TFormMain::connectListing() {
    // The tree reports a change of its current node after a delay of 1 ms.
    OpTreeViewChangeDelay = new QTimer(this);
    OpTreeViewChangeDelay->setObjectName(QStringLiteral("OpTreeViewChangeDelay"));
    OpTreeViewChangeDelay->setSingleShot(true);
    OpTreeViewChangeDelay->setInterval(1);
    connect(OpTreeViewChangeDelay, &QTimer::timeout, this,
            Guarded([this] { OpTreeViewChange(OpTreeView->currentItem()); }));
    connect(OpTreeView, &QTreeWidget::currentItemChanged, OpTreeViewChangeDelay,
            qOverload<>(&QTimer::start));
    // A Ctrl-click on the current node changes only the selection; the list follows it
    // all the same.
    connect(OpTreeView, &QTreeWidget::itemSelectionChanged, OpTreeViewChangeDelay,
            qOverload<>(&QTimer::start));
    connect(CheckListBoxType, &QListWidget::itemChanged, this,
            Guarded([this] { CheckListBoxTypeClickCheck(); }));
}

TypeTicks TFormMain::TickedTypes() const {
    TypeTicks ticked;
    const int count = qMin(CheckListBoxType->count(), static_cast<int>(ticked.size()));
    for (int i = 0; i < count; ++i)
        if (CheckListBoxType->item(i)->checkState() == Qt::Checked)
            ticked.set(static_cast<std::size_t>(i));
    return ticked;
}

void TFormMain::OpTreeViewChange(QTreeWidgetItem* Node) {
    RebuildList(Node);
}

void TFormMain::CheckListBoxTypeClickCheck() {
    RebuildList(OpTreeView->currentItem());
}

void TFormMain::RebuildList(QTreeWidgetItem* node) {
    NInternet->menuAction()->setEnabled(true);
    OpListView->Rows()->SetRows({});
    // The removed rows took their selection with them.
    OpListViewSelectItem();

    const QList<QTreeWidgetItem*> selected = OpTreeView->selectedItems();
    if (selected.size() != 1) {
        ShowListCounts(0);
        return;
    }
    if (node == nullptr) {
        platform_.sounds.Play(SystemSound::Default);
        return;
    }
    // The node the user sees selected: a Ctrl-click that takes the selection off the
    // current node leaves another node as the only selected one.
    const TNodedata* nodeData = NodeData(selected.front());
    if (nodeData == nullptr || opcodeList_ == nullptr)
        return;
    StatusPanel(0)->setText(tr("Подождите пожалуйста. Идёт постороение списка."));
    FillList(*nodeData);
    ShowListCounts(nodeData->Count());
}

void TFormMain::FillList(const TNodedata& node) {
    const std::vector<const TOpcode*> listed = ListedOpcodes(*opcodeList_, node, TickedTypes());
    // The rows point at the records' texts, which live as long as the window.
    std::vector<OpcodeRowModel::Row> rows;
    rows.reserve(listed.size());
    for (const TOpcode* op : listed)
        rows.push_back({op->Text, op->RusText, op->TypeText, op->ParamCountText});
    OpListView->Rows()->SetRows(std::move(rows));
}

void TFormMain::ShowListCounts(int count) {
    StatusPanel(1)->setText(tr("Опкодов: %1").arg(count));
    Q_EMIT ListCounted(count);
    StatusPanel(0)->setText(tr("Готов."));
}
