#include <gtest/gtest.h>

#include "opcodes/cp1251.h"
#include "opcodes/find_opcodes.h"
#include "tests/support/fake_row_list.h"

using Log = std::vector<std::string>;
using Words = std::vector<std::string>;

namespace {

Words WordsOf(std::string_view text) {
    const WordList list = WordList::Split(text);
    const auto words = list.Words();
    return {words.begin(), words.end()};
}

bool Matches(std::string_view caption, std::string_view yes, std::string_view no = "",
             std::string_view orWords = "") {
    return RowMatches(caption, WordList::Split(yes), WordList::Split(no),
                      WordList::Split(orWords));
}

const std::vector<std::string> kRows = {
    "0000: nop",           "0001: wait %1d% ms",   "0002: jump %1p%",    "0003: shake_cam",
    "0004: Waiting actor", "0005: create_car",     "00A5: create_actor", "0007: actor waits",
};

FindOutcome Find(FakeRowList& list, std::string_view yes, bool findAll,
                 std::string_view no = "", std::string_view orWords = "") {
    return FindOpcodes(list, WordList::Split(yes), WordList::Split(no),
                       WordList::Split(orWords), findAll);
}

}  // namespace

TEST(WordList, SplitsAtSpacesOnly) {
    EXPECT_EQ(WordsOf("wait actor"), (Words{"wait", "actor"}));
    EXPECT_EQ(WordsOf("a\tb,c;d"), (Words{"a\tb,c;d"}));
    EXPECT_EQ(WordsOf("car "), (Words{"car"}));
    EXPECT_TRUE(WordsOf("").empty());
}

TEST(WordList, EmptySlotEndsTheList) {
    const WordList doubled = WordList::Split("wait  actor");
    EXPECT_EQ(doubled.slots[0], "wait");
    EXPECT_EQ(doubled.slots[1], "");
    EXPECT_EQ(doubled.slots[2], "actor");
    EXPECT_EQ(WordsOf("wait  actor"), Words{"wait"});
    const WordList leading = WordList::Split(" wait");
    EXPECT_EQ(leading.slots[1], "wait");
    EXPECT_TRUE(leading.Words().empty());
}

TEST(WordList, TextPastTheLastSlotIsIgnored) {
    std::string text;
    for (int i = 0; i < 300; ++i) text += "w" + std::to_string(i) + " ";
    const WordList list = WordList::Split(text);
    EXPECT_EQ(list.slots[255], "w255");
    EXPECT_EQ(list.Words().size(), kWordSlots);
    // 300 spaces in a row: every slot stays empty, nothing is written past them.
    const WordList spaces = WordList::Split(std::string(300, ' ') + "x");
    EXPECT_TRUE(spaces.Words().empty());
    for (const auto& slot : spaces.slots) EXPECT_TRUE(slot.empty());
}

TEST(RowMatches, ThreeListsTogether) {
    EXPECT_TRUE(Matches("0001: wait", ""));
    EXPECT_TRUE(Matches("0004: Waiting actor", "wait ACTOR"));
    EXPECT_FALSE(Matches("0001: wait", "wait actor"));
    EXPECT_FALSE(Matches("0004: Waiting actor", "wait", "actor"));
    EXPECT_TRUE(Matches("0004: Waiting actor", "wait", "car"));
    EXPECT_TRUE(Matches("0005: create_car", "", "", "actor car"));
    EXPECT_FALSE(Matches("0000: nop", "", "", "actor car"));
    // A field beginning with a space sets no condition, however its words read.
    EXPECT_TRUE(Matches("0000: nop", " wait", " nop", " car"));
    // After a doubled space only the first word counts.
    EXPECT_TRUE(Matches("0001: wait", "wait  actor"));
}

TEST(RowMatches, WordsInsideWordsAndNumbers) {
    EXPECT_TRUE(Matches("0004: Waiting actor", "wait"));
    EXPECT_TRUE(Matches("00A5: create_actor", "0a5"));
    EXPECT_TRUE(Matches("00A5: create_actor", "00a"));
    EXPECT_FALSE(Matches("0005: create_car", "00a"));
    const std::string caption = Utf8ToCp1251("0010: Ждать игрока");
    EXPECT_TRUE(Matches(caption, Utf8ToCp1251("Ждать")));
    EXPECT_FALSE(Matches(caption, Utf8ToCp1251("ждать")));
}

