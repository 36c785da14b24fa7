#pragma once
// A list's rows as the searches and the copy commands see them: rows in display order,
// their columns' Windows-1251 bytes, and the list's selection and focus.

#include <string>
#include <vector>

#include "opcodes/text_search.h"

class OpcodeListView;

class OpcodeRows : public RowList {
  public:
    explicit OpcodeRows(OpcodeListView* list) : list_(list) {}

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
    // One flag per row, in display order.
    std::vector<bool> Selected() const;

    OpcodeListView* list_;
};
