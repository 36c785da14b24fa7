// Data files at the limits load, or stop with the program's own error, and what they
// load is right. How time and memory grow with them is measured in bench_pathological.

#include <gtest/gtest.h>

#include <memory>
#include <set>

#include "opcodes/categories.h"
#include "opcodes/category_tree.h"
#include "opcodes/database_files.h"
#include "opcodes/errors.h"
#include "opcodes/ini_file.h"
#include "opcodes/opcode.h"
#include "opcodes/files/file_names.h"
#include "tests/support/pathological_inputs.h"
#include "tests/support/temp_dir.h"

namespace pi = pathological;

namespace {

const char* const kFiles[] = {"SASCM.ini",    "SASCM_RUS.ini", "TypeInfo.ini", "Types.Opcodes",
                              "Opcodes.tree", "NodeInfo.ini",  "Nodes.Opcodes"};

class PathologicalTest : public ::testing::Test {
protected:
    // What the start-up load leaves, in its order; the first program error ends it.
    struct Loaded {
        std::unique_ptr<TOpcodesList> table;
        std::vector<TreeItem> tree;
        std::vector<CategoryInfo> categories;
        std::vector<std::string> types;
        std::string error;  // the error's class name, empty when all went through
    };

    Loaded Load() {
        CurrentDirScope cd(dir_.path());
        const DatabaseFiles files = DatabaseFiles::ForCurrentDir(CurrentDir());
        Loaded db;
        try {
            db.table = std::make_unique<TOpcodesList>(files.Opcodes, files.Translation, files.TypeInfo,
                                                      files.TypeLines);
            ReadCategoryTree(files.Tree, db.tree);
            db.categories = ReadCategories(db.tree, files.NodeInfo, files.NodeLines);
            db.types = ReadTypeCaptions(files.TypeInfo);
        } catch (const Exception& e) {
            db.error = e.ClassName();
        }
        return db;
    }

    void Write(const char* file, std::string_view bytes) { dir_.Write(std::string("INI/") + file, bytes); }

