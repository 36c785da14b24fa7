#include "ui/opcode_list_accessible.h"

#include <algorithm>

#include <QAccessibleWidget>
#include <QHash>
#include <QHeaderView>
#include <QPointer>

#include "ui/opcode_row_model.h"

namespace {

// The children are numbered as the list view numbers them in its focus and selection
// events: the header's cells first, then row by row.
int ChildIndex(const OpcodeListView* view, int row, int column) {
    return (row + 1) * view->Rows()->columnCount() + column;
}

// A cell of the list, or of its header (row -1).
class Cell : public QAccessibleInterface, public QAccessibleTableCellInterface {
  public:
    Cell(OpcodeListView* view, int row, int column) : view_(view), row_(row), column_(column) {}

    bool isValid() const override { return view_ != nullptr && row_ < view_->Rows()->Count(); }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(view_);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessible::Role role() const override {
        return row_ < 0 ? QAccessible::ColumnHeader : QAccessible::Cell;
    }
    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name || !isValid())
            return {};
        return (row_ < 0 ? view_->Rows()->headerData(column_, Qt::Horizontal)
                         : view_->Rows()->index(row_, column_).data())
            .toString();
    }
    QRect rect() const override {
        if (!isValid())
            return {};
        if (row_ < 0) {
            const QHeaderView* header = view_->header();
            return QRect(header->mapToGlobal(QPoint(header->sectionViewportPosition(column_), 0)),
                         QSize(header->sectionSize(column_), header->height()));
        }
        const QRect cell = view_->visualRect(view_->Rows()->index(row_, column_));
        return QRect(view_->viewport()->mapToGlobal(cell.topLeft()), cell.size());
    }
    QAccessible::State state() const override {
        QAccessible::State state;
        if (!isValid())
            return state;
        const QRect shown(view_->viewport()->mapToGlobal(QPoint()), view_->viewport()->size());
        state.invisible = row_ < 0 ? view_->header()->isHidden() : !shown.intersects(rect());
        state.offscreen = state.invisible;
        if (row_ >= 0) {
            state.selectable = state.focusable = state.extSelectable = true;
            state.selected = isSelected();
            state.focused = view_->hasFocus() && view_->currentIndex().row() == row_ &&
                            view_->currentIndex().column() == column_;
        }
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableCellInterface && row_ >= 0
                   ? static_cast<QAccessibleTableCellInterface*>(this)
                   : nullptr;
    }

    bool isSelected() const override {
        return isValid() && view_->selectionModel()->isRowSelected(row_);
    }
    QList<QAccessibleInterface*> columnHeaderCells() const override {
        QAccessibleInterface* list = table();
        return {list->child(column_)};
    }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return column_; }
    int rowIndex() const override { return row_; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

  private:
    QPointer<OpcodeListView> view_;
    int row_;
    int column_;
};

class List : public QAccessibleWidget, public QAccessibleTableInterface {
  public:
    explicit List(OpcodeListView* view) : QAccessibleWidget(view, QAccessible::Table) {}
    ~List() override { DropCells(); }

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this)
                                                   : QAccessibleWidget::interface_cast(type);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.multiSelectable = state.extSelectable = true;
        return state;
    }

    int childCount() const override { return (rowCount() + 1) * columnCount(); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount())
            return nullptr;
        if (const QAccessible::Id made = cells_.value(index))
            return QAccessible::accessibleInterface(made);
        auto* cell = new Cell(View(), index / columnCount() - 1, index % columnCount());
        cells_.insert(index, QAccessible::registerAccessibleInterface(cell));
        return cell;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto* cell = dynamic_cast<const Cell*>(child);
        return cell != nullptr ? ChildIndex(View(), cell->rowIndex(), cell->columnIndex()) : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QModelIndex at = View()->indexAt(View()->viewport()->mapFromGlobal(QPoint(x, y)));
        return at.isValid() ? cellAt(at.row(), at.column()) : nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        const QModelIndex current = View()->currentIndex();
        return View()->hasFocus() && current.isValid() ? cellAt(current.row(), current.column())
                                                       : nullptr;
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
            return nullptr;
        return child(ChildIndex(View(), row, column));
    }
    int selectedCellCount() const override { return selectedRowCount() * columnCount(); }
    QList<QAccessibleInterface*> selectedCells() const override {
        QList<QAccessibleInterface*> cells;
        for (int row : selectedRows())
            for (int column = 0; column < columnCount(); ++column)
                cells.append(cellAt(row, column));
        return cells;
    }
    QString columnDescription(int column) const override {
        return View()->Rows()->headerData(column, Qt::Horizontal).toString();
    }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override {
        return static_cast<int>(View()->selectionModel()->selectedRows().size());
    }
    int columnCount() const override { return View()->Rows()->columnCount(); }
    int rowCount() const override { return View()->Rows()->Count(); }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override {
        QList<int> rows;
        for (const QModelIndex& row : View()->selectionModel()->selectedRows())
            rows.append(row.row());
        std::sort(rows.begin(), rows.end());
        return rows;
    }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int row) const override {
        return View()->selectionModel()->isRowSelected(row);
    }
    bool selectRow(int row) override { return Select(row, QItemSelectionModel::Select); }
    bool unselectRow(int row) override { return Select(row, QItemSelectionModel::Deselect); }
    // Only whole rows are selected.
    bool selectColumn(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    // The list's rows were replaced, sorted or moved: the cells are made anew when asked.
    void modelChange(QAccessibleTableModelChangeEvent*) override { DropCells(); }

  private:
    OpcodeListView* View() const { return static_cast<OpcodeListView*>(widget()); }
    bool Select(int row, QItemSelectionModel::SelectionFlag how) {
        if (row < 0 || row >= rowCount())
            return false;
        View()->selectionModel()->select(View()->Rows()->index(row, 0),
                                         how | QItemSelectionModel::Rows);
        return true;
    }
    void DropCells() {
        for (const QAccessible::Id cell : std::as_const(cells_))
            QAccessible::deleteAccessibleInterface(cell);
        cells_.clear();
    }

    mutable QHash<int, QAccessible::Id> cells_; // by child index
};

QAccessibleInterface* ForOpcodeList(const QString&, QObject* object) {
    auto* view = dynamic_cast<OpcodeListView*>(object);
    return view != nullptr ? new List(view) : nullptr;
}

} // namespace

void InstallOpcodeListAccessible() {
    QAccessible::installFactory(ForOpcodeList);
}
