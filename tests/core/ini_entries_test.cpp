#include <gtest/gtest.h>

#include <random>

#include "opcodes/ini_entries.h"
#include "opcodes/ini_file.h"
#include "tests/support/temp_dir.h"

namespace {

using Kind = IniEntry::Kind;

std::string Show(const IniEntry& e) {
    const char* kind = e.kind == Kind::Section ? "S" : e.kind == Kind::Key ? "K" : "O";
    return std::to_string(e.line) + kind + "[" + std::string(e.name) + "|" + std::string(e.value) + "]";
}

std::vector<std::string> Shown(std::string_view bytes) {
    std::vector<std::string> shown;
    for (const IniEntry& e : ListIniEntries(bytes)) shown.push_back(Show(e));
    return shown;
}

TEST(IniEntries, LinesCountAcrossEveryKindOfLineEnd) {
    EXPECT_EQ(Shown("[a]\r\nk=v\r\n\r\n  [ b ] tail\rx = \"q\" \njust text\n\n; note\r\nk2=\x1A"),
              (std::vector<std::string>{"1S[a|]", "2K[k|v]", "4S[b|]", "5K[x|\"q\"]",
                                        "6O[|just text]", "8O[|; note]", "9K[k2|\x1A]"}));
    EXPECT_EQ(Shown("[open\n=value\n"), (std::vector<std::string>{"1S[open|]", "2K[|value]"}));
    EXPECT_TRUE(ListIniEntries("").empty());
    EXPECT_TRUE(ListIniEntries(" \t\r\n\r\n").empty());
}

// What the listing says the reader finds: the first section of a name, the first key of
// a name within it.
const IniEntry* FirstKey(const std::vector<IniEntry>& entries, std::string_view section,
                         std::string_view key) {
    std::size_t i = 0;
    while (i < entries.size() &&
           !(entries[i].kind == Kind::Section && EqualsIgnoreCaseCp1251(entries[i].name, section)))
        ++i;
    for (++i; i < entries.size() && entries[i].kind != Kind::Section; ++i)
        if (entries[i].kind == Kind::Key && EqualsIgnoreCaseCp1251(entries[i].name, key))
            return &entries[i];
    return nullptr;
}

// The listing and TIniFile agree on every name the listing holds, and on the sections.
void ExpectAgreement(const TempDir& dir, const std::string& bytes) {
    dir.Write("t.ini", bytes);
    const TIniFile ini(dir.Name("t.ini"));
    const std::vector<IniEntry> entries = ListIniEntries(bytes);
    std::vector<std::string> sections;
    for (const IniEntry& e : entries)
        if (e.kind == Kind::Section) sections.emplace_back(e.name);
    ASSERT_EQ(ini.ReadSections(), sections);
    std::string_view section;
    for (const IniEntry& e : entries) {
        if (e.kind == Kind::Section) section = e.name;
        if (e.kind != Kind::Key) continue;
        const IniEntry* first = FirstKey(entries, section, e.name);
        ASSERT_EQ(ini.HasKey(section, e.name), first != nullptr) << Show(e);
        if (first == nullptr) continue;
        const std::string_view expected = UnquoteIniValue(first->value).substr(0, kIniMaxValueLength);
        ASSERT_EQ(ini.ReadString(section, e.name, "\x01"), expected) << Show(e);
    }
}

TEST(IniEntries, AgreeWithTheReaderOnTrickyAndRandomFiles) {
    TempDir dir;
    ExpectAgreement(dir, "k=0\n[A]\nk=1\nK=2\n[b]\r\nk='x'\r[a]\nk=3\nnew=4\n[\xC0\xE1]\n\xE0\xC1=5\n");
    std::mt19937 rng(7);
    const std::string alphabet = "[]= \t\r\nabAB'\"\xC0\xE0";
    for (int round = 0; round < 100; ++round) {
        std::string bytes(rng() % 200, ' ');
        for (char& ch : bytes) ch = alphabet[rng() % alphabet.size()];
        ExpectAgreement(dir, bytes);
        if (HasFailure()) FAIL() << "bytes: " << bytes;
    }
}

}  // namespace
