#include "ui/opcode_rows.h"

#include <QItemSelectionModel>

#include "ui/qt_text.h"

namespace {

constexpr int kOpcodeRowType = QTreeWidgetItem::UserType + 1;

// A row with its columns' bytes in plain strings: the searches read every caption on
// every pass, and a string copy is all that costs.
class OpcodeRowItem : public QTreeWidgetItem {
public:
    OpcodeRowItem() : QTreeWidgetItem(kOpcodeRowType) {}
    QTreeWidgetItem* clone() const override { return new OpcodeRowItem(*this); }

    std::vector<std::string> bytes;
};

// Whether any pixel row of the item lies inside the list's viewport.
bool PartlyVisible(const QTreeWidget* list, const QTreeWidgetItem* item) {
    const QRect rect = list->visualItemRect(item);
    return rect.isValid() && rect.bottom() >= 0 && rect.top() < list->viewport()->height();
}

}  // namespace

QTreeWidgetItem* NewOpcodeRow(std::initializer_list<std::string_view> columns) {
    auto* row = new OpcodeRowItem;
    row->bytes.reserve(columns.size());
    int column = 0;
    for (std::string_view bytes : columns) {
        row->setText(column++, FromCp1251(bytes));
        row->bytes.emplace_back(bytes);
    }
    return row;
}

std::string RowBytes(const QTreeWidgetItem* row, int column) {
    if (row->type() == kOpcodeRowType) {
        const auto& bytes = static_cast<const OpcodeRowItem*>(row)->bytes;
        if (column >= 0 && static_cast<std::size_t>(column) < bytes.size())
            return bytes[static_cast<std::size_t>(column)];
        return {};
    }
    return ToCp1251(row->text(column));
}

int OpcodeRows::Count() const { return list_->topLevelItemCount(); }

std::string OpcodeRows::Caption(int row) const { return RowBytes(list_->topLevelItem(row), 0); }

int OpcodeRows::FirstSelected() const {
    int first = -1;
    for (const QTreeWidgetItem* item : list_->selectedItems()) {
        const int index = list_->indexOfTopLevelItem(const_cast<QTreeWidgetItem*>(item));
        if (index >= 0 && (first < 0 || index < first)) first = index;
    }
    return first;
}

int OpcodeRows::SelectedCount() const {
    return static_cast<int>(list_->selectedItems().size());
}

void OpcodeRows::Deselect(int row) {
    if (QTreeWidgetItem* item = list_->topLevelItem(row)) item->setSelected(false);
}

void OpcodeRows::SelectFocusScroll(int row) {
    QTreeWidgetItem* item = list_->topLevelItem(row);
    if (item == nullptr) return;
    item->setSelected(true);
    // A partly visible row counts as visible: the list moves only for a row out of sight.
    if (!PartlyVisible(list_, item)) list_->scrollToItem(item, QAbstractItemView::EnsureVisible);
    // The focus mark moves without touching the selection of other rows, and without the
    // view's own scrolling to its current row.
    const bool autoScroll = list_->hasAutoScroll();
    list_->setAutoScroll(false);
    list_->selectionModel()->setCurrentIndex(list_->indexFromItem(item),
                                             QItemSelectionModel::NoUpdate);
    list_->setAutoScroll(autoScroll);
}

std::vector<std::string> OpcodeRows::Column(int column) const {
    std::vector<std::string> texts;
    texts.reserve(static_cast<std::size_t>(Count()));
    for (int i = 0; i < Count(); ++i) texts.push_back(RowBytes(list_->topLevelItem(i), column));
    return texts;
}

std::vector<std::string> OpcodeRows::SelectedColumn(int column) const {
    std::vector<std::string> texts;
    for (int i = 0; i < Count(); ++i) {
        const QTreeWidgetItem* item = list_->topLevelItem(i);
        if (item->isSelected()) texts.push_back(RowBytes(item, column));
    }
    return texts;
}
