// The searches over the main list (quick search, show in list, the advanced search) and
// the sort order of its columns.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "opcodes/cp1251.h"
#include "opcodes/find_opcodes.h"
#include "opcodes/row_compare.h"
#include "opcodes/text_search.h"

// The main list without widgets: captions, the selection, and a log of every change a
// search makes ("-3" deselects row 3, "+5" selects row 5).
struct FakeRowList : RowList {
    explicit FakeRowList(std::vector<std::string> rowCaptions, std::set<int> selectedRows = {})
        : captions(std::move(rowCaptions)), selected(std::move(selectedRows)) {}
    int Count() const override { return static_cast<int>(captions.size()); }
    std::string Caption(int row) const override {
        return ++reads, captions.at(static_cast<std::size_t>(row));
    }
    int FirstSelected() const override { return selected.empty() ? -1 : *selected.begin(); }
    int SelectedCount() const override { return static_cast<int>(selected.size()); }
    void Deselect(int row) override {
        log += (selected.erase(row) ? " -" : " !-") + std::to_string(row);
    }
    void SelectFocusScroll(int row) override {
        log += (row >= 0 && row < Count() ? " +" : " !+") + std::to_string(row);
        selected.insert(row);
    }
    std::vector<std::string> captions;
    std::set<int> selected;
    std::string log;
    mutable int reads = 0;
};

const std::vector<std::string> kRows = {
    "0000: nop",           "0001: wait %1d% ms", "0002: jump %1p%",    "0003: shake_cam",
    "0004: Waiting actor", "0005: create_car",   "00A5: create_actor", "0007: actor waits",
    "0008: 00a in text",   "0009: last"};

TEST(QuickSearch, StepsFromTheFirstSelectedRowAndWrapsOnce) {
    const struct {
        std::set<int> selected;
        const char* text;
        std::vector<int> found;
        const char* log;
    } cases[] = {{{}, "WAIT", {1, 4, 7, 1}, " +1 -1 +4 -4 +7 -7 +1"},
                 {{}, "00a", {6, 8, 6}, " +6 -6 +8 -8 +6"},
                 {{2}, "nothing", {-1, -1}, " -2"},
                 {{4}, "", {-1}, " -4"},
                 {{2, 8}, "shake", {3}, " -2 +3"},
                 {{3}, "shake", {3}, " -3 +3"},
                 {{9}, "nop", {0}, " -9 +0"},
                 {{3, 8}, "nop", {-1}, " -3"}}; // the wrap starts after the next selected row
    for (const auto& c : cases) {
        FakeRowList list(kRows, c.selected);
        std::vector<int> found;
        for (std::size_t i = 0; i < c.found.size(); ++i)
            found.push_back(QuickSearch(list, c.text));
        EXPECT_EQ(found, c.found) << c.text;
        EXPECT_EQ(list.log, c.log) << c.text;
    }
}

TEST(ShowInList, TheExactCaptionReplacesASingleSelectionOrJoinsSeveral) {
    FakeRowList one(kRows, {0}), two(kRows, {0, 9}), miss(kRows, {2});
    EXPECT_TRUE(ShowInList(one, "0003: shake_cam") && ShowInList(two, "0003: shake_cam"));
    EXPECT_FALSE(ShowInList(miss, "0003: SHAKE_CAM") || ShowInList(miss, "0003: shake"));
    EXPECT_EQ(one.log + "|" + two.log + "|" + miss.log, " -0 +3| +3|");
}

// Only a space splits; past the last of 256 slots the text is ignored.
TEST(WordList, OnlyASpaceSplitsAndTheSlotsAreLimited) {
    std::string many;
    for (int i = 0; i < 300; ++i)
        many += "w" + std::to_string(i) + " ";
    const WordList list = WordList::Split("a\tb,c;d wait "),
                   blanks = WordList::Split(std::string(300, ' ') + "x");
    EXPECT_EQ(list.Words().size() == 2 ? list.Words()[0] + "|" + list.Words()[1] : "",
              "a\tb,c;d|wait");
    EXPECT_TRUE(WordList::Split(many).slots[255] == "w255" && blanks.slots[255].empty());
}

