// Data files at the limits load or stop with the program's own error, and what they load
// is right. Random bytes in every file are replayed from the fuzz corpus; how time and
// memory grow with such files is measured in bench_pathological.

#include <gtest/gtest.h>

#include "opcodes/files/file_names.h"
#include "tests/support/pathological_inputs.h"
#include "tests/support/start_up_load.h"
#include "tests/support/temp_dir.h"

namespace pi = pathological;

StartUpLoad Load(const std::filesystem::path& folder) {
    CurrentDirScope cd(folder);
    return StartUpLoad(DatabaseFiles::ForCurrentDir(CurrentDir()));
}

TEST(Pathological, DeepTreesLoadAndOneTooDeepLineStops) {
    TempDir dir;
    dir.Write("INI/Opcodes.tree", pi::DeepTree(10'000));
    dir.Write("INI/NodeInfo.ini", "[n]\r\nCaption=N\r\nOpcodes=1\r\nExpanded=1\r\n");
    dir.Write("INI/Nodes.Opcodes", "0001 0002\r\n");
    StartUpLoad db = Load(dir.path());
    ASSERT_EQ(db.error, "");
    EXPECT_EQ(db.categories.size(), 10'000u);
    EXPECT_EQ(db.tree.back().Level, 9'999);
    EXPECT_EQ(db.categories.back().Data->Count(), 2);
    dir.Write("INI/Opcodes.tree", pi::DeepTree(10'000) + std::string(10'001, '\t') + "x\r\n");
    db = Load(dir.path());
    EXPECT_EQ(db.error, "ETreeViewError");
    EXPECT_EQ(db.tree.size(), 10'000u) << "the nodes before the too-deep line stay";
}

// The same files with lines ending in CR alone or LF alone load exactly as with CR LF.
TEST(Pathological, LoneCrOrLfLineEndsLoadLikeCrLf) {
    TempDir dir;
    const std::pair<const char*, std::string> files[] = {
        {"SASCM.ini", pi::LargeOpcodesIni(1'000'000)},
        {"TypeInfo.ini", pi::TypeInfo(3, 5)},
        {"Types.Opcodes", "0001 0002\r\n" + pi::LongOpcodeLine(100) + "\r\n"},
        {"Opcodes.tree", pi::WideTree(10'000)},
        {"NodeInfo.ini", "[k0]\r\nOpcodes=2\r\nCaption=c\r\n[k9999]\r\nOpcodes=1\r\n"},
        {"Nodes.Opcodes", "0003\r\n" + pi::LongOpcodeLine(5000) + "\r\n"}};
    std::vector<std::string> loads;
    for (const char* lineEnd : {"\r\n", "\r", "\n"}) {
        for (const auto& [name, text] : files)
            dir.Write(std::string("INI/") + name, pi::WithLineEnds(text, lineEnd));
        const StartUpLoad db = Load(dir.path());
        ASSERT_EQ(db.error, "") << int(lineEnd[0]);
        loads.push_back(std::string(db.table->GetItem(0xA1).Text) +
                        std::string(db.table->GetItem(1).TypeText) + db.categories[0].Caption +
                        std::to_string(db.tree.back().Parent) +
                        std::to_string(db.categories[0].Data->Count()) +
                        std::to_string(db.categories[9999].Data->Opcodes[0]) + db.types.back());
    }
    EXPECT_EQ(loads, std::vector<std::string>(3, "00A1: op161ccccc, ccccc, ccccc, c99981000"
                                                 "3ccccc"));
}
