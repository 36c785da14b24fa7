// klv-check over a folder of fuzzed files (database_input.h): it must never throw, and
// wherever the program's start-up load stops with an error, it must report an error.

#include <vector>

#include "fuzz/database_input.h"
#include "fuzz/fuzz_support.h"
#include "opcodes/categories.h"
#include "opcodes/category_tree.h"
#include "opcodes/errors.h"
#include "opcodes/opcode.h"
#include "tools/klv-check/data_check.h"

namespace {

bool LoadStops(const DatabaseFiles& files) {
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    LayOutDatabase(InputBytes(data, size));
    const DatabaseFiles files = ScratchDatabaseFiles();
    const CheckReport report = CheckDatabase(files);
    if (LoadStops(files)) FUZZ_CHECK(report.Errors() > 0);
    return 0;
}
