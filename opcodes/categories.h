#pragma once
// What NodeInfo.ini, Nodes.Opcodes and TypeInfo.ini say about the category tree's nodes
// and the type filter.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "opcodes/category_tree.h"

class TIniFile;

inline constexpr int kMaxNodeOpcodes = 2800;

extern const std::string kMissingNodeCaption; // "***НЕ_НАЙДЕНО***  (NodeInfo.ini)"

// The numbers of one category line, read-only; it reads like a const container of
// int32_t. Every node that names the same line holds the same numbers, so a tree of a
// hundred thousand nodes on one line of 2800 numbers costs the line once, not a gigabyte.
// Opcode numbers fit in 16 bits, which halves what the lines take; a number that names no
// record is kept as kNoRecord, which names none either.
class OpcodeNumbers {
  public:
    using value_type = int32_t;
    using const_iterator = std::vector<uint16_t>::const_iterator;
    using iterator = const_iterator;
    static constexpr uint16_t kNoRecord = 0xFFFF;

    OpcodeNumbers() : numbers_(Empty()) {}
    explicit OpcodeNumbers(const std::vector<int32_t>& numbers);
    // Numbers already in 16 bits, taken as they are.
    static OpcodeNumbers Of(std::vector<uint16_t> numbers) {
        OpcodeNumbers made;
        made.numbers_ = std::make_shared<const std::vector<uint16_t>>(std::move(numbers));
        return made;
    }

    std::size_t size() const { return numbers_->size(); }
    bool empty() const { return numbers_->empty(); }
    int32_t operator[](std::size_t i) const { return (*numbers_)[i]; }
    const_iterator begin() const { return numbers_->begin(); }
    const_iterator end() const { return numbers_->end(); }
    // The bytes the numbers take (shared by every node of the line).
    std::size_t Bytes() const { return numbers_->capacity() * sizeof(uint16_t); }
    const void* Identity() const { return numbers_.get(); }
    friend bool operator==(const OpcodeNumbers& a, const OpcodeNumbers& b) {
        return *a.numbers_ == *b.numbers_;
    }

  private:
    static const std::shared_ptr<const std::vector<uint16_t>>& Empty() {
        static const auto empty = std::make_shared<const std::vector<uint16_t>>();
        return empty;
    }
    std::shared_ptr<const std::vector<uint16_t>> numbers_;
};

// The data of a category node that has an opcode line.
struct TNodedata {
    OpcodeNumbers Opcodes; // the line's numbers in order, at most 2800, all <= 0AF0
    std::string Name;      // the node's key
    std::string Note;      // its "Note"
    int32_t Count() const { return static_cast<int32_t>(Opcodes.size()); }
};

struct CategoryInfo {
    std::string Caption;             // the node's visible text
    bool Expanded = false;           // starts expanded (one level)
    std::unique_ptr<TNodedata> Data; // null when the node has no opcode line
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
std::vector<std::string> ReadTypeCaptions(const TIniFile& typeInfo);
