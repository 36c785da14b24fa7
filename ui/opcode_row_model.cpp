#include "ui/opcode_row_model.h"

#include <QHeaderView>
#include <algorithm>
#include <cstdint>

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

namespace {

// A row's place in a sort by one column: the column's first eight bytes as one big-endian
// number (zero-padded), which orders most pairs of rows without looking at their texts.
struct SortKey {
    std::uint64_t head;
    int row;
    std::string_view text;
};

SortKey KeyOf(std::string_view text, int row) {
    std::uint64_t head = 0;
    for (std::size_t i = 0; i < 8; ++i)
        head = head << 8 | (i < text.size() ? static_cast<unsigned char>(text[i]) : 0u);
    return {head, row, text};
}

// The order of CompareCp1251, rows with equal texts in their present order.
bool Before(const SortKey& a, const SortKey& b) {
    if (a.head != b.head)
        return a.head < b.head;
    // Equal heads: texts of up to eight bytes differ only in their length (zero padding).
    const int order = a.text.size() <= 8 && b.text.size() <= 8
                          ? static_cast<int>(a.text.size()) - static_cast<int>(b.text.size())
                          : CompareCp1251(a.text, b.text);
    return order != 0 ? order < 0 : a.row < b.row;
}

} // namespace

void OpcodeRowModel::Sort(int column) {
    if (column < 0 || column >= kMaxColumns)
        return;
    const auto c = static_cast<std::size_t>(column);
    std::vector<SortKey> keys;
    keys.reserve(rows_.size());
    for (std::size_t i = 0; i < rows_.size(); ++i)
        keys.push_back(KeyOf(rows_[i][c], static_cast<int>(i)));
    std::sort(keys.begin(), keys.end(), Before); // keys[new row].row: the old row

    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<int> moved(keys.size()); // moved[old row] = new row
    std::vector<Row> sorted;
    sorted.reserve(rows_.size());
    for (std::size_t i = 0; i < keys.size(); ++i) {
        moved[static_cast<std::size_t>(keys[i].row)] = static_cast<int>(i);
        sorted.push_back(rows_[static_cast<std::size_t>(keys[i].row)]);
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
    // No branch area: the rows are never indented, and the view skips drawing an empty one
    // (and asking the selection about each row once more) for every row it paints.
    setIndentation(0);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setAllColumnsShowFocus(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    header()->setSectionsClickable(false);
}
