// The column sort of the opcode list, and the status panels and the tree's hint that
// follow the selection and the pointer.
#include <QItemSelection>
#include <QLabel>
#include <QTreeWidget>
#include <algorithm>
#include <string>
#include <vector>

#include "opcodes/row_compare.h"
#include "ui/main/form_main.h"
#include "ui/main/hint_tracker.h"
#include "ui/main/tree_nodes.h"
#include "ui/opcode_rows.h"
#include "ui/qt_text.h"

namespace {

struct SortedRow {
    std::string key; // the sorted column's bytes, fetched once per row
    QTreeWidgetItem* row;
    bool selected;
};

std::vector<SortedRow> RowsWithKeys(QTreeWidget* list, int column) {
    std::vector<SortedRow> rows;
    rows.reserve(static_cast<std::size_t>(list->topLevelItemCount()));
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        QTreeWidgetItem* row = list->topLevelItem(i);
        rows.push_back({RowBytes(row, column), row, row->isSelected()});
    }
    return rows;
}

// Selects the rows flagged selected, one range per run of neighbours.
void Reselect(QTreeWidget* list, const std::vector<SortedRow>& rows) {
    QItemSelection selection;
    const QAbstractItemModel* model = list->model();
    const int lastColumn = model->columnCount() - 1;
    for (std::size_t start = 0; start < rows.size();) {
        if (!rows[start].selected) {
            ++start;
            continue;
        }
        std::size_t end = start;
        while (end + 1 < rows.size() && rows[end + 1].selected)
            ++end;
        selection.select(model->index(static_cast<int>(start), 0),
                         model->index(static_cast<int>(end), lastColumn));
        start = end + 1;
    }
    list->selectionModel()->select(selection, QItemSelectionModel::Select);
}

// Sorts the rows by the column's bytes: taken out, put back in order, with their
// selection and the focused row as they were. The view keeps its scroll position.
void SortRows(QTreeWidget* list, int column) {
    std::vector<SortedRow> rows = RowsWithKeys(list, column);
    std::stable_sort(rows.begin(), rows.end(), [](const SortedRow& a, const SortedRow& b) {
        return CompareCp1251(a.key, b.key) < 0;
    });
    QTreeWidgetItem* focused = list->currentItem();
    const int focusedColumn = list->currentColumn();

    list->setUpdatesEnabled(false);
    list->invisibleRootItem()->takeChildren();
    QList<QTreeWidgetItem*> ordered;
    ordered.reserve(static_cast<qsizetype>(rows.size()));
    for (const SortedRow& row : rows)
        ordered.append(row.row);
    list->addTopLevelItems(ordered);
    Reselect(list, rows);
    if (focused != nullptr)
        list->selectionModel()->setCurrentIndex(list->indexFromItem(focused, focusedColumn),
                                                QItemSelectionModel::NoUpdate);
    list->setUpdatesEnabled(true);
}

} // namespace

void TFormMain::OpListViewColumnClick(int column) {
    SortColumn = column;
    SortRows(OpListView, SortColumn);
}

void TFormMain::OpListViewSelectItem() {
    StatusPanel(4)->setText(
        QStringLiteral(u"Выделено: %1").arg(OpcodeRows(OpListView).SelectedCount()));
}

void TFormMain::OpListViewMouseMove(const QPoint& pos) {
    const QTreeWidgetItem* row = OpListView->itemAt(pos);
    StatusPanel(3)->setText(row != nullptr ? QStringLiteral(u"Текущий: ") + row->text(0).left(4)
                                           : QStringLiteral(u"Текущий: нет"));
}

void TFormMain::OpTreeViewMouseMove(const QPoint& pos) {
    const QTreeWidgetItem* node = OpTreeView->itemAt(pos);
    if (node == nullptr)
        return;
    const TNodedata* data = NodeData(node);
    const QString note = data != nullptr ? FromCp1251(data->Note) : QString();
    if (note == OpTreeView->statusTip())
        return;
    OpTreeView->setStatusTip(note);
    hints_->HintChanged(OpTreeView);
}
