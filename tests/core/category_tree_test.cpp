#include <gtest/gtest.h>

#include <clocale>

#include "opcodes/category_tree.h"
#include "opcodes/cp1251.h"
#include "opcodes/errors.h"
#include "tests/support/temp_dir.h"

namespace {

// "key@parent" per item, for compact expectations.
std::vector<std::string> Shape(const std::vector<TreeItem>& items) {
    std::vector<std::string> shape;
    for (const TreeItem& item : items)
        shape.push_back(item.Key + "@" + (item.Parent < 0 ? "-" : items[item.Parent].Key));
    return shape;
}

std::vector<std::string> Parse(std::string_view text) {
    std::vector<TreeItem> items;
    ParseCategoryTree(text, items);
    return Shape(items);
}

std::string ParseError(std::string_view text, std::vector<TreeItem>& items) {
    try {
        ParseCategoryTree(text, items);
    } catch (const ETreeViewError& e) {
        return e.Message();
    }
    return "no error";
}

TEST(CategoryTree, IndentationByTabsOrBlanksGivesTheLevels) {
    const std::vector<std::string> expected{"A@-", "B@A", "C@B", "D@A", "E@-"};
    EXPECT_EQ(Parse("A\r\n\tB\r\n\t\tC\r\n\tD\r\nE\r\n"), expected);
    EXPECT_EQ(Parse("A\n B\n  C\n D\nE"), expected);
    EXPECT_EQ(Parse("A\r B\r \tC\r D\rE\r"), expected);
}

TEST(CategoryTree, GoingUpSeveralLevelsAtOnce) {
    EXPECT_EQ(Parse("A\n\tB\n\t\tC\n\t\t\tD\n\tE\n"),
              (std::vector<std::string>{"A@-", "B@A", "C@B", "D@C", "E@A"}));
}

TEST(CategoryTree, KeysKeepTrailingBlanksAndEmptyLinesAreTopLevelNodes) {
    std::vector<TreeItem> items;
    ParseCategoryTree("A  \r\n\tB\r\n\r\nC\r\n", items);
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[0].Key, "A  ");
    EXPECT_EQ(items[2].Key, "");
    EXPECT_EQ(items[2].Parent, -1);
    EXPECT_EQ(items[2].Level, 0);
    EXPECT_EQ(Parse(""), std::vector<std::string>{});
    EXPECT_EQ(Parse("\r\n"), std::vector<std::string>{"@-"});
}

TEST(CategoryTree, FirstLineIsTopLevelWhateverItsIndentation) {
    EXPECT_EQ(Parse("\t\tA\n\tB\n"), (std::vector<std::string>{"A@-", "B@A"}));
}

TEST(CategoryTree, TooDeepALineStopsWithTheNodesReadSoFar) {
    std::vector<TreeItem> items;
    EXPECT_EQ(ParseError("A\r\n\t\tDeep\r\nB\r\n", items), "Invalid level (2) for item \"Deep\"");
    EXPECT_EQ(Shape(items), std::vector<std::string>{"A@-"});
    items.clear();
    EXPECT_EQ(ParseError("\t\tA\n\t\tB\n", items), "Invalid level (2) for item \"B\"");
}

TEST(CategoryTree, DeepTreesParseInOnePass) {
    std::string text;
    for (int level = 0; level < 10000; ++level) text += std::string(level, ' ') + "n\n";
    text += "top\n";
    std::vector<TreeItem> items;
    ParseCategoryTree(text, items);
    ASSERT_EQ(items.size(), 10001u);
    EXPECT_EQ(items[9999].Level, 9999);
    EXPECT_EQ(items[9999].Parent, 9998);
    EXPECT_EQ(items[10000].Parent, -1);
}

TEST(CategoryTree, UnreadableFileNamesItInTheError) {
    TempDir dir;
    // A Cyrillic folder on a UTF-8 system: the message gives its name in the program's text.
    const LocaleScope utf8(LC_CTYPE, "C.UTF-8");
    ASSERT_TRUE(utf8.Set());
    dir.Write("база/x", "");
    CurrentDirScope cd(dir.path() / "база");
    std::vector<TreeItem> items;
    try {
        ReadCategoryTree("INI\\Opcodes.tree", items);
        FAIL() << "no error";
    } catch (const EFOpenError& e) {
        const std::string prefix =
            "Cannot open file \"" + dir.path().string() + "/\xE1\xE0\xE7\xE0/INI/Opcodes.tree\". ";
        EXPECT_EQ(e.Message().substr(0, prefix.size()), prefix);
        EXPECT_GT(e.Message().size(), prefix.size());  // the file system's own text follows
    }
    dir.Write("база/ini/opcodes.TREE", "X\r\n");
    ReadCategoryTree("INI\\Opcodes.tree", items);
    EXPECT_EQ(Shape(items), std::vector<std::string>{"X@-"});
}

}  // namespace

namespace {

TEST(CategoryTreeAll, ReadsOnPastEveryInvalidLevel) {
    const std::string text = "A\n\t\t\tB\n\t\tC\nD\n\t\tE\n";
    std::vector<TreeItem> items;
    std::vector<TreeLevelError> errors;
    ParseCategoryTreeAll(text, items, errors);
    // B goes one below A, so C is then a valid child of B; E is placed below D.
    EXPECT_EQ(Shape(items), (std::vector<std::string>{"A@-", "B@A", "C@B", "D@-", "E@D"}));
    ASSERT_EQ(errors.size(), 2u);
    EXPECT_EQ(errors[0].item, 1u);
    EXPECT_EQ(errors[1].item, 4u);
    EXPECT_EQ(errors[1].message, "Invalid level (2) for item \"E\"");

    // The first error is the one the program stops at, with the same message.
    std::vector<TreeItem> loaded;
    EXPECT_EQ(ParseError(text, loaded), errors[0].message);
    EXPECT_EQ(loaded.size(), errors[0].item);
}

TEST(CategoryTreeAll, AValidTreeReadsAsTheProgramReadsIt) {
    const std::string text = "A\r\n\tB\r\n\r\n C\r\n \tD\r\nE";
    std::vector<TreeItem> items;
    std::vector<TreeLevelError> errors;
    ParseCategoryTreeAll(text, items, errors);
    EXPECT_TRUE(errors.empty());
    EXPECT_EQ(Shape(items), Parse(text));
}

}  // namespace
