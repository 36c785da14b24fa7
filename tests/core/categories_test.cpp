#include <gtest/gtest.h>

#include "opcodes/categories.h"
#include "opcodes/cp1251.h"
#include "opcodes/errors.h"
#include "tests/support/temp_dir.h"

namespace {

class CategoriesTest : public ::testing::Test {
protected:
    std::vector<CategoryInfo> Read(std::string_view tree) {
        items_.clear();
        ParseCategoryTree(tree, items_);
        return ReadCategories(items_, dir_.Name("INI/NodeInfo.ini"), dir_.Name("INI/Nodes.Opcodes"));
    }
    TempDir dir_;
    std::vector<TreeItem> items_;
};

TEST_F(CategoriesTest, CaptionNoteExpansionAndOwnLineOnly) {
    dir_.WriteCp1251("INI/NodeInfo.ini",
                     "[Parent]\r\nCaption=Родитель\r\nOpcodes=3\r\nExpanded=1\r\nNote=Заметка\r\n"
                     "[Child]\r\nCaption=Дитя\r\nOpcodes=1\r\nExpanded=true\r\n"
                     "[Group]\r\nCaption=Группа\r\nNote=never read\r\n");
    dir_.Write("INI/Nodes.Opcodes", "0001 0002\r\n0003\r\n00A5 00A5 0010 0011 0012\r\n");
    const auto cats = Read("Parent\r\n\tChild\r\nGroup\r\nOrphan\r\n");
    ASSERT_EQ(cats.size(), 4u);

    EXPECT_EQ(cats[0].Caption, Utf8ToCp1251("Родитель"));
    EXPECT_TRUE(cats[0].Expanded);
    ASSERT_TRUE(cats[0].Data);
    EXPECT_EQ(cats[0].Data->Opcodes, (std::vector<int32_t>{0xA5, 0xA5, 0x10, 0x11, 0x12}));
    EXPECT_EQ(cats[0].Data->Count(), 5);
    EXPECT_EQ(cats[0].Data->Name, "Parent");
    EXPECT_EQ(cats[0].Data->Note, Utf8ToCp1251("Заметка"));

    EXPECT_FALSE(cats[1].Expanded);  // "true" is no number
    EXPECT_EQ(cats[1].Data->Opcodes, (std::vector<int32_t>{1, 2}));

    EXPECT_EQ(cats[2].Caption, Utf8ToCp1251("Группа"));
    EXPECT_FALSE(cats[2].Data);  // no "Opcodes": no data

    EXPECT_EQ(cats[3].Caption, Utf8ToCp1251("***НЕ_НАЙДЕНО***  (NodeInfo.ini)"));
    EXPECT_FALSE(cats[3].Data);
    EXPECT_FALSE(cats[3].Expanded);
}

TEST_F(CategoriesTest, NumbersWithoutRecordsAreDroppedAndLinesCutAt2800) {
    std::string longLine;
    for (int i = 0; i < 3000; ++i) longLine += "0001 ";
    dir_.Write("INI/NodeInfo.ini", "[A]\r\nOpcodes=1\r\n[B]\r\nOpcodes=2\r\n[C]\r\nOpcodes=7\r\n");
    dir_.Write("INI/Nodes.Opcodes", "0AF0 0AF1 FFFF 0002\r\n" + longLine + "\r\n");
    const auto cats = Read("A\nB\nC\n");
    EXPECT_EQ(cats[0].Data->Opcodes, (std::vector<int32_t>{0xAF0, 2}));
    EXPECT_EQ(cats[1].Data->Count(), 2800);
    // A line past the end of the file holds the single number 0.
    EXPECT_EQ(cats[2].Data->Opcodes, (std::vector<int32_t>{0}));
}

TEST_F(CategoriesTest, MissingLineFileFailsBeforeAnything) {
    dir_.Write("INI/NodeInfo.ini", "[A]\r\nCaption=a\r\n");
    try {
        Read("A\n");
        FAIL() << "no error";
    } catch (const EInOutError& e) {
        EXPECT_EQ(e.Message(), "File not found");
    }
    // Without nodes the line file is never opened.
    EXPECT_TRUE(Read("").empty());
}

TEST_F(CategoriesTest, MissingNodeInfoGivesDefaults) {
    dir_.Write("INI/Nodes.Opcodes", "0001\r\n");
    const auto cats = Read("A\n\tB\n");
    for (const auto& c : cats) {
        EXPECT_EQ(c.Caption, Utf8ToCp1251("***НЕ_НАЙДЕНО***  (NodeInfo.ini)"));
        EXPECT_FALSE(c.Data);
        EXPECT_FALSE(c.Expanded);
    }
}

TEST_F(CategoriesTest, TypeCaptionsInSectionOrder) {
    dir_.WriteCp1251("INI/TypeInfo.ini",
                     "[Y]\r\nCaption=Игрек\r\n[X]\r\nShortCaption=x\r\n[Z]\r\nCaption=\"Зет\"\r\n");
    EXPECT_EQ(ReadTypeCaptions(dir_.Name("INI/TypeInfo.ini")),
              (std::vector<std::string>{Utf8ToCp1251("Игрек"),
                                        Utf8ToCp1251("ОТСУТСТВУЕТ В TYPEINFO.INI"),
                                        Utf8ToCp1251("Зет")}));
    EXPECT_TRUE(ReadTypeCaptions(dir_.Name("INI/absent.ini")).empty());
}

TEST_F(CategoriesTest, TypeCaptionsStopAtTheLastTypeIndex) {
    std::string typeInfo;
    for (int t = 0; t < 300; ++t)
        typeInfo += "[T" + std::to_string(t) + "]\r\nCaption=c" + std::to_string(t) + "\r\n";
    dir_.Write("INI/TypeInfo.ini", typeInfo);
    const std::vector<std::string> captions = ReadTypeCaptions(dir_.Name("INI/TypeInfo.ini"));
    ASSERT_EQ(captions.size(), 256u);
    EXPECT_EQ(captions.back(), "c255");
}

TEST_F(CategoriesTest, NodesNamingOneLineShareItsNumbers) {
    dir_.Write("INI/NodeInfo.ini", "[A]\r\nOpcodes=2\r\n[B]\r\nOpcodes=2\r\n[C]\r\nOpcodes=1\r\n");
    dir_.Write("INI/Nodes.Opcodes", "0001\r\n0002 0003\r\n");
    const auto cats = Read("A\nB\nA\nC\n");
    EXPECT_EQ(cats[0].Data->Opcodes, (std::vector<int32_t>{2, 3}));
    EXPECT_EQ(cats[1].Data->Opcodes.begin(), cats[0].Data->Opcodes.begin());
    EXPECT_EQ(cats[2].Data->Opcodes.begin(), cats[0].Data->Opcodes.begin());
    EXPECT_EQ(cats[3].Data->Opcodes, (std::vector<int32_t>{1}));
    EXPECT_EQ(cats[1].Data->Name, "B");  // only the numbers are shared
}

}  // namespace
