// A header click's order: Windows-1251 byte order, shorter prefixes first, equal texts in
// the order they had; texts that share their first eight bytes are told apart by the rest.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <string>
#include <vector>

#include "opcodes/row_compare.h"
#include "ui/opcode_row_model.h"

TEST(OpcodeRowModelTest, SortAgreesWithAStableSortOfTheBytes) {
    // Many rows of few distinct texts: short ones, many sharing their first eight or sixteen
    // bytes, zero and high bytes, and long ones.
    const std::vector<std::string> pieces = {
        "", " 1", "-1", "12", "\xFF", std::string(1, '\0'), "0001: ", "команда ", "wait"};
    std::vector<std::string> texts, numbers;
    unsigned seed = 7;
    for (int i = 0; i < 3000; ++i) {
        std::string text;
        for (int n = 0; n < 4; ++n)
            text += pieces[(seed = seed * 1103515245u + 12345u) >> 16 & 7 ? (seed >> 20) % 9 : 0];
        texts.push_back(text);
        numbers.push_back(std::to_string(i));
    }
    // Texts told apart only past their first eight bytes, or by a zero byte.
    for (const std::string& text :
         std::vector<std::string>{"12345678b", "12345678a", "12345678", "1234567",
                                  std::string("ab\0", 3), "ab", "0001: wait_b", "0001: wait_a"})
        texts.push_back(text), numbers.push_back(text);
    // Long texts that many rows share, one of them differing in its last byte.
    for (int i = 0; i < 40; ++i) {
        texts.push_back(std::string(100000, 'x') + (i == 20 ? "a" : "b"));
        numbers.push_back("long" + std::to_string(i));
    }
    std::vector<OpcodeRowModel::Row> rows;
    for (std::size_t i = 0; i < texts.size(); ++i)
        rows.push_back({numbers[i], texts[i]});
    OpcodeRowModel model({QStringLiteral("A"), QStringLiteral("B")}, nullptr);
    model.SetRows(std::move(rows));
    model.Sort(1);

    std::vector<std::size_t> expected(texts.size());
    std::iota(expected.begin(), expected.end(), 0);
    std::stable_sort(expected.begin(), expected.end(), [&](std::size_t a, std::size_t b) {
        return CompareCp1251(texts[a], texts[b]) < 0;
    });
    for (int row = 0; row < model.Count(); ++row)
        EXPECT_EQ(model.Bytes(row, 0), numbers[expected[static_cast<std::size_t>(row)]]) << row;
}
