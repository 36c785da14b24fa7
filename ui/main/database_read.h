#pragma once
// The data folder's files, all read at once on a second thread while the main window
// builds its controls: the reading needs nothing of them. A part that fails keeps its
// error, for the window's loading to raise at that part's turn, with what was read before
// it where the loading shows that.

#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "opcodes/categories.h"
#include "opcodes/category_tree.h"
#include "opcodes/lookup_sites.h"
#include "opcodes/opcode.h"

struct DatabaseRead {
    LookupSiteSettings sites;
    std::unique_ptr<TOpcodesList> opcodes;
    std::exception_ptr opcodesError;
    // The tree file's items; where a bad line stopped the reading (treeInPart), those
    // before it.
    std::vector<TreeItem> treeItems;
    std::exception_ptr treeError;
    bool treeInPart = false;
    // Read only for a tree read whole.
    std::vector<CategoryInfo> categories;
    std::exception_ptr categoriesError;
    std::vector<std::string> typeCaptions;
    std::exception_ptr typesError;

    // Reads the database of the current directory.
    static DatabaseRead OfCurrentDir();
};
