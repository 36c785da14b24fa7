#include "ui/opcode_rows.h"

#include <QItemSelectionModel>
#include <algorithm>

#include "ui/opcode_row_model.h"

namespace {

// Whether any pixel row of the row lies inside the list's viewport.
bool PartlyVisible(const QTreeView* list, const QModelIndex& index) {
    const QRect rect = list->visualRect(index);
    return rect.isValid() && rect.bottom() >= 0 && rect.top() < list->viewport()->height();
}

} // namespace

std::vector<bool> OpcodeRows::Selected() const {
    std::vector<bool> selected(static_cast<std::size_t>(Count()));
    // Ranges may overlap; each row counts once.
    for (const QItemSelectionRange& range : list_->selectionModel()->selection())
        for (int row = std::max(range.top(), 0); row <= range.bottom() && row < Count(); ++row)
            selected[static_cast<std::size_t>(row)] = true;
    return selected;
}

int OpcodeRows::Count() const {
    return list_->Rows()->Count();
}

std::string OpcodeRows::Caption(int row) const {
    return std::string(list_->Rows()->Bytes(row, 0));
}

int OpcodeRows::FirstSelected() const {
    const std::vector<bool> selected = Selected();
    const auto first = std::find(selected.begin(), selected.end(), true);
    return first == selected.end() ? -1 : static_cast<int>(first - selected.begin());
}

int OpcodeRows::SelectedCount() const {
    const std::vector<bool> selected = Selected();
    return static_cast<int>(std::count(selected.begin(), selected.end(), true));
}

void OpcodeRows::Deselect(int row) {
    if (row >= 0 && row < Count())
        list_->selectionModel()->select(list_->Rows()->index(row, 0),
                                        QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
}

void OpcodeRows::SelectFocusScroll(int row) {
    if (row < 0 || row >= Count())
        return;
    const QModelIndex index = list_->Rows()->index(row, 0);
    list_->selectionModel()->select(index, QItemSelectionModel::Select | QItemSelectionModel::Rows);
    // A partly visible row counts as visible: the list moves only for a row out of sight.
    if (!PartlyVisible(list_, index))
        list_->scrollTo(index, QAbstractItemView::EnsureVisible);
    // The focus mark moves without touching the selection of other rows, and without the
    // view's own scrolling to its current row.
    const bool autoScroll = list_->hasAutoScroll();
    list_->setAutoScroll(false);
    list_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    list_->setAutoScroll(autoScroll);
}

std::vector<std::string> OpcodeRows::Column(int column) const {
    std::vector<std::string> texts;
    texts.reserve(static_cast<std::size_t>(Count()));
    for (int i = 0; i < Count(); ++i)
        texts.emplace_back(list_->Rows()->Bytes(i, column));
    return texts;
}

std::vector<std::string> OpcodeRows::SelectedColumn(int column) const {
    const std::vector<bool> selected = Selected();
    std::vector<std::string> texts;
    for (int i = 0; i < Count(); ++i)
        if (selected[static_cast<std::size_t>(i)])
            texts.emplace_back(list_->Rows()->Bytes(i, column));
    return texts;
}
