#include "opcodes/category_listing.h"

bool ShownByFilter(const TOpcode& op, const TypeTicks& ticked) {
    return op.Types.any() && (op.Types & ticked).any();
}

std::vector<const TOpcode*> ListedOpcodes(const TOpcodesList& opcodes, const TNodedata& node,
                                          const TypeTicks& ticked) {
    std::vector<const TOpcode*> listed;
    listed.reserve(node.Opcodes.size());
    if (ticked.none())
        return listed;
    for (const int32_t number : node.Opcodes) {
        if (!TOpcodesList::IsOpcodeNumber(number))
            continue;
        const TOpcode& op = opcodes.GetItem(number);
        if (ShownByFilter(op, ticked))
            listed.push_back(&op);
    }
    return listed;
}
