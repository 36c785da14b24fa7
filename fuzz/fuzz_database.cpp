// The whole start-up load over a folder of fuzzed files (database_input.h). The program's
// own errors are the expected end of a broken load; anything else that
// escapes (a standard exception, a crash) is a finding.

#include <cstring>
#include <string>
#include <vector>

#include "fuzz/database_input.h"
#include "fuzz/fuzz_support.h"
#include "opcodes/categories.h"
#include "opcodes/category_tree.h"
#include "opcodes/errors.h"
#include "opcodes/opcode.h"

namespace {

bool IsOneOf(const Exception& e, std::initializer_list<const char*> classes) {
    for (const char* name : classes)
        if (std::strcmp(e.ClassName(), name) == 0)
            return true;
    return false;
}

void CheckTable(const TOpcodesList& table) {
    for (int32_t n = 0; n <= kMaxOpcode; ++n) {
        const TOpcode& op = table.GetItem(n);
        FUZZ_CHECK(op.Text.compare(0, 6, OpcodeKey(n) + ": ") == 0);
        FUZZ_CHECK(op.TypeText.size() <= kMaxTypeTextLength);
        FUZZ_CHECK(op.TypeText.empty() == op.Types.none());
    }
}

void CheckCategories(const std::vector<TreeItem>& tree,
                     const std::vector<CategoryInfo>& categories) {
    FUZZ_CHECK(categories.size() == tree.size());
    for (const CategoryInfo& category : categories) {
        if (!category.Data)
            continue;
        FUZZ_CHECK(category.Data->Count() <= kMaxNodeOpcodes);
        for (int32_t n : category.Data->Opcodes)
            FUZZ_CHECK(TOpcodesList::IsOpcodeNumber(n));
    }
}

// The steps of the start-up load in its order; an error ends it at the failing step.
void Load() {
    const DatabaseFiles files = ScratchDatabaseFiles();
    try {
        const TOpcodesList table(files.Opcodes, files.Translation, files.TypeInfo, files.TypeLines);
        CheckTable(table);
    } catch (const Exception& e) {
        FUZZ_CHECK(IsOneOf(e, {"EConvertError", "EInOutError"}));
        return;
    }
    std::vector<TreeItem> tree;
    try {
        ReadCategoryTree(files.Tree, tree);
    } catch (const Exception& e) {
        FUZZ_CHECK(IsOneOf(e, {"EFOpenError", "ETreeViewError"}));
        return;
    }
    try {
        CheckCategories(tree, ReadCategories(tree, files.NodeInfo, files.NodeLines));
    } catch (const Exception& e) {
        FUZZ_CHECK(IsOneOf(e, {"EInOutError"}));
        return;
    }
    const std::vector<std::string> captions = ReadTypeCaptions(files.TypeInfo);
    FUZZ_CHECK(captions.size() <= static_cast<std::size_t>(kMaxTypes));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    LayOutDatabase(InputBytes(data, size));
    Load();
    return 0;
}
