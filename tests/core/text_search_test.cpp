#include <gtest/gtest.h>

#include "opcodes/cp1251.h"
#include "opcodes/text_search.h"
#include "tests/support/fake_row_list.h"

using Log = std::vector<std::string>;

TEST(ContainsUpperLatin, LatinOnlyCaseFolding) {
    EXPECT_TRUE(ContainsUpperLatin("0001: wait %1d% ms", "WAIT"));
    EXPECT_TRUE(ContainsUpperLatin("0001: WaIt", "wAiT"));
    EXPECT_TRUE(ContainsUpperLatin("000A: x", "00a"));
    EXPECT_FALSE(ContainsUpperLatin("0001: wai", "WAIT"));
    // Cyrillic letters match only in the same case.
    const std::string caption = Utf8ToCp1251("0002: Ждать");
    EXPECT_TRUE(ContainsUpperLatin(caption, Utf8ToCp1251("Ждать")));
    EXPECT_FALSE(ContainsUpperLatin(caption, Utf8ToCp1251("ЖДАТЬ")));
    EXPECT_FALSE(ContainsUpperLatin(caption, Utf8ToCp1251("ждать")));
}

TEST(ContainsUpperLatin, EmptyNeedleMatchesNothing) {
    EXPECT_FALSE(ContainsUpperLatin("0001: wait", ""));
    EXPECT_FALSE(ContainsUpperLatin("", ""));
    EXPECT_FALSE(ContainsUpperLatin("", "A"));
}

TEST(QuickSearch, KeysThatSearch) {
    EXPECT_TRUE(IsQuickSearchKey(11));  // Ctrl+K
    EXPECT_FALSE(IsQuickSearchKey(10));
}

namespace {

const std::vector<std::string> kRows = {
    "0000: nop",           "0001: wait %1d% ms", "0002: jump %1p%",  "0003: shake_cam",
    "0004: $=int",         "0005: Waiting car",  "00A5: create_car", "000A: x",
    "0008: 00a in text",   "0009: last",
};

}  // namespace

TEST(QuickSearch, StepsThroughMatchesAndWrapsOnce) {
    FakeRowList list(kRows);
    EXPECT_EQ(QuickSearch(list, "wait"), 1);
    EXPECT_EQ(list.Selected(), std::set<int>{1});
    EXPECT_EQ(list.Focused(), 1);
    EXPECT_EQ(QuickSearch(list, "WAIT"), 5);
    EXPECT_EQ(list.Selected(), std::set<int>{5});
    // After the last match the next confirmation wraps to the first.
    EXPECT_EQ(QuickSearch(list, "wAiT"), 1);
    EXPECT_EQ(list.Selected(), std::set<int>{1});
    EXPECT_EQ(list.Log(), (Log{"+1", "-1", "+5", "-5", "+1"}));
}

TEST(QuickSearch, HexDigitsMatchNumbersAndText) {
    FakeRowList list(kRows);
    EXPECT_EQ(QuickSearch(list, "00a"), 6);
    EXPECT_EQ(QuickSearch(list, "00a"), 7);
    EXPECT_EQ(QuickSearch(list, "00a"), 8);
    EXPECT_EQ(QuickSearch(list, "00a"), 6);
}

TEST(QuickSearch, NoMatchDeselectsOnlyTheFirstSelectedRow) {
    FakeRowList list(kRows, {2});
    EXPECT_EQ(QuickSearch(list, "nothing"), -1);
    EXPECT_TRUE(list.Selected().empty());
    EXPECT_EQ(list.Log(), Log{"-2"});
    // With that row gone, a second confirmation changes nothing.
    EXPECT_EQ(QuickSearch(list, "nothing"), -1);
    EXPECT_EQ(list.Log(), Log{"-2"});
}

TEST(QuickSearch, NoMatchWithTwoSelectedRows) {
    FakeRowList list(kRows, {3, 8});
    EXPECT_EQ(QuickSearch(list, "nothing"), -1);
    EXPECT_EQ(list.Selected(), std::set<int>{8});
    EXPECT_EQ(list.Log(), Log{"-3"});
}

