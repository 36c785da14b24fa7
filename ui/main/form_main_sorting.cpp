// The column sort of the opcode list, and the status panels and the tree's hint that
// follow the selection and the pointer.
#include <QLabel>
#include <QTreeWidget>

#include "platform/qt_text.h"
#include "ui/hint_tracker.h"
#include "ui/main/form_main.h"
#include "ui/main/tree_nodes.h"
#include "ui/opcode_rows.h"

void TFormMain::OpListViewColumnClick(int column) {
    SortColumn = column;
    // The rows keep their selection and the focused row; the view keeps its scroll position.
    OpListView->Rows()->Sort(SortColumn);
}

void TFormMain::OpListViewSelectItem() {
    StatusPanel(4)->setText(tr("Выделено: %1").arg(OpcodeRows(OpListView).SelectedCount()));
}

void TFormMain::OpListViewMouseMove(const QPoint& pos) {
    const QModelIndex row = OpListView->indexAt(pos);
    StatusPanel(3)->setText(
        row.isValid()
            ? tr("Текущий: %1").arg(FromCp1251(OpListView->Rows()->Bytes(row.row(), 0)).left(4))
            : tr("Текущий: нет"));
}

void TFormMain::OpTreeViewMouseMove(const QPoint& pos) {
    const QTreeWidgetItem* node = OpTreeView->itemAt(pos);
    if (node == nullptr)
        return;
    const TNodedata* nodeData = NodeData(node);
    const QString note = nodeData != nullptr ? FromCp1251(nodeData->Note) : QString();
    if (note == OpTreeView->statusTip())
        return;
    OpTreeView->setStatusTip(note);
    hints_->HintChanged(OpTreeView);
}
