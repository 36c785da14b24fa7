#include "tests/support/fake_row_list.h"

#include <gtest/gtest.h>

#include "opcodes/cp1251.h"

FakeRowList::FakeRowList(const std::vector<std::string>& utf8Captions, std::set<int> selected)
    : selected_(std::move(selected)) {
    for (const auto& caption : utf8Captions) captions_.push_back(Utf8ToCp1251(caption));
}

std::string FakeRowList::Caption(int row) const {
    ++captionReads_;
    EXPECT_TRUE(row >= 0 && row < Count()) << "caption of row " << row;
    return row >= 0 && row < Count() ? captions_[static_cast<std::size_t>(row)] : std::string();
}

int FakeRowList::FirstSelected() const { return selected_.empty() ? -1 : *selected_.begin(); }

void FakeRowList::Deselect(int row) {
    EXPECT_TRUE(selected_.count(row)) << "row " << row << " was not selected";
    selected_.erase(row);
    log_.push_back("-" + std::to_string(row));
}

void FakeRowList::SelectFocusScroll(int row) {
    EXPECT_TRUE(row >= 0 && row < Count()) << "select row " << row;
    selected_.insert(row);
    focused_ = row;
    log_.push_back("+" + std::to_string(row));
}
