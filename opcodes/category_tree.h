#pragma once
// The category tree file (Opcodes.tree): one node per line, indented by blanks and tabs
// (one level each), a node before its children. The key is the rest of the line.

#include <string>
#include <string_view>
#include <vector>

struct TreeItem {
    std::string Key; // the text of the line after its indentation, trailing blanks kept
    int Level = 0;   // 0 for a top-level node
    int Parent = -1; // index of the parent item, -1 for a top-level node
};

// Appends the nodes of the text to `items` in tree order. A line more than one level
// deeper than the node before it throws ETreeViewError ("Invalid level (%d) for item
// "%s""); the nodes before it stay in `items`.
void ParseCategoryTree(std::string_view text, std::vector<TreeItem>& items);

// A line that ParseCategoryTree would stop at.
struct TreeLevelError {
    std::size_t item;    // the index of the item the line made; its line is item + 1
    std::string message; // the message ParseCategoryTree throws for it
};

// Reads every line where ParseCategoryTree would stop at the first bad one, so that a
// checker can report them all: a line more than one level deeper than the node before
// it is recorded in `errors` and placed one level below that node.
void ParseCategoryTreeAll(std::string_view text, std::vector<TreeItem>& items,
                          std::vector<TreeLevelError>& errors);

// Reads the file and parses it. Throws EFOpenError ("Cannot open file "%s". %s") when it
// cannot be read, and ETreeViewError as above.
void ReadCategoryTree(const std::string& fileName, std::vector<TreeItem>& items);
