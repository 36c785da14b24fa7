#pragma once
// Looking an opcode up from outside the windows (an editor's key, a terminal): what the
// asked-for text means, where the main window shows it, and the printed record.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "opcodes/categories.h"
#include "opcodes/category_listing.h"
#include "opcodes/opcode.h"

// What a look-up asks for: an opcode number, or a text that captions contain.
struct LookupQuery {
    enum class Kind { Number, Text };
    Kind kind = Kind::Text;
    int32_t number = -1; // 0000..FFFF, for a number
    // For a text, its Windows-1251 bytes; empty when the code page cannot hold it, and then
    // it matches nothing, as in the quick search.
    std::string text;
};

// The asked-for text (UTF-8, as given on a command line) read as a query: one to four
// hexadecimal digits in any case, with or without a leading 0x, are a number; anything
// else is a text. `error` says why a text cannot be asked for at all.
struct LookupParse {
    std::optional<LookupQuery> query;
    std::string error; // English, for the error stream
};
LookupParse ParseLookup(std::string_view what);

// True when the opcode is the asked-for number, or its caption holds the asked-for text by
// the quick search's rules.
bool LookupMatches(const LookupQuery& query, int32_t number, const TOpcode& op);

// Where the main window shows a look-up: the category, as an index in tree order, and the
// row of that category's list.
struct LookupHit {
    std::size_t category = 0;
    int row = 0;
};

// The first category in tree order (null for a node without a line) whose list, as the
// type filter shows it, holds a matching row, and the first such row: the rows are those
// that ListedOpcodes gives, in the category's order.
std::optional<LookupHit> FindFirstListed(std::span<const TNodedata* const> categories,
                                         const TOpcodesList& opcodes, const TypeTicks& ticked,
                                         const LookupQuery& query);

// The opcodes that a look-up prints, in number order: the defined ones that match.
std::vector<int32_t> MatchingOpcodes(const TOpcodesList& opcodes, const LookupQuery& query);

// One opcode's printed record (Windows-1251), a paragraph of lines: its caption, the
// parameter count, the translation, its types' captions and the captions of the categories
// whose lines hold it (in tree order, each once).
std::string LookupRecord(const TOpcodesList& opcodes, int32_t number,
                         const std::vector<std::string>& typeCaptions,
                         const std::vector<CategoryInfo>& categories);
