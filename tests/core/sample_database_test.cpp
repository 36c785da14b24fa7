#include <gtest/gtest.h>

#include "opcodes/categories.h"
#include "opcodes/category_tree.h"
#include "opcodes/cp1251.h"
#include "opcodes/database_files.h"
#include "opcodes/opcode.h"
#include "opcodes/files/file_names.h"
#include "tests/support/temp_dir.h"

// The shipped sample database loads whole, as the program loads it from its folder.
TEST(SampleDatabase, LoadsCompletely) {
    CurrentDirScope cd(KELPRA_SAMPLE_DIR);
    const DatabaseFiles files = DatabaseFiles::ForCurrentDir(CurrentDir());
    const TOpcodesList table(files.Opcodes, files.Translation, files.TypeInfo, files.TypeLines);

    const TOpcode& wait = table.GetItem(0x0001);
    EXPECT_EQ(wait.Text, "0001: wait %1d% ms");
    EXPECT_EQ(wait.RusText, Utf8ToCp1251("ждать %1d% мс"));
    EXPECT_EQ(wait.ParamCountText, " 1");
    EXPECT_FALSE(wait.TypeText.empty());
    EXPECT_EQ(table.GetItem(0x0004).ParamCountText, Utf8ToCp1251("до 255"));

    std::vector<TreeItem> tree;
    ReadCategoryTree(files.Tree, tree);
    ASSERT_GT(tree.size(), 40u);
    EXPECT_EQ(tree[0].Key, "AllOpcodes");
    const auto categories = ReadCategories(tree, files.NodeInfo, files.NodeLines);
    ASSERT_EQ(categories.size(), tree.size());
    EXPECT_EQ(categories[0].Caption, Utf8ToCp1251("Все опкоды"));
    EXPECT_TRUE(categories[0].Expanded);
    ASSERT_TRUE(categories[0].Data);

    // Every opcode the sample defines has a type and stands in some category.
    int defined = 0;
    for (int32_t n = 0; n < kOpcodeCount; ++n) {
        const TOpcode& op = table.GetItem(n);
        if (op.Text.substr(4) == ":  ???") continue;
        ++defined;
        EXPECT_TRUE(op.Types.any()) << op.Text;
    }
    EXPECT_EQ(categories[0].Data->Count(), defined);
    for (const CategoryInfo& c : categories)
        EXPECT_NE(c.Caption, Utf8ToCp1251("***НЕ_НАЙДЕНО***  (NodeInfo.ini)"));

    const auto types = ReadTypeCaptions(files.TypeInfo);
    ASSERT_EQ(types.size(), 7u);
    EXPECT_EQ(types[0], Utf8ToCp1251("Действия"));
    EXPECT_EQ(types[6], Utf8ToCp1251("Другое"));
}
