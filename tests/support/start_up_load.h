#pragma once
// The start-up load of a data folder with the program's own readers, in the program's order,
// for checks that only ask whether it gets through.

#include <vector>

#include "opcodes/categories.h"
#include "opcodes/category_tree.h"
#include "opcodes/database_files.h"
#include "opcodes/errors.h"
#include "opcodes/opcode.h"

// Whether loading the folder stops with one of the program's errors.
inline bool StartUpLoadStops(const DatabaseFiles& files) {
    try {
        const TOpcodesList table(files.Opcodes, files.Translation, files.TypeInfo, files.TypeLines);
        std::vector<TreeItem> tree;
        ReadCategoryTree(files.Tree, tree);
        ReadCategories(tree, files.NodeInfo, files.NodeLines);
        ReadTypeCaptions(files.TypeInfo);
    } catch (const Exception&) {
        return true;
    }
    return false;
}
