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

// The numbers of one category line, read-only; it reads like a const std::vector<int32_t>.
// Every node that names the same line holds the same numbers, so a tree of a hundred
// thousand nodes on one line of 2800 numbers costs the line once, not a gigabyte.
class OpcodeNumbers {
public:
    using value_type = int32_t;
    using const_iterator = std::vector<int32_t>::const_iterator;
    using iterator = const_iterator;

    OpcodeNumbers() : numbers_(Empty()) {}
    explicit OpcodeNumbers(std::vector<int32_t> numbers)
        : numbers_(std::make_shared<const std::vector<int32_t>>(std::move(numbers))) {}

    operator const std::vector<int32_t>&() const { return *numbers_; }
    std::size_t size() const { return numbers_->size(); }
    bool empty() const { return numbers_->empty(); }
    int32_t operator[](std::size_t i) const { return (*numbers_)[i]; }
    const_iterator begin() const { return numbers_->begin(); }
    const_iterator end() const { return numbers_->end(); }
    friend bool operator==(const OpcodeNumbers& a, const std::vector<int32_t>& b) {
        return *a.numbers_ == b;
    }
    friend bool operator==(const OpcodeNumbers& a, const OpcodeNumbers& b) {
        return *a.numbers_ == *b.numbers_;
    }

private:
    static const std::shared_ptr<const std::vector<int32_t>>& Empty() {
        static const auto empty = std::make_shared<const std::vector<int32_t>>();
        return empty;
    }
    std::shared_ptr<const std::vector<int32_t>> numbers_;
};

// The data of a category node that has an opcode line.
struct TNodedata {
    OpcodeNumbers Opcodes;  // the line's numbers in order, at most 2800, all <= 0AF0
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

// The check-list captions of the types, one per TypeInfo.ini section in file order, as
// many as there are type indices (kMaxTypes): item i of the list is type i of the table,
// and sections past the last index name no type.
std::vector<std::string> ReadTypeCaptions(const std::string& typeInfoFile);
