#include "opcodes/row_compare.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

int CompareCp1251(std::string_view a, std::string_view b) {
    const std::size_t common = std::min(a.size(), b.size());
    // Equal stretches are skipped eight bytes at a time: sorted columns often share long
    // beginnings.
    std::size_t i = 0;
    for (std::uint64_t x = 0, y = 0; i + sizeof x <= common; i += sizeof x) {
        std::memcpy(&x, a.data() + i, sizeof x);
        std::memcpy(&y, b.data() + i, sizeof y);
        if (x != y)
            break;
    }
    for (; i < common; ++i) {
        const int x = static_cast<unsigned char>(a[i]);
        const int y = static_cast<unsigned char>(b[i]);
        if (x != y)
            return x - y;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}
