#pragma once
// Which of a category's opcodes the main list shows: those that carry at least one type
// whose filter item is ticked, in the order of the category's line.

#include <bitset>
#include <vector>

#include "opcodes/categories.h"
#include "opcodes/opcode.h"

// The type filter's ticks by type index; filter items past index 255 stand for no type.
using TypeTicks = std::bitset<kMaxTypes>;

// True when one of the opcode's types is ticked. An opcode without types never shows.
bool ShownByFilter(const TOpcode& op, const TypeTicks& ticked);

// The records the list shows for the category, one per shown entry of its line:
// repeated numbers give repeated records. An entry that no record stands for (a number
// outside 0000..0AF0) is skipped rather than looked up.
std::vector<const TOpcode*> ListedOpcodes(const TOpcodesList& opcodes, const TNodedata& node,
                                          const TypeTicks& ticked);
