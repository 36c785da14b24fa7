#include <gtest/gtest.h>

#include "opcodes/category_listing.h"
#include "tests/support/temp_dir.h"

namespace {

// 0001 carries types 0 and 1, 0002 type 1, 0003 type 2, 0004 none.
class CategoryListingTest : public ::testing::Test {
protected:
    CategoryListingTest() {
        dir_.WriteCp1251("INI/SASCM.ini",
                         "[OPCODES]\r\n0001=1,wait\r\n0002=0,jump\r\n0003=2,put\r\n0004=0,nop\r\n");
        dir_.WriteCp1251("INI/TypeInfo.ini",
                         "[A]\r\nShortCaption=a\r\nOpcodes=1\r\n[B]\r\nShortCaption=b\r\nOpcodes=2\r\n"
                         "[C]\r\nShortCaption=c\r\nOpcodes=3\r\n");
        dir_.WriteCp1251("INI/Types.Opcodes", "0001\r\n0001 0002\r\n0003\r\n");
        table_.emplace(dir_.Name("INI/SASCM.ini"), dir_.Name("INI/SASCM_RUS.ini"),
                       dir_.Name("INI/TypeInfo.ini"), dir_.Name("INI/Types.Opcodes"));
    }

    std::vector<std::string> Listed(const std::vector<int32_t>& line, const TypeTicks& ticks) {
        TNodedata node;
        node.Opcodes = OpcodeNumbers(line);
        std::vector<std::string> texts;
        for (const TOpcode* op : ListedOpcodes(*table_, node, ticks))
            texts.push_back(op->Text);
        return texts;
    }

    TempDir dir_;
    std::optional<TOpcodesList> table_;
};

TypeTicks Ticks(std::initializer_list<int> types) {
    TypeTicks ticks;
    for (int t : types) ticks.set(static_cast<std::size_t>(t));
    return ticks;
}

TEST_F(CategoryListingTest, LineOrderRepeatsAndUntypedOpcodes) {
    const TypeTicks all = Ticks({0, 1, 2});
    EXPECT_EQ(Listed({3, 4, 1, 2, 1}, all),
              (std::vector<std::string>{"0003: put", "0001: wait", "0002: jump", "0001: wait"}));
    EXPECT_TRUE(Listed({}, all).empty());
    // Every type ticked still leaves out an opcode that has none.
    EXPECT_TRUE(Listed({4, 4}, TypeTicks().set()).empty());
}

TEST_F(CategoryListingTest, OneTickedTypeIsEnough) {
    EXPECT_TRUE(Listed({1, 2, 3}, TypeTicks()).empty());
    EXPECT_EQ(Listed({1, 2, 3}, Ticks({1})), (std::vector<std::string>{"0001: wait", "0002: jump"}));
    EXPECT_EQ(Listed({1, 2, 3}, Ticks({0})), (std::vector<std::string>{"0001: wait"}));
    EXPECT_EQ(Listed({1, 2, 3}, Ticks({2, 200})), (std::vector<std::string>{"0003: put"}));
}

TEST_F(CategoryListingTest, NumbersWithoutARecordAreSkipped) {
    EXPECT_EQ(Listed({-1, 0x0AF1, 1, 0x7FFFFFFF, INT32_MIN}, TypeTicks().set()),
              (std::vector<std::string>{"0001: wait"}));
}

}  // namespace
