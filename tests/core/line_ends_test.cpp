#include <gtest/gtest.h>

#include <string>

#include "opcodes/line_ends.h"

// The scan goes block by block: line ends just before, on and after a block's edge, and
// lines much longer than a block, are all found where they stand.
TEST(LineEnds, FoundWhereverTheyStandAgainstTheScanBlocks) {
    for (std::size_t at : {0u, 1u, 1022u, 1023u, 1024u, 1025u, 2047u, 2048u, 5000u}) {
        for (const char* end : {"\r\n", "\r", "\n"}) {
            const std::string text = std::string(at, 'x') + end + "yy\n";
            ASSERT_EQ(FindLineEnd(text), at) << at << " " << int(end[0]);
            EXPECT_EQ(SkipLineEnd(text, at), at + std::string(end).size()) << at;
            EXPECT_EQ(FindLineEnd(text, SkipLineEnd(text, at)), text.size() - 1);
        }
        // A CR after an LF in the same block does not hide the LF, nor a CR a later LF.
        EXPECT_EQ(FindLineEnd(std::string(at, 'x') + "\n" + std::string(30, 'x') + "\r"), at);
        EXPECT_EQ(FindLineEnd(std::string(at, 'x') + "\r" + std::string(3000, 'x') + "\n"), at);
    }
    EXPECT_EQ(FindLineEnd(std::string(3000, 'x')), std::string_view::npos);
    EXPECT_EQ(FindLineEnd("abc", 3), std::string_view::npos);
    EXPECT_EQ(FindLineEnd("", 0), std::string_view::npos);
}
