// A header click's order: Windows-1251 byte order, shorter prefixes first, equal texts in
// the order they had; texts that share their first eight bytes are told apart by the rest.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/opcode_row_model.h"

TEST(OpcodeRowModelTest, SortOrdersBytesAndKeepsTiesInPlace) {
    // The texts of rows 0, 1, ..., the same first eight bytes told apart by the rest.
    const std::vector<std::string> texts = {
        "0001: wait_b", std::string("ab\0", 3), "0001: wait_a", " 3", "\xE0", "ab", "",
        "0001: wait_a", "12345678", "12345678", "1234567", "0001: wait", "\x7F", " 12",
        "12345678b", "12345678a"};
    OpcodeRowModel model({QStringLiteral("A"), QStringLiteral("B")}, nullptr);
    std::vector<std::string> numbers; // column 1 names the row
    std::vector<OpcodeRowModel::Row> rows;
    for (std::size_t i = 0; i < texts.size(); ++i)
        numbers.push_back(std::to_string(i));
    for (std::size_t i = 0; i < texts.size(); ++i)
        rows.push_back({texts[i], numbers[i]});
    model.SetRows(std::move(rows));

    model.Sort(0);
    std::string order;
    for (int row = 0; row < model.Count(); ++row)
        order += std::string(model.Bytes(row, 1)) + ' ';
    EXPECT_EQ(order, "6 13 3 11 2 7 0 10 8 9 15 14 5 1 12 4 ");
}