TEST(RowMatches, AllNoneAndAnyWordsAnywhereInTheCaption) {
    const struct {
        const char *caption, *yes, *no, *any;
        bool match;
    } cases[] = {{"0001: wait", "", "", "", true},
                 {"0004: Waiting actor", "wait ACTOR", "", "", true},
                 {"0001: wait", "wait actor", "", "", false},
                 {"0004: Waiting actor", "wait", "actor", "", false},
                 {"0004: Waiting actor", "wait", "car", "", true},
                 {"0005: create_car", "", "", "actor car", true},
                 {"0000: nop", "", "", "actor car", false},
                 {"0000: nop", " wait", " nop", " car", true},
                 {"0001: wait", "wait  actor", "", "", true},
                 {"00A5: create_actor", "0a5", "", "", true},
                 {"0010: \xC6\xE4\xE0\xF2\xFC", "Ждать", "", "", true},
                 {"0010: \xC6\xE4\xE0\xF2\xFC", "ждать", "", "", false},
                 // A typed word the code page lacks occurs nowhere, not even in "???".
                 {"0AEF: ???", "ł", "", "", false},
                 {"0AEF: ???", "?", "ł", "", true},
                 {"0AEF: ???", "", "", "ł ?", true},
                 {"0AEF: ???", "", "", "ł \xFF", false}};
    for (const auto& c : cases)
        EXPECT_EQ(RowMatches(c.caption, WordList::SplitUtf8(c.yes), WordList::SplitUtf8(c.no),
                             WordList::SplitUtf8(c.any)),
                  c.match)
            << c.caption << " " << c.yes << c.no << c.any;
    const WordList foreign = WordList::SplitUtf8("ł wait");
    EXPECT_EQ(foreign.Words().size(), 2u); // such a word still counts
}

TEST(FindOpcodes, FindNextWrapsOnceAndListAllTouchesNoSelection) {
    const struct {
        std::set<int> selected;
        const char* yes;
        std::vector<std::pair<int, bool>> found;
        const char* log;
    } cases[] = {
        {{}, "actor", {{4, false}, {6, false}, {7, false}, {4, true}}, " +4 -4 +6 -6 +7 -7 +4"},
        {{}, "", {{0, false}, {1, false}}, " +0 -0 +1"},
        {{0, 5}, "wait", {{1, false}}, " -0 +1"},
        {{2, 5}, "jump", {{-1, true}}, " -2"},
        {{2}, "jump", {{2, true}}, " -2 +2"}};
    for (const auto& c : cases) {
        FakeRowList list(kRows, c.selected);
        for (const auto& [row, passEnded] : c.found) {
            const FindOutcome outcome = FindOpcodes(list, WordList::Split(c.yes), {}, {}, false);
            EXPECT_TRUE(outcome.selectedRow == row && outcome.passEnded == passEnded &&
                        outcome.results.empty())
                << c.yes;
        }
        EXPECT_EQ(list.log, c.log) << c.yes;
    }
    FakeRowList list(kRows, {1});
    const FindOutcome all = FindOpcodes(list, WordList::Split("wait"), WordList::Split("x"),
                                        WordList::Split("a b"), true);
    EXPECT_EQ(all.results, (std::vector<std::string>{"0001: wait %1d% ms", "0004: Waiting actor",
                                                     "0007: actor waits"}));
    EXPECT_TRUE(all.passEnded && all.selectedRow == -1 && list.log.empty());
    EXPECT_EQ(list.reads, static_cast<int>(kRows.size())); // each row read once
    FakeRowList empty({});
    EXPECT_TRUE(FindOpcodes(empty, {}, {}, {}, false).passEnded && QuickSearch(empty, "a") == -1);
}

TEST(RowCompare, BytesCompareUnsignedAndAPrefixSortsFirst) {
    std::vector<std::string> texts = {
        "10",  Utf8ToCp1251("до 255"), " 2",  "99", " 9",  Utf8ToCp1251("Авто"),
        "car", Utf8ToCp1251("авто"),   "Car", "ab", "abc", std::string("a\0", 2),
        "a"};
    std::stable_sort(texts.begin(), texts.end(),
                     [](const auto& a, const auto& b) { return CompareCp1251(a, b) < 0; });
    std::string order;
    for (const std::string& text : texts)
        order += Cp1251ToUtf8(text) + "|";
    EXPECT_EQ(order,
              " 2| 9|10|99|Car|a|" + std::string("a\0", 2) + "|ab|abc|car|Авто|авто|до 255|");
    EXPECT_EQ(CompareCp1251("0001: a z1234567", "0001: a \xFF"
                                                "1234567"),
              'z' - 0xFF); // past a long equal start
    EXPECT_EQ(CompareCp1251("", ""), 0);
}
