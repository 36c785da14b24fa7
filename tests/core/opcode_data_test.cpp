// The start-up's readers: opcode line files, the opcode table, the category tree and the
// categories' data, and which opcodes a category lists.

#include <gtest/gtest.h>

#include "opcodes/categories.h"
#include "opcodes/category_listing.h"
#include "opcodes/category_tree.h"
#include "opcodes/cp1251.h"
#include "opcodes/errors.h"
#include "opcodes/files/file_names.h"
#include "opcodes/ini_file.h"
#include "opcodes/opcode_lines.h"
#include "tests/support/temp_dir.h"

template <typename Run> std::string ErrorOf(Run&& run) try {
    return run(), "no error";
} catch (const Exception& e) {
    return std::string(e.ClassName()) + ": " + e.Message();
}

// Five characters a number (a non-digit counts as 0); lines end at CR LF, CR or LF, the
// file at a byte 1A; line 1 or less reads the first line, one past the end the number 0.
TEST(OpcodeLines, NumbersOfEachLine) {
    const auto file = OpcodeLineFile::FromBytes("0001 0002,00a3 \r\n\r\n0G03  A\r0004\n0005\x1A"
                                                "0006\r\n");
    std::string lines;
    for (int32_t line : {-5, 1, 2, 3, 4, 5, 6, INT32_MAX}) {
        for (int32_t n : file.ReadLine(line))
            lines += std::to_string(n) + " ";
        lines += "|";
    }
    EXPECT_EQ(lines, "1 2 163 |1 2 163 |0 |3 10 |4 |5 |0 |0 |");
}

class StartUpFiles : public ::testing::Test {
  protected:
    TOpcodesList Table() const {
        return TOpcodesList(dir.Name("INI/SASCM.ini"), dir.Name("INI/SASCM_RUS.ini"),
                            dir.Name("INI/TypeInfo.ini"), dir.Name("INI/Types.Opcodes"));
    }
    TempDir dir;
};

TEST_F(StartUpFiles, RecordsTakeTheirTextsFromBothFiles) {
    // Filler after the opcodes: the texts are kept apart from a file mostly made of it.
    const std::string filler = "[filler]\r\n" + std::string(200000, ';') + "\r\n";
    dir.WriteCp1251(
        "INI/SASCM.ini",
        "[OPCODES]\r\n0001=9,abc\r\n0002=-1,start %1d%\r\n0003=10,twelve\r\n"
        "0005=-2,minus\r\n0006=01,lead\r\n0AF0=0,  last \r\n  00a4 = \"3,quoted\" \r\n" +
            filler);
    dir.WriteCp1251("INI/SASCM_RUS.ini",
                    "[opcodes]\r\n0001=1,xyz\r\n0002=без запятой\r\n0003=,пусто\r\n" + filler);
    const TOpcodesList table = Table();
    std::string shown; // text|translation|count text|count
    for (const TOpcode* op :
         {&table.GetItem(1), &table.GetItem(2), &table.GetItem(3), &table.GetItem(5),
          &table.GetItem(6), &table.GetItem(0xAF0), &table.GetItem(0xA4), &table.GetItem(0x100)})
        shown += Cp1251ToUtf8(std::string(op->Text) + "|" + std::string(op->RusText) + "|" +
                              op->ParamCountText) +
                 std::to_string(op->ParamCount) + "\n";
    EXPECT_EQ(
        shown,
        "0001: abc|xyz| 99\n0002: start %1d%|без запятой|до 255-1\n0003: twelve|пусто|1010\n0005: minus| ???| -2-2\n0006: lead| ???| 011\n0AF0:   last| ???| 00\n00A4: quoted| ???| 33\n0100:  ???| ???| 00\n");
    for (const auto& [number, printed] : {std::pair{kOpcodeCount, "0AF1"}, {-1, "FFFFFFFF"}})
        EXPECT_EQ(ErrorOf([&] { table.GetItem(number); }),
                  std::string("ERangeError: Opcode number ") + printed + " is out of range");
    for (const auto& [value, count] :
         {std::pair{"x1,bad", "'x1'"}, {"no comma", "''"}, {"1 ,b", "'1 '"}}) {
        dir.Write("INI/SASCM.ini", std::string("[OPCODES]\r\n0001=1,ok\r\n0002=") + value + "\r\n");
        EXPECT_EQ(ErrorOf([&] { Table(); }),
                  std::string("EConvertError: ") + count + " is not a valid integer value");
    }
}

