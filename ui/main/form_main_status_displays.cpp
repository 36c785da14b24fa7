// The status panels and the tree's hint that follow the list's selection and the pointer.
#include <QLabel>
#include <QMouseEvent>
#include <QTreeWidget>

#include "platform/qt_text.h"
#include "ui/application.h"
#include "ui/event_hooks.h"
#include "ui/hint_tracker.h"
#include "ui/main/form_main.h"
#include "ui/main/tree_nodes.h"
#include "ui/opcode_rows.h"

namespace {

// Runs `handler` with the pointer's position on every movement over the view.
template <class Handler> void OnMouseMove(QAbstractItemView* view, Handler handler) {
    view->viewport()->setMouseTracking(true);
    OnEvent(view->viewport(), QEvent::MouseMove, [handler](QEvent* event) {
        handler(static_cast<QMouseEvent*>(event)->position().toPoint());
        return false;
    });
}

} // namespace

void TFormMain::connectStatusDisplays() {
    connect(OpListView->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            Guarded([this] { OpListViewSelectItem(); }));
    OnMouseMove(OpListView, [this](const QPoint& pos) { OpListViewMouseMove(pos); });
    OnMouseMove(OpTreeView, [this](const QPoint& pos) { OpTreeViewMouseMove(pos); });
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
