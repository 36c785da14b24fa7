#include <gtest/gtest.h>

#include <set>

#include "opcodes/cp1251.h"
#include "opcodes/lookup_sites.h"
#include "tests/support/temp_dir.h"

namespace {

const LookupSiteSettings kBuiltIn;

}  // namespace

TEST(LookupSites, AddressesOfTheThreeSites) {
    EXPECT_EQ(kBuiltIn.Address(LookupSite::OpcodeBase, "0A8C"),
              "https://opcode-base.org/?search=0A8C&show=all");
    EXPECT_EQ(kBuiltIn.Address(LookupSite::Wiki, "0000"),
              "https://script-wiki.org/index.php?title=0000");
    EXPECT_EQ(kBuiltIn.Address(LookupSite::IniEditor, "00A5"),
              "https://ini-editor.org/editor/editor.php?opcode=00A5");
}

TEST(LookupSites, OddOpcodeTextCannotBreakTheAddress) {
    EXPECT_EQ(kBuiltIn.Address(LookupSite::Wiki, "a&b="),
              "https://script-wiki.org/index.php?title=a%26b%3D");
    EXPECT_EQ(kBuiltIn.Address(LookupSite::OpcodeBase, "\xC0 "),
              "https://opcode-base.org/?search=%C0%20&show=all");
    EXPECT_EQ(kBuiltIn.Address(LookupSite::Wiki, ""), "https://script-wiki.org/index.php?title=");
}

TEST(LookupSites, EverySiteHasItsOwnRow) {
    std::set<LookupSite> kinds;
    for (const auto& info : LookupSites()) {
        kinds.insert(info.site);
        EXPECT_EQ(&LookupSiteOf(info.site), &info);
    }
    EXPECT_EQ(kinds.size(), 3u);
    // The wiki stands second in the menu but has the third shortcut.
    EXPECT_EQ(LookupSites()[1].shortcut, "Ctrl+F3");
}

TEST(LookupSites, CaptionsAndHints) {
    EXPECT_EQ(kBuiltIn.Caption(LookupSite::Wiki), "&Wiki");
    EXPECT_EQ(kBuiltIn.Hint(LookupSite::Wiki), Utf8ToCp1251("Посмотреть описание опкода на сайте Wiki"));
    EXPECT_EQ(kBuiltIn.Hint(LookupSite::OpcodeBase),
              Utf8ToCp1251("Посмотреть описание опкода на сайте OpcodeBase"));
}

TEST(LookupSites, OnlyWebAddressesAreOpened) {
    for (const char* address : {"https://wiki.example", "HTTP://wiki.example:8080/w", "http://вики.рф"})
        EXPECT_TRUE(IsWebAddress(address)) << address;
    for (const char* address : {"", "file:///etc/passwd", "/usr/bin/xterm", "javascript:alert(1)",
                                "https://", "https:///x", "https://a b", "ftp://wiki.example",
                                "wiki.example"})
        EXPECT_FALSE(IsWebAddress(address)) << address;
}

TEST(LookupSites, SitesFileSetsNamesAndAddressesWhereItCan) {
    TempDir dir;
    dir.WriteCp1251("Sites.ini",
                    "[wiki]\r\nCaption=Вики\r\nAddress=https://wiki.example/\r\n"
                    "[IniEditor]\r\nCaption=\r\nAddress=file:///etc/passwd\r\n"
                    "[OpcodeBase]\r\nAddress=\"C:\\Windows\\notepad.exe\"\r\n");
    const LookupSiteSettings sites = LookupSiteSettings::Read(dir.Name("Sites.ini"));
    EXPECT_EQ(sites.Caption(LookupSite::Wiki), Utf8ToCp1251("&Вики"));
    EXPECT_EQ(sites.Hint(LookupSite::Wiki), Utf8ToCp1251("Посмотреть описание опкода на сайте Вики"));
    EXPECT_EQ(sites.Address(LookupSite::Wiki, "0A8C"), "https://wiki.example/index.php?title=0A8C");
    // An empty caption, and addresses that are no web addresses, keep the built-in ones.
    for (const LookupSite site : {LookupSite::IniEditor, LookupSite::OpcodeBase}) {
        EXPECT_EQ(sites.ShortName(site), kBuiltIn.ShortName(site));
        EXPECT_EQ(sites.BaseAddress(site), kBuiltIn.BaseAddress(site));
    }
    // Without the file everything is built in.
    const LookupSiteSettings none = LookupSiteSettings::Read(dir.Name("Missing.ini"));
    EXPECT_EQ(none.Address(LookupSite::Wiki, "0000"), kBuiltIn.Address(LookupSite::Wiki, "0000"));
}

TEST(LookupSites, OpcodeTextIsTheCaptionsHead) {
    EXPECT_EQ(OpcodeTextOfCaption("00A5: create_car"), "00A5");
    EXPECT_EQ(OpcodeTextOfCaption("0A8C"), "0A8C");
    EXPECT_EQ(OpcodeTextOfCaption("0A8"), "0A8");
    EXPECT_EQ(OpcodeTextOfCaption(""), "");
}
