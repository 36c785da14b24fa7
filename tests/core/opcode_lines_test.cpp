#include <gtest/gtest.h>

#include "opcodes/errors.h"
#include "opcodes/opcode_lines.h"
#include "tests/support/temp_dir.h"

using Numbers = std::vector<int32_t>;

TEST(HexToInt, DigitsOfBothCases) {
    EXPECT_EQ(HexToInt(""), 0);
    EXPECT_EQ(HexToInt("0AF0"), 2800);
    EXPECT_EQ(HexToInt("0af0"), 2800);
    EXPECT_EQ(HexToInt("10"), 16);
    EXPECT_EQ(HexToInt("FFFFFFFF"), -1);  // 32-bit arithmetic
    EXPECT_EQ(HexToInt("1FFFFFFFF"), -1);  // and it wraps rather than overflowing
    EXPECT_EQ(HexToInt("0G1"), 1);         // a non-digit counts as 0
}

TEST(ParseOpcodeLine, GroupsOfFiveCharacters) {
    EXPECT_EQ(ParseOpcodeLine("0001 0002 00A3"), (Numbers{1, 2, 0xA3}));
    EXPECT_EQ(ParseOpcodeLine("0001,0002,00A3"), (Numbers{1, 2, 0xA3}));
    EXPECT_EQ(ParseOpcodeLine("0001 0002 00A3 "), (Numbers{1, 2, 0xA3}));
    // A second trailing blank starts a group of its own.
    EXPECT_EQ(ParseOpcodeLine("0001  "), (Numbers{1, 0}));
    // A short last group is read as far as it goes.
    EXPECT_EQ(ParseOpcodeLine("0001 A"), (Numbers{1, 0xA}));
    EXPECT_EQ(ParseOpcodeLine(""), (Numbers{0}));
}

TEST(ParseOpcodeLine, StopsAtTheLimit) {
    const std::string line(1000000, '1');
    EXPECT_EQ(ParseOpcodeLine(line).size(), 200000u);
    EXPECT_EQ(ParseOpcodeLine(line, 2800).size(), 2800u);
    EXPECT_TRUE(ParseOpcodeLine(line, 0).empty());
}

TEST(OpcodeLineFile, LinesCountFromOneAndEndAtCrLfCrOrLf) {
    const auto file = OpcodeLineFile::FromBytes("0001 0002\r\n\r\n0003\r0004\n0005 0006\r\n");
    EXPECT_EQ(file.LineCount(), 5u);
    EXPECT_EQ(file.ReadLine(1), (Numbers{1, 2}));
    EXPECT_EQ(file.ReadLine(0), (Numbers{1, 2}));   // 1 or less reads the first line
    EXPECT_EQ(file.ReadLine(-5), (Numbers{1, 2}));
    EXPECT_EQ(file.ReadLine(2), (Numbers{0}));      // an empty line
    EXPECT_EQ(file.ReadLine(3), (Numbers{3}));
    EXPECT_EQ(file.ReadLine(4), (Numbers{4}));
    EXPECT_EQ(file.ReadLine(5), (Numbers{5, 6}));
    EXPECT_EQ(file.ReadLine(6), (Numbers{0}));      // beyond the end
    EXPECT_EQ(file.ReadLine(INT32_MAX), (Numbers{0}));
}

TEST(OpcodeLineFile, ByteOneAEndsTheFile) {
    const auto file = OpcodeLineFile::FromBytes("0001\r\n0002\x1A" "0003\r\n0004\r\n");
    EXPECT_EQ(file.LineCount(), 2u);
    EXPECT_EQ(file.ReadLine(2), (Numbers{2}));
    EXPECT_EQ(file.ReadLine(3), (Numbers{0}));
}

TEST(OpcodeLineFile, EmptyFileReadsZero) {
    const auto file = OpcodeLineFile::FromBytes("");
    EXPECT_EQ(file.LineCount(), 0u);
    EXPECT_EQ(file.ReadLine(1), (Numbers{0}));
}

TEST(OpcodeLineFile, OpenFailuresCarryTheFileSystemsMessage) {
    TempDir dir;
    dir.Write("Ini/Types.Opcodes", "0001 0002\r\n00A3\r\n");
    CurrentDirScope cd(dir.path());
    // Found under another letter case and with backslashes.
    EXPECT_EQ(ReadOpcodeLine("INI\\types.opcodes", 2), (Numbers{0xA3}));
    try {
        ReadOpcodeLine("Ini\\Nodes.Opcodes", 1);
        FAIL() << "no error";
    } catch (const EInOutError& e) {
        EXPECT_EQ(e.Message(), "File not found");
        EXPECT_STREQ(e.ClassName(), "EInOutError");
    }
    try {
        ReadOpcodeLine("Missing\\Nodes.Opcodes", 1);
        FAIL() << "no error";
    } catch (const EInOutError& e) {
        EXPECT_EQ(e.Message(), "Invalid filename");
    }
    EXPECT_THROW(ReadOpcodeLine("Ini", 1), EInOutError);  // a folder
}

TEST(ForEachOpcodeGroup, GivesEachNumbersDigitsAndWhereItStands) {
    std::vector<std::pair<std::string, std::size_t>> groups;
    const auto collect = [&](std::string_view digits, std::size_t offset) {
        groups.emplace_back(std::string(digits), offset);
        return groups.size() < 3;
    };
    ForEachOpcodeGroup("0001 0G02,A", collect);
    EXPECT_EQ(groups, (std::vector<std::pair<std::string, std::size_t>>{{"0001", 0}, {"0G02", 5}, {"A", 10}}));
    groups.clear();
    ForEachOpcodeGroup("", collect);
    EXPECT_EQ(groups, (std::vector<std::pair<std::string, std::size_t>>{{"", 0}}));
    groups.clear();
    ForEachOpcodeGroup("0001 0002 0003 0004 ", collect);  // the visitor stops it at three
    EXPECT_EQ(groups.size(), 3u);
}
