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

TEST(LookupSites, TableInMenuOrderWithItsOwnShortcuts) {
    const auto sites = LookupSites();
    ASSERT_EQ(sites.size(), 3u);
    EXPECT_EQ(sites[0].actionName, "BrowseOpcodeBase");
    EXPECT_EQ(sites[0].shortcut, "Ctrl+F1");
    EXPECT_EQ(sites[1].actionName, "BrowseWiki");
    EXPECT_EQ(sites[1].menuItemName, "NWiki");
    EXPECT_EQ(sites[1].shortcut, "Ctrl+F3");
    EXPECT_EQ(sites[2].actionName, "BrowseIniEditor");
    EXPECT_EQ(sites[2].shortcut, "Ctrl+F2");
    std::set<LookupSite> kinds;
    for (const auto& info : sites) {
        kinds.insert(info.site);
        EXPECT_EQ(&LookupSiteOf(info.site), &info);
        EXPECT_EQ(info.baseAddress.substr(0, 8), "https://");
    }
    EXPECT_EQ(kinds.size(), 3u);
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
