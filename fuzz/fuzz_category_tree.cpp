// The category tree parser over any bytes: it either builds a well-formed tree or stops
// with its own error, keeping a well-formed tree of the lines before.

#include <string>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "opcodes/category_tree.h"
#include "opcodes/errors.h"

namespace {

void CheckTree(const std::vector<TreeItem>& items) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        const TreeItem& item = items[i];
        FUZZ_CHECK(item.Parent < static_cast<int>(i));
        if (item.Parent < 0) {
            FUZZ_CHECK(item.Parent == -1 && item.Level == 0);
        } else {
            FUZZ_CHECK(items[item.Parent].Level == item.Level - 1);
        }
        FUZZ_CHECK(item.Key.find_first_of("\r\n") == std::string::npos);
        FUZZ_CHECK(item.Key.empty() || (item.Key[0] != ' ' && item.Key[0] != '\t'));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view text = InputBytes(data, size);
    std::vector<TreeItem> items;
    try {
        ParseCategoryTree(text, items);
    } catch (const ETreeViewError& e) {
        FUZZ_CHECK(e.Message().rfind("Invalid level (", 0) == 0);
    }
    FUZZ_CHECK(items.size() <= text.size());
    CheckTree(items);
    return 0;
}
