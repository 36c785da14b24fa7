#pragma once
// The rows of the two opcode lists (the main list and the search window's results). Each
// item keeps its columns' Windows-1251 bytes beside the displayed text, so sorting,
// searching and copying read the bytes the files gave without converting them back.

#include <QTreeWidget>
#include <initializer_list>
#include <string>
#include <string_view>

#include "opcodes/text_search.h"

// A new row (not yet in any list) showing `columns` in order.
QTreeWidgetItem* NewOpcodeRow(std::initializer_list<std::string_view> columns);
// The bytes of one column of a row ("" for a column the row does not have).
std::string RowBytes(const QTreeWidgetItem* row, int column);

// A list's rows as the searches see them: rows in display order, the captions' bytes,
// and the list's selection and focus.
class OpcodeRows : public RowList {
  public:
    explicit OpcodeRows(QTreeWidget* list) : list_(list) {}

    int Count() const override;
    std::string Caption(int row) const override;
    int FirstSelected() const override;
    int SelectedCount() const override;
    void Deselect(int row) override;
    void SelectFocusScroll(int row) override;

    // The bytes of one column of every row, or of the selected rows only, in display order.
    std::vector<std::string> Column(int column) const;
    std::vector<std::string> SelectedColumn(int column) const;

  private:
    QTreeWidget* list_;
};