TEST(RowMatches, TypedWordsTheCodePageLacksOccurNowhere) {
    const auto matches = [](std::string_view caption, std::string_view yes, std::string_view no,
                            std::string_view orWords) {
        return RowMatches(caption, WordList::SplitUtf8(yes), WordList::SplitUtf8(no),
                          WordList::SplitUtf8(orWords));
    };
    EXPECT_TRUE(matches("0010: \xC6\xE4\xE0\xF2\xFC", "Ждать", "", ""));
    EXPECT_FALSE(matches("0AEF: ???", "ł", "", ""));
    EXPECT_TRUE(matches("0AEF: ???", "?", "ł", ""));  // a "?" typed as such still counts
    EXPECT_TRUE(matches("0AEF: ???", "", "", "ł ?"));
    EXPECT_FALSE(matches("0AEF: ???", "", "", "ł \xFF"));
    // Such a word still counts as a word: the list does not end at it.
    const WordList words = WordList::SplitUtf8("ł wait");
    EXPECT_EQ(words.Words().size(), 2u);
}

TEST(FindOpcodes, ListAllCollectsEveryMatchInListOrder) {
    FakeRowList list(kRows, {1});
    const FindOutcome outcome = Find(list, "wait", true);
    EXPECT_EQ(outcome.results,
              (Words{"0001: wait %1d% ms", "0004: Waiting actor", "0007: actor waits"}));
    EXPECT_TRUE(outcome.passEnded);
    EXPECT_EQ(outcome.selectedRow, -1);
    EXPECT_TRUE(list.Log().empty());  // list all starts at row 0 and selects nothing
}

TEST(FindOpcodes, EmptyFieldsMatchEveryRow) {
    FakeRowList list(kRows);
    EXPECT_EQ(Find(list, "", true).results.size(), kRows.size());
    const FindOutcome next = Find(list, "", false);
    EXPECT_EQ(next.selectedRow, 0);
    EXPECT_FALSE(next.passEnded);
    EXPECT_TRUE(next.results.empty());
    EXPECT_EQ(Find(list, "", false).selectedRow, 1);
    EXPECT_EQ(list.Selected(), std::set<int>{1});
}

TEST(FindOpcodes, FindNextStepsAndWrapsAfterTheLastMatch) {
    FakeRowList list(kRows);
    EXPECT_EQ(Find(list, "actor", false).selectedRow, 4);
    EXPECT_EQ(Find(list, "actor", false).selectedRow, 6);
    EXPECT_EQ(Find(list, "actor", false).selectedRow, 7);
    // The pass after row 7 ends empty (panels "Готово.", "Найдено: 0"), row 7 loses its
    // selection, and the second pass selects the first match from the top.
    const FindOutcome wrapped = Find(list, "actor", false);
    EXPECT_EQ(wrapped.selectedRow, 4);
    EXPECT_TRUE(wrapped.passEnded);
    EXPECT_TRUE(wrapped.results.empty());
    EXPECT_EQ(list.Selected(), std::set<int>{4});
    EXPECT_EQ(list.Focused(), 4);
    EXPECT_EQ(list.Log(), (Log{"+4", "-4", "+6", "-6", "+7", "-7", "+4"}));
}

TEST(FindOpcodes, FindNextWithSeveralSelectedRows) {
    FakeRowList hit(kRows, {0, 5});
    EXPECT_EQ(Find(hit, "wait", false).selectedRow, 1);
    EXPECT_EQ(hit.Selected(), (std::set<int>{1, 5}));

    // No hit after row 2: row 2 is deselected, the second pass starts after row 5.
    FakeRowList miss(kRows, {2, 5});
    const FindOutcome outcome = Find(miss, "jump", false);
    EXPECT_EQ(outcome.selectedRow, -1);
    EXPECT_TRUE(outcome.passEnded);
    EXPECT_EQ(miss.Selected(), std::set<int>{5});
    EXPECT_EQ(miss.Log(), Log{"-2"});
}

TEST(FindOpcodes, FindNextWithoutAnyMatch) {
    FakeRowList list(kRows, {3, 6});
    const FindOutcome outcome = Find(list, "nothing", false);
    EXPECT_EQ(outcome.selectedRow, -1);
    EXPECT_TRUE(outcome.passEnded);
    EXPECT_EQ(list.Selected(), std::set<int>{6});
}

TEST(FindOpcodes, OnlyMatchIsTheSelectedRow) {
    FakeRowList list(kRows, {2});
    EXPECT_EQ(Find(list, "jump", false).selectedRow, 2);
    EXPECT_EQ(list.Log(), (Log{"-2", "+2"}));
}

TEST(FindOpcodes, EmptyListInBothModes) {
    FakeRowList list({});
    for (const bool findAll : {true, false}) {
        const FindOutcome outcome = Find(list, "", findAll);
        EXPECT_TRUE(outcome.passEnded);
        EXPECT_TRUE(outcome.results.empty());
        EXPECT_EQ(outcome.selectedRow, -1);
    }
    EXPECT_EQ(list.CaptionReads(), 0);
}

TEST(FindOpcodes, EachRowReadOncePerVisit) {
    FakeRowList list(kRows);
    Find(list, "wait actor", true, "x", "a b c");
    EXPECT_EQ(list.CaptionReads(), static_cast<int>(kRows.size()));
}
