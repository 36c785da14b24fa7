#include "opcodes/row_compare.h"

#include <algorithm>

int CompareCp1251(std::string_view a, std::string_view b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const int x = static_cast<unsigned char>(a[i]);
        const int y = static_cast<unsigned char>(b[i]);
        if (x != y) return x - y;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}
