#include <gtest/gtest.h>

#include <set>

#include "opcodes/lookup_sites.h"

TEST(LookupSites, AddressesOfTheThreeSites) {
    EXPECT_EQ(LookupAddress(LookupSite::OpcodeBase, "0A8C"),
              "https://opcode-base.org/?search=0A8C&show=all");
    EXPECT_EQ(LookupAddress(LookupSite::Wiki, "0000"),
              "https://script-wiki.org/index.php?title=0000");
    EXPECT_EQ(LookupAddress(LookupSite::IniEditor, "00A5"),
              "https://ini-editor.org/editor/editor.php?opcode=00A5");
}

TEST(LookupSites, OddOpcodeTextCannotBreakTheAddress) {
    EXPECT_EQ(LookupAddress(LookupSite::Wiki, "a&b="),
              "https://script-wiki.org/index.php?title=a%26b%3D");
    EXPECT_EQ(LookupAddress(LookupSite::OpcodeBase, "\xC0 "),
              "https://opcode-base.org/?search=%C0%20&show=all");
    EXPECT_EQ(LookupAddress(LookupSite::Wiki, ""), "https://script-wiki.org/index.php?title=");
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
    const LookupSiteInfo& wiki = LookupSiteOf(LookupSite::Wiki);
    EXPECT_EQ(LookupCaption(wiki), "&Wiki");
    EXPECT_EQ(LookupHint(wiki), "Посмотреть описание опкода на сайте Wiki");
    const LookupSiteInfo& base = LookupSiteOf(LookupSite::OpcodeBase);
    EXPECT_EQ(LookupHint(base), "Посмотреть описание опкода на сайте " + std::string(base.shortName));
}

TEST(LookupSites, OpcodeTextIsTheCaptionsHead) {
    EXPECT_EQ(OpcodeTextOfCaption("00A5: create_car"), "00A5");
    EXPECT_EQ(OpcodeTextOfCaption("0A8C"), "0A8C");
    EXPECT_EQ(OpcodeTextOfCaption("0A8"), "0A8");
    EXPECT_EQ(OpcodeTextOfCaption(""), "");
}
