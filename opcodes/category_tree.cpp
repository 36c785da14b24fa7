#include "opcodes/category_tree.h"

#include <algorithm>

#include "opcodes/errors.h"
#include "opcodes/files/file_io.h"
#include "opcodes/files/file_names.h"
#include "opcodes/line_ends.h"

namespace {

// Every line makes one item. `onInvalid(message)` hears of a line more than one level
// deeper than the item before it; when it returns, the line goes one level below.
template <typename OnInvalid>
void ParseTree(std::string_view text, std::vector<TreeItem>& items, OnInvalid&& onInvalid) {
    // One item a line: a huge tree is made without copying its items as the vector grows.
    const auto ends = [text](char end) { return std::count(text.begin(), text.end(), end); };
    items.reserve(items.size() + static_cast<std::size_t>(std::max(ends('\n'), ends('\r'))) + 1);
    // branch[d] is the latest node of level d on the path to the node read last.
    std::vector<int> branch;
    LineSplitter lines(text);
    std::string_view line;
    while (lines.Next(line)) {
        std::size_t indent = 0;
        while (indent < line.size() && (line[indent] == ' ' || line[indent] == '\t'))
            ++indent;
        TreeItem item{std::string(line.substr(indent)), 0, -1};

        if (!branch.empty()) {
            const std::size_t previousLevel = branch.size() - 1;
            if (indent > previousLevel + 1) {
                onInvalid("Invalid level (" + std::to_string(indent) + ") for item \"" + item.Key +
                          "\"");
                indent = previousLevel + 1;
            }
            // Same level: a sibling; one deeper: a child; shallower: a sibling of the
            // ancestor of that level.
            branch.resize(indent);
            item.Level = static_cast<int>(indent);
            item.Parent = indent == 0 ? -1 : branch[indent - 1];
        }
        items.push_back(std::move(item));
        branch.push_back(static_cast<int>(items.size()) - 1);
    }
}

} // namespace

void ParseCategoryTree(std::string_view text, std::vector<TreeItem>& items) {
    ParseTree(text, items, [](std::string message) { throw ETreeViewError(std::move(message)); });
}

void ParseCategoryTreeAll(std::string_view text, std::vector<TreeItem>& items,
                          std::vector<TreeLevelError>& errors) {
    ParseTree(text, items, [&](std::string message) {
        errors.push_back({items.size(), std::move(message)});
    });
}

void ReadCategoryTree(const std::string& fileName, std::vector<TreeItem>& items) {
    std::string bytes;
    const FileResult result = ReadWholeFile(fileName, bytes);
    if (!result.ok())
        throw EFOpenError("Cannot open file \"" + FullFileName(fileName) + "\". " +
                          result.systemMessage);
    ParseCategoryTree(bytes, items);
}