// Types in section order, each "ShortCaption, " once per mention on its line; a line past
// the end gives the type to opcode 0000 only; at most 256 types and 4096 characters.
TEST_F(StartUpFiles, TypesComeFromTheTypeLines) {
    dir.WriteCp1251("INI/TypeInfo.ini",
                    "[Act]\r\nShortCaption=Дейст\r\nOpcodes=1\r\n[NoLine]\r\nShortCaption=Нет\r\n"
                    "[Bad]\r\nOpcodes=abc\r\n[Check]\r\nOpcodes=0x2\r\n[Zero]\r\nShortCaption=z\r\n"
                    "Opcodes=0\r\n[Past]\r\nShortCaption=p\r\nOpcodes=9\r\n");
    EXPECT_EQ(ErrorOf([&] { Table(); }), "EInOutError: File not found"); // a line is named
    dir.Write("INI/Types.Opcodes", "0001 0002 00A3 0AF1 FFFF 0001\r\n0001,00A3\r\n");
    const TOpcodesList table = Table();
    EXPECT_EQ(Cp1251ToUtf8(table.GetItem(1).TypeText),
              "Дейст, Дейст, ОТСУТСТВУЕТ В TYPEINFO.INI, z, z, ");
    EXPECT_EQ(table.GetItem(1).Types.to_ulong(), 0b11001u);
    EXPECT_EQ(table.GetItem(0).Types.to_ulong(), 0b100000u);
    EXPECT_EQ(std::string(table.GetItem(0).TypeText), "p, ");
    EXPECT_EQ(std::string(table.GetItem(4).TypeText), "");
    EXPECT_EQ(Cp1251ToUtf8(ReadTypeCaptions(dir.Name("INI/TypeInfo.ini"))[1]),
              "ОТСУТСТВУЕТ В TYPEINFO.INI");
    std::string typeInfo;
    for (int t = 0; t < 300; ++t)
        typeInfo += "[T" + std::to_string(t) + "]\r\nCaption=c" + std::to_string(t) +
                    "\r\nShortCaption=" + std::string(t < 3 ? kIniMaxValueLength : 1, 'c') +
                    "\r\nOpcodes=2\r\n";
    dir.Write("INI/TypeInfo.ini", typeInfo);
    const TOpcode op = Table().GetItem(0xA3); // a copy: the table is gone after this line
    EXPECT_EQ(op.Types.count(), 256u);
    EXPECT_EQ(op.TypeText.size(), kMaxTypeTextLength);
    const std::vector<std::string> captions = ReadTypeCaptions(dir.Name("INI/TypeInfo.ini"));
    EXPECT_EQ(captions.size() == 256 ? captions.back() : "", "c255");
    EXPECT_TRUE(ReadTypeCaptions(dir.Name("INI/absent.ini")).empty());
}

TEST_F(StartUpFiles, CategoriesTakeCaptionNoteExpansionAndTheirOwnLine) {
    dir.WriteCp1251("INI/NodeInfo.ini",
                    "[Parent]\r\nCaption=Родитель\r\nOpcodes=3\r\nExpanded=1\r\nNote=Заметка\r\n"
                    "[Child]\r\nCaption=C\r\nOpcodes=1\r\nExpanded=true\r\n[Group]\r\nCaption=Г\r\n"
                    "[Long]\r\nCaption=L\r\nOpcodes=4\r\n[Past]\r\nCaption=P\r\nOpcodes=7\r\n");
    std::vector<TreeItem> items;
    const auto read = [&](std::string_view tree) {
        ParseCategoryTree(tree, items);
        return ReadCategories(items, dir.Name("INI/NodeInfo.ini"), dir.Name("INI/Nodes.Opcodes"));
    };
    EXPECT_EQ(ErrorOf([&] { read(""); }),
              "no error"); // without nodes the line file is never opened
    EXPECT_EQ(ErrorOf([&] { read("A\n"); }), "EInOutError: File not found");
    std::string longLine;
    while (longLine.size() < 15000)
        longLine += "0AF0 ";
    dir.Write("INI/Nodes.Opcodes",
              "0AF0 0AF1 FFFF 0002\r\n0003\r\n00A5 00A5 0010\r\n" + longLine + "\r\n");
    items.clear();
    std::vector<std::string> shown; // caption, expansion, name, note, numbers
    for (const CategoryInfo& c :
         read("Parent\r\n\tChild\r\nGroup\r\nOrphan\r\nLong\r\nPast\r\nLong\r\n")) {
        shown.push_back(Cp1251ToUtf8(c.Caption) + (c.Expanded ? "+" : "") + "|");
        if (c.Data)
            shown.back() += c.Data->Name + "|" + Cp1251ToUtf8(c.Data->Note) + "|" +
                            std::to_string(c.Data->Count()) + ":" + OpcodeKey(c.Data->Opcodes[0]) +
                            "-" + OpcodeKey(c.Data->Opcodes.end()[-1]);
    }
    EXPECT_EQ(shown, (std::vector<std::string>{
                         "Родитель+|Parent|Заметка|3:00A5-0010", "C|Child||2:0AF0-0002", "Г|",
                         "***НЕ_НАЙДЕНО***  (NodeInfo.ini)|", "L|Long||2800:0AF0-0AF0",
                         "P|Past||1:0000-0000", "L|Long||2800:0AF0-0AF0"}));
}

