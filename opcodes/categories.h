#pragma once
// What NodeInfo.ini, Nodes.Opcodes and TypeInfo.ini say about the category tree's nodes
// and the type filter.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "opcodes/category_tree.h"

inline constexpr int kMaxNodeOpcodes = 2800;

extern const std::string kMissingNodeCaption;  // "***НЕ_НАЙДЕНО***  (NodeInfo.ini)"

// The data of a category node that has an opcode line.
struct TNodedata {
    std::vector<int32_t> Opcodes;  // the line's numbers in order, at most 2800, all <= 0AF0
    std::string Name;              // the node's key
    std::string Note;              // its "Note"
    int32_t Count() const { return static_cast<int32_t>(Opcodes.size()); }
};

struct CategoryInfo {
    std::string Caption;              // the node's visible text
    bool Expanded = false;            // starts expanded (one level)
    std::unique_ptr<TNodedata> Data;  // null when the node has no opcode line
};

// One entry per tree item, in the items' order. Throws EInOutError when there is at
// least one node and the category line file cannot be read; nothing is produced then.
std::vector<CategoryInfo> ReadCategories(const std::vector<TreeItem>& items,
                                         const std::string& nodeInfoFile,
                                         const std::string& nodeLinesFile);

// The check-list captions of the types, one per TypeInfo.ini section in file order.
std::vector<std::string> ReadTypeCaptions(const std::string& typeInfoFile);
