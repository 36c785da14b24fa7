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
}
