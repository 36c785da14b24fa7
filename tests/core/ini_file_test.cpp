#include <gtest/gtest.h>

#include "opcodes/ini_file.h"
#include "tests/support/temp_dir.h"

namespace {

class IniFileTest : public ::testing::Test {
protected:
    TIniFile Ini(std::string_view bytes) {
        dir_.Write("test.ini", bytes);
        return TIniFile(dir_.Name("test.ini"));
    }
    TempDir dir_;
};

TEST_F(IniFileTest, SectionsAndKeysMatchWithoutRegardToCase) {
    const TIniFile ini = Ini("[OPCODES]\r\n00a1=1,abc\r\n00A2=2,def\r\n");
    EXPECT_EQ(ini.ReadString("opcodes", "00A1", "x"), "1,abc");
    EXPECT_EQ(ini.ReadString("Opcodes", "00a2", "x"), "2,def");
    EXPECT_EQ(ini.ReadString("opcodes", "00A3", "dflt"), "dflt");
    EXPECT_EQ(ini.ReadString("other", "00A1", "dflt"), "dflt");
}

TEST_F(IniFileTest, ValueIsTrimmedAndLosesOnePairOfQuotes) {
    const TIniFile ini = Ini(
        "[s]\n  a  =  spaced value \t\nb=\"quoted\"\nc='single'\nd=\"\"twice\"\"\n"
        "e=\"unbalanced'\nf=x=y=z\ng=\n  [ t ]  \nk=v\n");
    EXPECT_EQ(ini.ReadString("s", "a", ""), "spaced value");
    EXPECT_EQ(ini.ReadString("s", "b", ""), "quoted");
    EXPECT_EQ(ini.ReadString("s", "c", ""), "single");
    EXPECT_EQ(ini.ReadString("s", "d", ""), "\"twice\"");
    EXPECT_EQ(ini.ReadString("s", "e", ""), "\"unbalanced'");
    EXPECT_EQ(ini.ReadString("s", "f", ""), "x=y=z");  // the first "=" splits
    EXPECT_EQ(ini.ReadString("s", "g", "dflt"), "");   // present but empty: no default
    EXPECT_EQ(ini.ReadString("t", "k", ""), "v");
}

TEST_F(IniFileTest, LongValuesAreCutTo2047Characters) {
    const std::string longValue(5000, 'x');
    const TIniFile ini = Ini("[s]\r\nk=" + longValue + "\r\n");
    EXPECT_EQ(ini.ReadString("s", "k", ""), std::string(2047, 'x'));
}

TEST_F(IniFileTest, TheFirstSectionAndKeyWin) {
    const TIniFile ini = Ini("[a]\nk=first\nk=second\n[b]\nx=1\n[A]\nk=third\nonly=here\n");
    EXPECT_EQ(ini.ReadString("a", "k", ""), "first");
    // A repeated section is not searched: its keys stay unseen.
    EXPECT_EQ(ini.ReadString("a", "only", "dflt"), "dflt");
    EXPECT_EQ(ini.ReadSections(), (std::vector<std::string>{"a", "b", "A"}));
}

TEST_F(IniFileTest, ReadIntegerAcceptsDecimalAndHexOnly) {
    const TIniFile ini = Ini(
        "[s]\ndec=42\nneg=-7\nplus=+3\nhex=0x1F\nhex2=0XfF\nbare0x=0x\nword=true\nmixed=12a\n"
        "big=2147483648\nmin=-2147483648\nfull=0xFFFFFFFF\ndollar=$10\nempty=\n");
    EXPECT_EQ(ini.ReadInteger("s", "dec", -1), 42);
    EXPECT_EQ(ini.ReadInteger("s", "neg", -1), -7);
    EXPECT_EQ(ini.ReadInteger("s", "plus", -1), 3);
    EXPECT_EQ(ini.ReadInteger("s", "hex", -1), 31);
    EXPECT_EQ(ini.ReadInteger("s", "hex2", -1), 255);
    EXPECT_EQ(ini.ReadInteger("s", "bare0x", -1), -1);
    EXPECT_EQ(ini.ReadInteger("s", "word", -1), -1);
    EXPECT_EQ(ini.ReadInteger("s", "mixed", -1), -1);
    EXPECT_EQ(ini.ReadInteger("s", "big", -1), -1);
    EXPECT_EQ(ini.ReadInteger("s", "min", 0), INT32_MIN);
    EXPECT_EQ(ini.ReadInteger("s", "full", 0), -1);
    EXPECT_EQ(ini.ReadInteger("s", "dollar", -1), -1);
    EXPECT_EQ(ini.ReadInteger("s", "empty", -5), -5);
    EXPECT_EQ(ini.ReadInteger("s", "absent", 9), 9);
}

TEST_F(IniFileTest, ReadBoolIsANonZeroInteger) {
    const TIniFile ini = Ini("[s]\none=1\nzero=0\ntwo=2\nword=true\n");
    EXPECT_TRUE(ini.ReadBool("s", "one", false));
    EXPECT_FALSE(ini.ReadBool("s", "zero", true));
    EXPECT_TRUE(ini.ReadBool("s", "two", false));
    EXPECT_FALSE(ini.ReadBool("s", "word", false));  // a word gives the default
    EXPECT_TRUE(ini.ReadBool("s", "word", true));
}

TEST_F(IniFileTest, MissingFileReadsAsEmpty) {
    const TIniFile ini(dir_.Name("absent.ini"));
    EXPECT_EQ(ini.ReadString("s", "k", "dflt"), "dflt");
    EXPECT_TRUE(ini.ReadSections().empty());
    // A folder in the file's place is no readable file either.
    const TIniFile folder(dir_.path().string());
    EXPECT_EQ(folder.ReadInteger("s", "k", 7), 7);
}

TEST_F(IniFileTest, LinesOutsideSectionsAndWithoutEqualsAreIgnored) {
    const TIniFile ini = Ini("k=before\n[s]\njust text\nk=v\r\n\x1A\n");
    EXPECT_EQ(ini.ReadString("s", "k", ""), "v");
    EXPECT_EQ(ini.ReadString("s", "just text", "dflt"), "dflt");
    EXPECT_TRUE(ini.HasKey("S", "K"));
    EXPECT_FALSE(ini.HasSection("t"));
}

}  // namespace
