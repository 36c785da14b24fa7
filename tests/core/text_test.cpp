// The program's texts: the Windows-1251 code page, the clipboard's text, the error log's
// records and the web look-up's addresses.

#include <gtest/gtest.h>

#include "opcodes/clipboard_text.h"
#include "opcodes/cp1251.h"
#include "opcodes/error_log.h"
#include "opcodes/lookup_sites.h"
#include "tests/support/temp_dir.h"

TEST(Cp1251, EveryByteRoundTripsAndUtf8ConvertsBothWays) {
    for (int b = 0; b < 256; ++b)
        EXPECT_EQ(UnicodeToCp1251(Cp1251ToUnicode(static_cast<unsigned char>(b))), b);
    EXPECT_EQ(Cp1251ToUtf8("\xC2\xF1\xFF: \xB8\xA8 \xB9\x88\x98") +
                  Utf8ToCp1251Exact("Вся: ёЁ №€\u0098").value_or("-"),
              "Вся: ёЁ №€\u0098\xC2\xF1\xFF: \xB8\xA8 \xB9\x88\x98");
    // Characters the code page lacks, and broken sequences, become the replacement.
    EXPECT_EQ(Utf8ToCp1251("a中bä\xE2\x82|\xFFz"), "a?b???|?z");
    EXPECT_FALSE(Utf8ToCp1251Exact("a中b") || Utf8ToCp1251Exact("x\xE2\x82"));
    EXPECT_EQ(UpperLatin("wait_Actor 00a5 \xE6\xC6"), "WAIT_ACTOR 00A5 \xE6\xC6");
    EXPECT_TRUE(
        EqualsIgnoreCaseCp1251(Utf8ToCp1251("OpCodes Игрок ё"), Utf8ToCp1251("OPCODES иГРОК Ё")));
    EXPECT_FALSE(EqualsIgnoreCaseCp1251("abc", "abd") || EqualsIgnoreCaseCp1251("abc", "abcd"));
    // Paths and the C library's messages come in the locale's encoding.
    const LocaleScope utf8(LC_CTYPE, kUtf8Locale);
    ASSERT_TRUE(utf8.Set());
    EXPECT_EQ(LocaleToCp1251("/home/база: Нет, a中b\xFF\xD0"),
              Utf8ToCp1251("/home/база: Нет, a?b??"));
    const LocaleScope plain(LC_CTYPE, "C"); // no more than ASCII, but for Windows' UTF-8
#ifdef _WIN32
    EXPECT_EQ(LocaleToCp1251("ok \xD0\xB1"), "ok \xE1");
#else
    EXPECT_EQ(LocaleToCp1251("ok \xD0\xB1"), "ok ??");
#endif
}

TEST(ClipboardText, CopyAndAddTexts) {
    const std::vector<std::string> lines{"0001: a", "0003: c"}, none;
    EXPECT_EQ(MainListLine("0001: wait", "\xE6") + "|" + SelectionText(lines) + "|" +
                  SelectionText(none) + "|" + AllRowsText(lines) + "|" + AllRowsText(none) + "|" +
                  AddedText("x"),
              "0001: wait   //\xE6|0001: a\r\n0003: c||\r\n0001: a\r\n0003: c||\r\nx");
}

TEST(ErrorLog, RecordsAreCutTo512BytesBeforeTheirFinalLineEnd) {
    const std::string head = "d. Exception E in module m at 00000000.\r\n",
                      fits(512 - head.size() - 3, 'a');
    const std::pair<std::string, std::string> cases[] = {
        {"Done.", "Done.\r\n\r\n"},
        {"", "\r\n\r\n"},
        {fits, fits + ".\r\n\r\n"},
        {fits + "a", fits + "a.\r\r\n"},
        {std::string(5000, 'x'), std::string(512 - head.size(), 'x') + "\r\n"}};
    for (const auto& [message, record] : cases)
        EXPECT_EQ(ErrorLogRecord("d", "E", "m", 0, message), head + record);
    std::tm t{};
    t.tm_sec = 2, t.tm_min = 7, t.tm_hour = 9, t.tm_mday = 5, t.tm_mon = 2, t.tm_year = 124;
    EXPECT_EQ(FormatLogDateTime(t), "05.03.2024 09:07:02");
}

// Odd opcode text cannot break an address; only web addresses are opened; Sites.ini sets
// names and addresses where it can.
TEST(LookupSites, AddressesNamesAndTheSitesFile) {
    const LookupSiteSettings builtIn;
    EXPECT_EQ(
        builtIn.Address(LookupSite::OpcodeBase, "0A8C") + " " +
            builtIn.Address(LookupSite::IniEditor, "00A5") + " " +
            builtIn.Address(LookupSite::Wiki, "a&b=\xC0 "),
        "https://opcode-base.org/?search=0A8C&show=all https://ini-editor.org/editor/editor.php?opcode=00A5 https://script-wiki.org/index.php?title=a%26b%3D%C0%20");
    EXPECT_EQ(OpcodeTextOfCaption("00A5: create_car") + "|" + OpcodeTextOfCaption("0A8"),
              "00A5|0A8");
    for (const char* address :
         {"https://wiki.example", "HTTP://wiki.example:8080/w", "http://вики.рф"})
        EXPECT_TRUE(IsWebAddress(address)) << address;
    for (const char* address :
         {"", "file:///etc/passwd", "/usr/bin/xterm", "javascript:alert(1)", "https://",
          "https:///x", "https://a b", "ftp://wiki.example", "wiki.example"})
        EXPECT_FALSE(IsWebAddress(address)) << address;
    TempDir dir;
    dir.WriteCp1251(
        "Sites.ini",
        "[wiki]\r\nCaption=&Вики & Co\r\nAddress=https://wiki.example/\r\n[IniEditor]\r\nCaption=\r\n"
        "Address=file:///etc/passwd\r\n[OpcodeBase]\r\nAddress=\"C:\\Windows\\notepad.exe\"\r\n");
    const LookupSiteSettings sites = LookupSiteSettings::Read(dir.Name("Sites.ini"));
    EXPECT_EQ(Cp1251ToUtf8(sites.Caption(LookupSite::Wiki) + "|" +
                           sites.ShortName(LookupSite::Wiki) + "|" +
                           sites.Address(LookupSite::Wiki, "0A8C")),
              "&&&Вики && Co|&Вики & Co|https://wiki.example/index.php?title=0A8C");
    for (const LookupSite site :
         {LookupSite::IniEditor, LookupSite::OpcodeBase}) // the built-in ones stay
        EXPECT_EQ(sites.ShortName(site) + sites.Address(site, "1"),
                  builtIn.ShortName(site) + builtIn.Address(site, "1"));
}
