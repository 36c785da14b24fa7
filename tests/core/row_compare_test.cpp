#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "opcodes/cp1251.h"
#include "opcodes/row_compare.h"

TEST(RowCompare, FirstDifferingByteDecidesAsUnsigned) {
    EXPECT_EQ(CompareCp1251("0001: a", "0001: a"), 0);
    EXPECT_EQ(CompareCp1251("", ""), 0);
    EXPECT_EQ(CompareCp1251("abc", "abd"), 'c' - 'd');
    EXPECT_EQ(CompareCp1251("B", "a"), 'B' - 'a');
    // Cyrillic bytes are above 0x7F: a signed comparison would put them first.
    const std::string ya = Utf8ToCp1251("я");
    EXPECT_EQ(CompareCp1251(ya, "z"), 0xFF - 'z');
    EXPECT_EQ(CompareCp1251("z", ya), 'z' - 0xFF);
}

TEST(RowCompare, PrefixSortsFirst) {
    EXPECT_LT(CompareCp1251("ab", "abc"), 0);
    EXPECT_GT(CompareCp1251("abc", "ab"), 0);
    EXPECT_LT(CompareCp1251("", "\x01"), 0);
    EXPECT_GT(CompareCp1251(std::string("a\0", 2), "a"), 0);
}

namespace {

std::vector<std::string> Sorted(std::vector<std::string> texts) {
    std::stable_sort(texts.begin(), texts.end(), [](const std::string& a, const std::string& b) {
        return CompareCp1251(a, b) < 0;
    });
    return texts;
}

}  // namespace

TEST(RowCompare, ParameterCountColumnSortsNumerically) {
    const std::string variable = Utf8ToCp1251("до 255");
    EXPECT_EQ(Sorted({"10", variable, " 2", "99", " 0", " 9", "11"}),
              (std::vector<std::string>{" 0", " 2", " 9", "10", "11", "99", variable}));
}

TEST(RowCompare, LatinBeforeCyrillicUpperBeforeLower) {
    const std::string cyrUpper = Utf8ToCp1251("Авто");
    const std::string cyrLower = Utf8ToCp1251("авто");
    EXPECT_EQ(Sorted({cyrLower, "car", cyrUpper, "Car", "2car"}),
              (std::vector<std::string>{"2car", "Car", "car", cyrUpper, cyrLower}));
}
