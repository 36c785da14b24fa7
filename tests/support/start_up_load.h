#pragma once
// The start-up load of a data folder with the program's own readers, in the program's order.

#include <memory>
#include <string>
#include <vector>

#include "opcodes/categories.h"
#include "opcodes/category_tree.h"
#include "opcodes/database_files.h"
#include "opcodes/errors.h"
#include "opcodes/opcode.h"

// What the load leaves; the first program error ends it.
struct StartUpLoad {
    std::unique_ptr<TOpcodesList> table;
    std::vector<TreeItem> tree;
    std::vector<CategoryInfo> categories;
    std::string error; // the error's class name, empty when all went through
    explicit StartUpLoad(const DatabaseFiles& files) {
        try {
            table = std::make_unique<TOpcodesList>(files.Opcodes, files.Translation, files.TypeInfo,
                                                   files.TypeLines);
            ReadCategoryTree(files.Tree, tree);
            categories = ReadCategories(tree, files.NodeInfo, files.NodeLines);
        } catch (const Exception& e) {
            error = e.ClassName();
        }
    }
};

// Whether loading the folder stops with one of the program's errors.
inline bool StartUpLoadStops(const DatabaseFiles& files) {
    return !StartUpLoad(files).error.empty();
}