TEST(QuickSearch, EmptyTextFindsNothingAndClearsTheFirstSelection) {
    FakeRowList list(kRows, {4});
    EXPECT_EQ(QuickSearch(list, ""), -1);
    EXPECT_TRUE(list.Selected().empty());
    EXPECT_EQ(list.Focused(), -1);
}

TEST(QuickSearch, HitReplacesOnlyTheFirstSelectedRow) {
    std::vector<std::string> rows(12, "0000: other");
    rows[5] = "0005: the match";
    FakeRowList list(rows, {3, 10});
    EXPECT_EQ(QuickSearch(list, "MATCH"), 5);
    EXPECT_EQ(list.Selected(), (std::set<int>{5, 10}));
    EXPECT_EQ(list.Focused(), 5);
    EXPECT_EQ(list.Log(), (Log{"-3", "+5"}));
}

TEST(QuickSearch, OnlyMatchIsTheSelectedRow) {
    FakeRowList list(kRows, {3});
    EXPECT_EQ(QuickSearch(list, "shake"), 3);
    EXPECT_EQ(list.Selected(), std::set<int>{3});
    EXPECT_EQ(list.Focused(), 3);
    // The first walk finds nothing after row 3, the wrap deselects it, the second
    // walk selects it again.
    EXPECT_EQ(list.Log(), (Log{"-3", "+3"}));
}

TEST(QuickSearch, WrapAfterSeveralSelectedStartsAfterTheNextSelectedRow) {
    FakeRowList list(kRows, {5, 7});
    // Walk 1 from row 6 finds nothing; the wrap deselects row 5, walk 2 starts at 8.
    EXPECT_EQ(QuickSearch(list, "wait"), -1);
    EXPECT_EQ(list.Selected(), std::set<int>{7});
}

TEST(QuickSearch, EmptyListAndLastRowSelected) {
    FakeRowList empty({});
    EXPECT_EQ(QuickSearch(empty, "a"), -1);
    EXPECT_TRUE(empty.Log().empty());

    FakeRowList list(kRows, {9});
    EXPECT_EQ(QuickSearch(list, "nop"), 0);
    EXPECT_EQ(list.Log(), (Log{"-9", "+0"}));
}

TEST(ShowInList, FindsTheExactCaption) {
    FakeRowList list({"0001: wait", "0001: WAIT", "0001: wait", "0001: wait more"});
    EXPECT_EQ(FindRowByCaption(list, "0001: WAIT"), 1);
    EXPECT_EQ(FindRowByCaption(list, "0001: wait"), 0);
    EXPECT_EQ(FindRowByCaption(list, "0001: wai"), -1);
    EXPECT_EQ(FindRowByCaption(list, ""), -1);
    EXPECT_EQ(FindRowByCaption(FakeRowList({}), "0001: wait"), -1);
}

TEST(ShowInList, HitReplacesASingleSelection) {
    FakeRowList list(kRows, {0});
    EXPECT_TRUE(ShowInList(list, Utf8ToCp1251("0003: shake_cam")));
    EXPECT_EQ(list.Selected(), std::set<int>{3});
    EXPECT_EQ(list.Focused(), 3);
}

TEST(ShowInList, HitJoinsASelectionOfTwoOrMore) {
    FakeRowList list(kRows, {0, 9});
    EXPECT_TRUE(ShowInList(list, "0003: shake_cam"));
    EXPECT_EQ(list.Selected(), (std::set<int>{0, 3, 9}));
}

TEST(ShowInList, MissLeavesTheListAlone) {
    FakeRowList list(kRows, {2});
    EXPECT_FALSE(ShowInList(list, "0003: SHAKE_CAM"));
    EXPECT_EQ(list.Selected(), std::set<int>{2});
    EXPECT_TRUE(list.Log().empty());
    FakeRowList empty({});
    EXPECT_FALSE(ShowInList(empty, "0003: shake_cam"));
}
