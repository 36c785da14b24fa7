#include <gtest/gtest.h>

#include <vector>

#include "opcodes/clipboard_text.h"
#include "opcodes/cp1251.h"

using Lines = std::vector<std::string>;

TEST(ClipboardText, OnlyTagsOneToFourAreCommands) {
    EXPECT_EQ(CopyCommandOfTag(4), CopyCommand::AddAll);
    EXPECT_FALSE(CopyCommandOfTag(0).has_value());
    EXPECT_FALSE(CopyCommandOfTag(5).has_value());
    EXPECT_TRUE(CopiesSelection(CopyCommand::AddSelected));
    EXPECT_FALSE(CopiesSelection(CopyCommand::CopyAll));
}

TEST(ClipboardText, MainListLineCarriesTheTranslation) {
    const std::string translation = Utf8ToCp1251("ждать %1d% мс");
    EXPECT_EQ(MainListLine("0001: wait %1d% ms", translation),
              "0001: wait %1d% ms   //" + translation);
    EXPECT_EQ(MainListLine("0001: wait", ""), "0001: wait   //");
}

TEST(ClipboardText, SelectionLinesJoinedWithoutOuterBreaks) {
    EXPECT_EQ(SelectionText(Lines{"0001: a   //x"}), "0001: a   //x");
    EXPECT_EQ(SelectionText(Lines{"0001: a", "0003: c", "0009: i"}),
              "0001: a\r\n0003: c\r\n0009: i");
    // Equal lines stay separate lines.
    EXPECT_EQ(SelectionText(Lines{"x", "x"}), "x\r\nx");
    EXPECT_EQ(SelectionText(Lines{}), "");
}

TEST(ClipboardText, AllRowsTextBeginsWithABreak) {
    EXPECT_EQ(AllRowsText(Lines{"0001: a", "0002: b"}), "\r\n0001: a\r\n0002: b");
    EXPECT_EQ(AllRowsText(Lines{"0001: a", "0002: b", "0003: c"}),
              "\r\n0001: a\r\n0002: b\r\n0003: c");
    EXPECT_EQ(AllRowsText(Lines{}), "");
}

TEST(ClipboardText, AddCommandsPutALineBreakBeforeTheirText) {
    EXPECT_TRUE(AddsToClipboard(CopyCommand::AddAll));
    EXPECT_FALSE(AddsToClipboard(CopyCommand::CopySelected));
    EXPECT_EQ(AddedText(AllRowsText(Lines{"0001: a"})), "\r\n\r\n0001: a");
    EXPECT_EQ(AddedText("0001: a"), "\r\n0001: a");
}
