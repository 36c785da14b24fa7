#include <gtest/gtest.h>

#include <clocale>

#include "opcodes/cp1251.h"
#include "tests/support/temp_dir.h"

// The byte values of the code page's upper half, as its published table gives them.
TEST(Cp1251, EveryByteRoundTripsThroughUnicode) {
    for (int b = 0; b < 256; ++b) {
        const char32_t c = Cp1251ToUnicode(static_cast<unsigned char>(b));
        const auto back = UnicodeToCp1251(c);
        ASSERT_TRUE(back.has_value()) << b;
        EXPECT_EQ(*back, b);
    }
}

TEST(Cp1251, KnownCodePoints) {
    EXPECT_EQ(Cp1251ToUnicode(0x41), U'A');
    EXPECT_EQ(Cp1251ToUnicode(0xC0), U'А');
    EXPECT_EQ(Cp1251ToUnicode(0xFF), U'я');
    EXPECT_EQ(Cp1251ToUnicode(0xA8), U'Ё');
    EXPECT_EQ(Cp1251ToUnicode(0xB8), U'ё');
    EXPECT_EQ(Cp1251ToUnicode(0xB9), U'№');
    EXPECT_EQ(Cp1251ToUnicode(0x88), U'€');
    EXPECT_EQ(Cp1251ToUnicode(0x98), char32_t{0x98});
    EXPECT_FALSE(UnicodeToCp1251(U'ä').has_value());
    EXPECT_FALSE(UnicodeToCp1251(U'中').has_value());
}

TEST(Cp1251, Utf8ConversionBothWays) {
    const std::string russian = "Всего: ёЁ №5";
    const std::string bytes = Utf8ToCp1251(russian);
    EXPECT_EQ(bytes, "\xC2\xF1\xE5\xE3\xEE: \xB8\xA8 \xB9" "5");
    EXPECT_EQ(Cp1251ToUtf8(bytes), russian);
    // Characters the code page lacks, and broken sequences, become the replacement.
    EXPECT_EQ(Utf8ToCp1251("a中b"), "a?b");
    EXPECT_EQ(Utf8ToCp1251("x\xE2\x82"), "x??");
    EXPECT_EQ(Utf8ToCp1251("\xFFz"), "?z");
    EXPECT_EQ(Utf8ToCp1251Exact("Всего"), bytes.substr(0, 5));
    EXPECT_FALSE(Utf8ToCp1251Exact("a中b"));
    EXPECT_FALSE(Utf8ToCp1251Exact("x\xE2\x82"));
}

TEST(Cp1251, SystemTextsFromTheLocalesEncoding) {
    {
        const LocaleScope utf8(LC_CTYPE, "C.UTF-8");
        ASSERT_TRUE(utf8.Set());
        EXPECT_EQ(LocaleToCp1251("/home/база: Нет такого файла"), Utf8ToCp1251("/home/база: Нет такого файла"));
        EXPECT_EQ(LocaleToCp1251("a中b\xFF\xD0"), "a?b??");
    }
    // The C locale knows no more than ASCII.
    const LocaleScope plain(LC_CTYPE, "C");
    EXPECT_EQ(LocaleToCp1251("ok \xD0\xB1"), "ok ??");
}

TEST(Cp1251, UpperLatinTouchesOnlyAsciiLetters) {
    EXPECT_EQ(UpperLatin("wait_Actor 00a5"), "WAIT_ACTOR 00A5");
    const std::string cyr = Utf8ToCp1251("ждать Ждать");
    EXPECT_EQ(UpperLatin(cyr), cyr);
}

TEST(Cp1251, CaseFoldingCoversCyrillic) {
    EXPECT_TRUE(EqualsIgnoreCaseCp1251("OpCodes", "OPCODES"));
    EXPECT_TRUE(EqualsIgnoreCaseCp1251(Utf8ToCp1251("Игрок ё"), Utf8ToCp1251("иГРОК Ё")));
    EXPECT_FALSE(EqualsIgnoreCaseCp1251("abc", "abd"));
    EXPECT_FALSE(EqualsIgnoreCaseCp1251("abc", "abcd"));
}
