#include "ui/opcode_row_model.h"

#include <QHeaderView>
#include <algorithm>
#include <array>
#include <cstdint>
#include <numeric>
#include <utility>

#include "opcodes/row_compare.h"
#include "platform/qt_text.h"

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

// A text's first eight bytes as one big-endian number (zero-padded): it orders most pairs
// of rows without looking at their texts.
std::uint64_t HeadOf(std::string_view text) {
    std::uint64_t head = 0;
    for (std::size_t i = 0; i < 8; ++i)
        head = head << 8 | (i < text.size() ? static_cast<unsigned char>(text[i]) : 0u);
    return head;
}

// The rows in the order of CompareCp1251 on one column, rows with equal texts in their
// present order: order[new row] = old row.
std::vector<int> SortedOrder(const std::vector<OpcodeRowModel::Row>& rows, std::size_t column) {
    const std::size_t n = rows.size();
    std::vector<std::uint64_t> heads(n);
    std::array<std::array<std::size_t, 256>, 8> counts{}; // of each byte value, by byte
    for (std::size_t i = 0; i < n; ++i) {
        heads[i] = HeadOf(rows[i][column]);
        for (std::size_t b = 0; b < 8; ++b)
            ++counts[b][heads[i] >> (8 * b) & 0xFF];
    }
    std::vector<int> order(n), scratch(n);
    std::iota(order.begin(), order.end(), 0);
    // Stable by the heads: one counting pass a byte, the last byte first, except for the
    // bytes every row shares (short columns leave most bytes zero).
    for (std::size_t b = 0; b < 8; ++b) {
        std::array<std::size_t, 256>& count = counts[b];
        if (std::find(count.begin(), count.end(), n) != count.end())
            continue;
        std::size_t next = 0;
        for (std::size_t& c : count)
            next += std::exchange(c, next);
        for (const int row : order)
            scratch[count[heads[static_cast<std::size_t>(row)] >> (8 * b) & 0xFF]++] = row;
        order.swap(scratch);
    }
    // Rows of equal heads: the rest of their texts decides, unless they are all the same
    // text of eight bytes at most.
    const auto text = [&](int row) { return rows[static_cast<std::size_t>(row)][column]; };
    for (auto first = order.begin(); first != order.end();) {
        const std::uint64_t head = heads[static_cast<std::size_t>(*first)];
        const auto last = std::find_if(first, order.end(), [&](int row) {
            return heads[static_cast<std::size_t>(row)] != head;
        });
        const std::size_t size = text(*first).size();
        if (size > 8 || std::any_of(first, last, [&](int row) { return text(row).size() != size; }))
            std::stable_sort(first, last,
                             [&](int a, int b) { return CompareCp1251(text(a), text(b)) < 0; });
        first = last;
    }
    return order;
}

} // namespace

void OpcodeRowModel::Sort(int column) {
    if (column < 0 || column >= kMaxColumns)
        return;
    const std::vector<int> order = SortedOrder(rows_, static_cast<std::size_t>(column));

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
    const QModelIndexList persistent = persistentIndexList();
    QModelIndexList from, to;
    from.reserve(persistent.size());
    to.reserve(persistent.size());
    for (const QModelIndex& index : persistent) {
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
