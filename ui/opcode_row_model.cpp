#include "ui/opcode_row_model.h"

#include <QHeaderView>
#include <algorithm>
#include <numeric>

#include "opcodes/row_compare.h"
#include "ui/qt_text.h"

OpcodeRowModel::OpcodeRowModel(const QStringList& headers, QObject* parent)
    : QAbstractTableModel(parent), headers_(headers) {}

void OpcodeRowModel::SetRows(std::vector<Row> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    captions_.clear();
    endResetModel();
}

void OpcodeRowModel::SetCaptions(std::vector<std::string> captions) {
    beginResetModel();
    captions_ = std::move(captions);
    rows_.clear();
    rows_.reserve(captions_.size());
    for (const std::string& caption : captions_)
        rows_.push_back({caption});
    endResetModel();
}

std::string_view OpcodeRowModel::Bytes(int row, int column) const {
    if (row < 0 || row >= Count() || column < 0 || column >= kMaxColumns)
        return {};
    return rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

void OpcodeRowModel::Sort(int column) {
    if (column < 0 || column >= kMaxColumns)
        return;
    std::vector<int> order(rows_.size()); // order[new row] = old row
    std::iota(order.begin(), order.end(), 0);
    const auto c = static_cast<std::size_t>(column);
    std::stable_sort(order.begin(), order.end(), [this, c](int a, int b) {
        return CompareCp1251(rows_[static_cast<std::size_t>(a)][c],
                             rows_[static_cast<std::size_t>(b)][c]) < 0;
    });

    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<int> moved(order.size()); // moved[old row] = new row
    std::vector<Row> sorted;
    sorted.reserve(rows_.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        moved[static_cast<std::size_t>(order[i])] = static_cast<int>(i);
        sorted.push_back(rows_[static_cast<std::size_t>(order[i])]);
    }
    rows_ = std::move(sorted);
    // The selection, the focused row and the pointer's row are kept as persistent indexes;
    // those of the rows that moved follow them.
    QModelIndexList from, to;
    for (const QModelIndex& index : persistentIndexList()) {
        if (!index.isValid() || moved[static_cast<std::size_t>(index.row())] == index.row())
            continue;
        from.append(index);
        to.append(createIndex(moved[static_cast<std::size_t>(index.row())], index.column()));
    }
    changePersistentIndexList(from, to);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

int OpcodeRowModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Count();
}

int OpcodeRowModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(headers_.size());
}

QVariant OpcodeRowModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    return FromCp1251(Bytes(index.row(), index.column()));
}

QVariant OpcodeRowModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < headers_.size())
        return headers_.at(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

OpcodeListView::OpcodeListView(const QStringList& headers, QWidget* parent)
    : QTreeView(parent), rows_(new OpcodeRowModel(headers, this)) {
    setModel(rows_);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setAllColumnsShowFocus(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    header()->setSectionsClickable(false);
}