    TempDir dir_;
};

TEST_F(PathologicalTest, FiftyMegabyteIniLoads) {
    Write("SASCM.ini", pi::LargeOpcodesIni(50'000'000));
    Write("Opcodes.tree", "");
    const Loaded db = Load();
    ASSERT_EQ(db.error, "");
    EXPECT_EQ(db.table->GetItem(0).Text, "0000: op0");
    EXPECT_EQ(db.table->GetItem(0x0AF0).Text, "0AF0: op2800");  // the file's last line
    EXPECT_EQ(db.table->GetItem(0x0AF0).ParamCountText, " 1");
    const TIniFile ini(dir_.Name("INI/SASCM.ini"));
    EXPECT_EQ(ini.ReadString("filler", "F700000", ""), "2,set_actor %1d% position_to %2d% %3d% %4d%");
}

TEST_F(PathologicalTest, MillionCharacterLines) {
    const std::string line = pi::LongOpcodeLine(1'000'000);  // 0000..FFFF, four times over 0AF0
    const std::string key(1'000'000, 'K');
    Write("Types.Opcodes", line + "\r\n");
    Write("TypeInfo.ini", "[T]\r\nShortCaption=t\r\nOpcodes=1\r\n");
    Write("Opcodes.tree", key + "\r\n" + "Short\r\n");
    Write("NodeInfo.ini", "[" + key + "]\r\nOpcodes=1\r\n[Short]\r\nCaption=" + std::string(1'000'000, 'c') +
                              "\r\nOpcodes=2\r\n");
    Write("Nodes.Opcodes", line + "\r\n" + line);  // the last line without its end
    const Loaded db = Load();
    ASSERT_EQ(db.error, "");

    EXPECT_EQ(db.table->GetItem(0x0AF0).TypeText, "t, t, t, t, ");
    ASSERT_EQ(db.tree.size(), 2u);
    EXPECT_EQ(db.tree[0].Key, key);
    ASSERT_TRUE(db.categories[0].Data);
    EXPECT_EQ(db.categories[0].Data->Count(), kMaxNodeOpcodes);  // the first 2800 numbers
    EXPECT_EQ(db.categories[0].Data->Opcodes[kMaxNodeOpcodes - 1], kMaxNodeOpcodes - 1);
    EXPECT_EQ(db.categories[1].Caption, std::string(kIniMaxValueLength, 'c'));
    EXPECT_EQ(db.categories[1].Data->Count(), kMaxNodeOpcodes);
}

TEST_F(PathologicalTest, TreeOf100000LinesOnOneLongCategoryLine) {
    constexpr std::size_t kNodes = 100'000;
    std::string nodeInfo;
    for (std::size_t i = 0; i < kNodes; i += 2) nodeInfo += "[k" + std::to_string(i) + "]\r\nOpcodes=1\r\n";
    Write("Opcodes.tree", pi::WideTree(kNodes));
    Write("NodeInfo.ini", nodeInfo);
    Write("Nodes.Opcodes", pi::LongOpcodeLine(2800 * 5) + "\r\n");
    const Loaded db = Load();
    ASSERT_EQ(db.error, "");
    ASSERT_EQ(db.tree.size(), kNodes);
    EXPECT_EQ(db.tree[kNodes - 1].Level, 3);
    EXPECT_EQ(db.tree[kNodes - 1].Parent, static_cast<int>(kNodes) - 2);
    ASSERT_EQ(db.categories.size(), kNodes);
    std::set<const int32_t*> lines;
    for (std::size_t i = 0; i < kNodes; i += 2) {
        ASSERT_TRUE(db.categories[i].Data);
        ASSERT_EQ(db.categories[i].Data->Count(), 2800);
        lines.insert(&*db.categories[i].Data->Opcodes.begin());
    }
    EXPECT_EQ(lines.size(), 1u);  // one copy of the numbers for fifty thousand nodes
    EXPECT_FALSE(db.categories[1].Data);
}

TEST_F(PathologicalTest, TreeOf10000LevelsAndOneTooDeepLine) {
    Write("Opcodes.tree", pi::DeepTree(10'000));
    Write("NodeInfo.ini", "[n]\r\nCaption=N\r\nOpcodes=1\r\nExpanded=1\r\n");
    Write("Nodes.Opcodes", "0001 0002\r\n");
    Loaded db = Load();
    ASSERT_EQ(db.error, "");
    ASSERT_EQ(db.categories.size(), 10'000u);
    EXPECT_EQ(db.tree.back().Level, 9'999);
    EXPECT_TRUE(db.categories.back().Expanded);
    EXPECT_EQ(db.categories.back().Data->Opcodes, (std::vector<int32_t>{1, 2}));

    Write("Opcodes.tree", pi::DeepTree(10'000) + std::string(10'001, '\t') + "x\r\n");
    db = Load();
    EXPECT_EQ(db.error, "ETreeViewError");
    EXPECT_EQ(db.tree.size(), 10'000u);  // the nodes before the bad line stay
    std::vector<TreeItem> items;
    try {
        ParseCategoryTree(pi::DeepTree(3) + "\t\t\t\tx", items);
        FAIL() << "no error";
    } catch (const ETreeViewError& e) {
        EXPECT_EQ(e.Message(), "Invalid level (4) for item \"x\"");
    }
}

TEST_F(PathologicalTest, ThousandTypeSections) {
    Write("TypeInfo.ini", pi::TypeInfo(1'000, 12));
    Write("Opcodes.tree", "");
    Write("Types.Opcodes", pi::LongOpcodeLine(2801 * 5) + "\r\n");
    const Loaded db = Load();
    ASSERT_EQ(db.error, "");
    EXPECT_EQ(db.types.size(), static_cast<std::size_t>(kMaxTypes));
    for (int32_t n : {0, 0x00A1, 0x0AF0}) {
        EXPECT_EQ(db.table->GetItem(n).Types.count(), static_cast<std::size_t>(kMaxTypes));
        EXPECT_EQ(db.table->GetItem(n).TypeText.size(), 256u * 14u);  // 12 characters and ", "
    }
}

// The same files with lines ending in CR alone or LF alone load exactly as with CR LF.
TEST_F(PathologicalTest, LoneCrOrLfLineEndsLoadLikeCrLf) {
    const std::string files[][2] = {
        {"SASCM.ini", pi::LargeOpcodesIni(1'000'000)},
        {"TypeInfo.ini", pi::TypeInfo(3, 5)},
        {"Types.Opcodes", "0001 0002\r\n" + pi::LongOpcodeLine(100) + "\r\n"},
        {"Opcodes.tree", pi::WideTree(10'000)},
        {"NodeInfo.ini", "[k0]\r\nOpcodes=2\r\nCaption=c\r\n[k9999]\r\nOpcodes=1\r\n"},
        {"Nodes.Opcodes", "0003\r\n" + pi::LongOpcodeLine(5000) + "\r\n"}};
    std::vector<Loaded> loads;
    for (const char* lineEnd : {"\r\n", "\r", "\n"}) {
        for (const auto& [name, text] : files) Write(name.c_str(), pi::WithLineEnds(text, lineEnd));
        loads.push_back(Load());
        ASSERT_EQ(loads.back().error, "") << "line end " << int(lineEnd[0]);
    }
    for (const Loaded& db : {std::cref(loads[1]), std::cref(loads[2])}) {
        for (int32_t n : {0, 1, 0x00A1, 0x0AF0}) {
            EXPECT_EQ(db.table->GetItem(n).Text, loads[0].table->GetItem(n).Text);
            EXPECT_EQ(db.table->GetItem(n).TypeText, loads[0].table->GetItem(n).TypeText);
        }
        ASSERT_EQ(db.tree.size(), 10'000u);
        EXPECT_EQ(db.tree.back().Parent, loads[0].tree.back().Parent);
        EXPECT_EQ(db.categories[0].Caption, "c");
        EXPECT_EQ(db.categories[0].Data->Count(), 1000);
        EXPECT_EQ(db.categories[9999].Data->Opcodes, (std::vector<int32_t>{3}));
        EXPECT_EQ(db.types, loads[0].types);
    }
}

// Random bytes in all seven files, then in each file alone beside good ones: the load
// ends normally or with the error of the step that reads the broken file.
TEST_F(PathologicalTest, BinaryGarbageInEveryFile) {
    const std::set<std::string> anyStep{"",           "EConvertError",  "EInOutError",
                                        "EFOpenError", "ETreeViewError"};
    for (uint64_t seed = 1; seed <= 6; ++seed) {
        for (const char* file : kFiles) Write(file, pi::Garbage(256 * 1024, seed * 10 + file[0]));
        const Loaded db = Load();
        EXPECT_TRUE(anyStep.count(db.error)) << db.error;
    }
    const std::string good[] = {"[opcodes]\r\n0001=1,wait\r\n", "[opcodes]\r\n0001=1,w\r\n",
                                "[T]\r\nOpcodes=1\r\n",        "0001\r\n",
                                "A\r\n\tB\r\n",                "[A]\r\nOpcodes=1\r\n",
                                "0001\r\n"};
    const std::set<std::string> fileErrors[] = {{"", "EConvertError"}, {""}, {"", "EInOutError"}, {""},
                                                {"", "ETreeViewError"}, {""}, {""}};
    for (std::size_t broken = 0; broken < std::size(kFiles); ++broken) {
        for (std::size_t i = 0; i < std::size(kFiles); ++i)
            Write(kFiles[i], i == broken ? pi::Garbage(256 * 1024, broken) : good[i]);
        const Loaded db = Load();
        EXPECT_TRUE(fileErrors[broken].count(db.error)) << kFiles[broken] << ": " << db.error;
        for (const CategoryInfo& category : db.categories) {
            if (!category.Data) continue;
            for (int32_t n : category.Data->Opcodes) EXPECT_TRUE(TOpcodesList::IsOpcodeNumber(n));
        }
    }
}

}  // namespace
