#include <gtest/gtest.h>

#include "opcodes/cp1251.h"
#include "opcodes/errors.h"
#include "opcodes/ini_file.h"
#include "opcodes/opcode.h"
#include "tests/support/temp_dir.h"

namespace {

class OpcodeTableTest : public ::testing::Test {
protected:
    // Builds the table from the four files of the folder (absent ones stay absent).
    TOpcodesList Build() {
        return TOpcodesList(dir_.Name("INI/SASCM.ini"), dir_.Name("INI/SASCM_RUS.ini"),
                            dir_.Name("INI/TypeInfo.ini"), dir_.Name("INI/Types.Opcodes"));
    }
    std::string BuildError() {
        try {
            Build();
        } catch (const Exception& e) {
            return std::string(e.ClassName()) + ": " + e.Message();
        }
        return "no error";
    }
    TempDir dir_;
};

TEST_F(OpcodeTableTest, RecordTextsFromBothFiles) {
    dir_.WriteCp1251("INI/SASCM.ini",
                     "[OPCODES]\r\n0001=1,abc\r\n0002=-1,start %1d%\r\n0003=12,twelve\r\n"
                     "0004=9,nine\r\n0005=-2,minus\r\n0006=01,lead\r\n0AF0=0,  last \r\n");
    dir_.WriteCp1251("INI/SASCM_RUS.ini",
                     "[opcodes]\r\n0001=1,xyz\r\n0002=без запятой\r\n0003=,пусто\r\n");
    const TOpcodesList table = Build();

    const TOpcode& op1 = table.GetItem(1);
    EXPECT_EQ(op1.Text, "0001: abc");
    EXPECT_EQ(op1.RusText, "xyz");
    EXPECT_EQ(op1.ParamCount, 1);
    EXPECT_EQ(op1.ParamCountText, " 1");
    EXPECT_TRUE(op1.Types.none());
    EXPECT_EQ(op1.TypeText, "");

    EXPECT_EQ(table.GetItem(2).ParamCount, -1);
    EXPECT_EQ(table.GetItem(2).ParamCountText, Utf8ToCp1251("до 255"));
    EXPECT_EQ(table.GetItem(2).RusText, Utf8ToCp1251("без запятой"));
    EXPECT_EQ(table.GetItem(3).ParamCountText, "12");
    EXPECT_EQ(table.GetItem(3).RusText, Utf8ToCp1251("пусто"));
    EXPECT_EQ(table.GetItem(4).ParamCountText, " 9");
    EXPECT_EQ(table.GetItem(5).ParamCountText, " -2");
    EXPECT_EQ(table.GetItem(6).ParamCount, 1);
    EXPECT_EQ(table.GetItem(6).ParamCountText, " 01");
    // The value is trimmed as a whole; blanks after the comma stay.
    EXPECT_EQ(table.GetItem(0xAF0).Text, "0AF0:   last");
}

TEST_F(OpcodeTableTest, UndefinedNumbersGetTheDefaultRecord) {
    const TOpcodesList table = Build();  // no files at all
    for (int32_t n : {0, 0x100, kMaxOpcode}) {
        const TOpcode& op = table.GetItem(n);
        EXPECT_EQ(op.Text, OpcodeKey(n) + ":  ???");
        EXPECT_EQ(op.RusText, " ???");
        EXPECT_EQ(op.ParamCount, 0);
        EXPECT_EQ(op.ParamCountText, " 0");
    }
    EXPECT_THROW(table.GetItem(kOpcodeCount), ERangeError);
    EXPECT_THROW(table.GetItem(-1), ERangeError);
    EXPECT_EQ(OpcodeKey(0x1A) + OpcodeKey(0x12345) + OpcodeKey(-1), "001A12345FFFFFFFF");
}

TEST_F(OpcodeTableTest, CountPartThatIsNoIntegerStopsTheBuild) {
    dir_.Write("INI/SASCM.ini", "[OPCODES]\r\n0001=1,ok\r\n0002=x1,bad\r\n");
    EXPECT_EQ(BuildError(), "EConvertError: 'x1' is not a valid integer value");
    dir_.Write("INI/SASCM.ini", "[OPCODES]\r\n0003=no comma\r\n");
    EXPECT_EQ(BuildError(), "EConvertError: '' is not a valid integer value");
    dir_.Write("INI/SASCM.ini", "[OPCODES]\r\n0003=1 ,blank\r\n");
    EXPECT_EQ(BuildError(), "EConvertError: '1 ' is not a valid integer value");
}

TEST_F(OpcodeTableTest, TypesComeFromTheTypeLines) {
    dir_.WriteCp1251("INI/TypeInfo.ini",
                     "[Act]\r\nShortCaption=Дейст\r\nOpcodes=1\r\n"
                     "[NoLine]\r\nShortCaption=Нет\r\n"
                     "[Bad]\r\nShortCaption=Плохо\r\nOpcodes=abc\r\n"
                     "[Check]\r\nOpcodes=0x2\r\n");
    dir_.Write("INI/Types.Opcodes", "0001 0002 00A3 0AF1 FFFF 0001\r\n0001,00A3\r\n");
    const TOpcodesList table = Build();
    const std::string act = Utf8ToCp1251("Дейст");
    const std::string missing = Utf8ToCp1251("ОТСУТСТВУЕТ В TYPEINFO.INI");

    // Type 0 and type 3 (the fourth section), in index order, each followed by ", ".
    EXPECT_EQ(table.GetItem(0xA3).TypeText, act + ", " + missing + ", ");
    EXPECT_TRUE(table.GetItem(0xA3).Types.test(0));
    EXPECT_TRUE(table.GetItem(0xA3).Types.test(3));
    EXPECT_EQ(table.GetItem(0xA3).Types.count(), 2u);
    // A number twice on one line: the caption twice, the type once.
    EXPECT_EQ(table.GetItem(1).TypeText, act + ", " + act + ", " + missing + ", ");
    EXPECT_EQ(table.GetItem(1).Types.count(), 2u);
    EXPECT_EQ(table.GetItem(2).TypeText, act + ", ");
    EXPECT_TRUE(table.GetItem(4).Types.none());
}

TEST_F(OpcodeTableTest, ZeroOrOneAndLinesPastTheEndRead) {
    dir_.Write("INI/TypeInfo.ini", "[A]\r\nOpcodes=0\r\n[B]\r\nOpcodes=1\r\n[C]\r\nOpcodes=9\r\n");
    dir_.Write("INI/Types.Opcodes", "0005\r\n");
    const TOpcodesList table = Build();
    EXPECT_TRUE(table.GetItem(5).Types.test(0));
    EXPECT_TRUE(table.GetItem(5).Types.test(1));
    // A line beyond the end gives the type to opcode 0000 only.
    EXPECT_TRUE(table.GetItem(0).Types.test(2));
    EXPECT_FALSE(table.GetItem(5).Types.test(2));
}

TEST_F(OpcodeTableTest, MissingTypeLineFileStopsTheBuildOnlyWhenALineIsNamed) {
    dir_.Write("INI/TypeInfo.ini", "[A]\r\nShortCaption=a\r\n");
    EXPECT_EQ(BuildError(), "no error");
    dir_.Write("INI/TypeInfo.ini", "[A]\r\nOpcodes=1\r\n");
    EXPECT_EQ(BuildError(), "EInOutError: File not found");
}

TEST_F(OpcodeTableTest, TypesBeyondIndex255AreIgnored) {
    std::string typeInfo, lines;
    for (int t = 0; t < 300; ++t) {
        typeInfo += "[T" + std::to_string(t) + "]\r\nShortCaption=t" + std::to_string(t) +
                    "\r\nOpcodes=1\r\n";
    }
    dir_.Write("INI/TypeInfo.ini", typeInfo);
    dir_.Write("INI/Types.Opcodes", "0007\r\n");
    const TOpcodesList table = Build();
    EXPECT_EQ(table.GetItem(7).Types.count(), 256u);
    EXPECT_EQ(table.GetItem(7).TypeText.find("t256, "), std::string::npos);
    EXPECT_NE(table.GetItem(7).TypeText.find("t255, "), std::string::npos);
}

TEST_F(OpcodeTableTest, TypeTextStopsAtItsLimitWhileTypesStillCount) {
    // A line that repeats one number, named by three types with the longest captions.
    const std::string caption(kIniMaxValueLength, 'c');
    std::string typeInfo, line;
    for (int t = 0; t < 3; ++t)
        typeInfo += "[T" + std::to_string(t) + "]\r\nShortCaption=" + caption + "\r\nOpcodes=1\r\n";
    for (int i = 0; i < 1000; ++i) line += "0009 ";
    dir_.Write("INI/TypeInfo.ini", typeInfo);
    dir_.Write("INI/Types.Opcodes", line + "0001\r\n");
    const TOpcodesList table = Build();
    const TOpcode& op = table.GetItem(9);
    EXPECT_EQ(op.Types.count(), 3u);
    ASSERT_EQ(op.TypeText.size(), kMaxTypeTextLength);
    EXPECT_EQ(op.TypeText.substr(0, caption.size() + 4), caption + ", cc");
    EXPECT_EQ(table.GetItem(1).TypeText.size(), kMaxTypeTextLength);  // 3 x 2049, cut
    EXPECT_EQ(table.GetItem(1).Types.count(), 3u);
}

}  // namespace