TEST_F(StartUpFiles, ACategoryListsTheOpcodesOfATickedTypeInLineOrder) {
    dir.Write("INI/SASCM.ini",
              "[OPCODES]\r\n0001=1,wait\r\n0002=0,jump\r\n0003=2,put\r\n0004=0,nop\r\n");
    dir.Write("INI/TypeInfo.ini", "[A]\r\nOpcodes=1\r\n[B]\r\nOpcodes=2\r\n[C]\r\nOpcodes=3\r\n");
    dir.Write("INI/Types.Opcodes", "0001\r\n0001 0002\r\n0003\r\n");
    const TOpcodesList table = Table();
    TNodedata node;
    node.Opcodes = OpcodeNumbers({3, 4, 1, -1, 0xAF1, 2, INT32_MIN, 1});
    std::string listed;
    for (const unsigned long ticks : {0b111ul, 0ul, 0b10ul, 0b1ul}) {
        for (const TOpcode* op : ListedOpcodes(table, node, TypeTicks(ticks)))
            listed += std::string(op->Text.substr(0, 4)) + " ";
        listed += "|";
    }
    EXPECT_EQ(listed, "0003 0001 0002 0001 ||0001 0002 0001 |0001 0001 |");
}

// Each item as "key@parent ", then where the reading stopped, or each bad line.
std::string Tree(std::string_view text, bool all = false) {
    std::vector<TreeItem> items;
    std::vector<TreeLevelError> errors;
    std::string shape;
    try {
        all ? ParseCategoryTreeAll(text, items, errors) : ParseCategoryTree(text, items);
    } catch (const ETreeViewError& e) {
        errors.push_back({items.size(), e.Message()});
    }
    for (const TreeItem& item : items)
        shape += item.Key + "@" + (item.Parent < 0 ? "-" : items[item.Parent].Key) + " ";
    for (const TreeLevelError& e : errors)
        shape += "| " + std::to_string(e.item) + " " + e.message;
    return shape;
}

TEST(CategoryTree, IndentationGivesTheLevelsAndTooDeepALineStops) {
    EXPECT_EQ(Tree("A\r\n\tB\r\n\t\tC\r\n\t\t\tD\r\n\tE\r\nF\r\n"), "A@- B@A C@B D@C E@A F@- ");
    EXPECT_EQ(Tree("A\n B\n \tC\r D\rE"), "A@- B@A C@B D@A E@- ");
    EXPECT_EQ(Tree("\t\tA  \n\tB\n\r\n"),
              "A  @- B@A   @- "); // the first line is top-level; blanks stay
    EXPECT_EQ(Tree("A\r\n\t\tDeep\r\nB\r\n"), "A@- | 1 Invalid level (2) for item \"Deep\"");
    EXPECT_EQ(Tree("\t\tA\n\t\tB\n"), "A@- | 1 Invalid level (2) for item \"B\"");
    // The checker's reading goes on past each bad line, placing it one level down.
    EXPECT_EQ(
        Tree("A\n\t\t\tB\n\t\tC\nD\n\t\tE\n", true),
        "A@- B@A C@B D@- E@D | 1 Invalid level (3) for item \"B\"| 4 Invalid level (2) for item \"E\"");
}

// A Cyrillic folder on a UTF-8 system: the message names the file in Windows-1251.
TEST(CategoryTree, UnreadableFileNamesItInTheProgramsText) {
    TempDir dir;
    const LocaleScope utf8(LC_CTYPE, kUtf8Locale);
    ASSERT_TRUE(utf8.Set());
    dir.Write("база/ini/opcodes.TREE", "X\r\n");
    CurrentDirScope cd(dir.path() / PathOf("база"));
    std::vector<TreeItem> items;
    ReadCategoryTree("INI\\Opcodes.tree", items); // found in any case
    const std::string sep(1, kFolderSeparator),
        error = ErrorOf([&] { ReadCategoryTree("INI\\Nodes.tree", items); }),
        prefix = "EFOpenError: Cannot open file \"" + NarrowName(dir.path()) + sep +
                 "\xE1\xE0\xE7\xE0" + sep + "INI" + sep + "Nodes.tree\". ";
    EXPECT_TRUE(error.starts_with(prefix)) << error;
    EXPECT_GT(error.size(), prefix.size()) << "no reason after the file name";
    EXPECT_EQ(items.size(), 1u) << "the tree read before was changed";
}
