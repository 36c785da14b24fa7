#pragma once
// A main opcode list without widgets for the search tests: captions, a selection set, the
// focused row, and a log of every change a search makes, in order.

#include <set>
#include <string>
#include <vector>

#include "opcodes/text_search.h"

class FakeRowList : public RowList {
public:
    // Captions given in UTF-8, kept as Windows-1251 bytes like the real list's.
    explicit FakeRowList(const std::vector<std::string>& utf8Captions,
                         std::set<int> selected = {});

    int Count() const override { return static_cast<int>(captions_.size()); }
    std::string Caption(int row) const override;
    int FirstSelected() const override;
    int SelectedCount() const override { return static_cast<int>(selected_.size()); }
    void Deselect(int row) override;
    void SelectFocusScroll(int row) override;

    const std::set<int>& Selected() const { return selected_; }
    int Focused() const { return focused_; }
    // "-3" for a deselection of row 3, "+5" for selecting row 5.
    const std::vector<std::string>& Log() const { return log_; }
    // How many captions the searches read.
    int CaptionReads() const { return captionReads_; }

private:
    std::vector<std::string> captions_;
    std::set<int> selected_;
    int focused_ = -1;
    std::vector<std::string> log_;
    mutable int captionReads_ = 0;
};
