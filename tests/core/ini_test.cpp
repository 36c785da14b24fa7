// The INI reader (the rules of the Windows private-profile functions), the entry listing
// it is built on, and the line splitting of every reader.

#include <gtest/gtest.h>

#include "opcodes/ini_entries.h"
#include "opcodes/ini_file.h"
#include "opcodes/line_ends.h"
#include "tests/support/temp_dir.h"

TEST(IniFile, ValuesAsTheProfileFunctionsReadThem) {
    TempDir dir;
    dir.Write("t.ini",
              "k=outside\n[OPCODES]\r\n00a1=1,abc\r\n  a  =  spaced value \t\rb=\"quoted\"\n"
              "c='single'\nd=\"\"twice\"\"\ne=\"unbalanced'\nf=x=y=z\ng=\njust text\nA=second\n"
              "long=" +
                  std::string(5000, 'x') +
                  "\n  [ t ]  \nk=v\n[opcodes]\nh=hidden\n[\xC0\xE1]\n\xE0\xC1=5\n");
    const TIniFile ini(dir.Name("t.ini"));
    const struct {
        const char *section, *key;
        std::string value;
    } cases[] = {{"opcodes", "00A1", "1,abc"},
                 {"Opcodes", "A", "spaced value"},
                 {"OPCODES", "b", "quoted"},
                 {"opcodes", "c", "single"},
                 {"opcodes", "d", "\"twice\""},
                 {"opcodes", "e", "\"unbalanced'"},
                 {"opcodes", "f", "x=y=z"},
                 {"opcodes", "g", ""},
                 {"opcodes", "just text", "dflt"},
                 {"opcodes", "long", std::string(kIniMaxValueLength, 'x')},
                 {"t", "k", "v"},
                 {"opcodes", "k", "dflt"},
                 {"opcodes", "h", "dflt"},
                 {"other", "00A1", "dflt"},
                 {"\xE0\xC1", "\xC0\xE1", "5"}}; // Cyrillic case too
    for (const auto& c : cases)
        EXPECT_EQ(ini.ReadString(c.section, c.key, "dflt"), c.value) << c.key;
    EXPECT_EQ(ini.ReadSections(),
              (std::vector<std::string>{"OPCODES", "t", "opcodes", "\xC0\xE1"}));
    EXPECT_TRUE(ini.HasKey("T", "K") && !ini.HasSection("other"));
    // A reader of some sections reads them as the whole reader does, and knows no other;
    // it reads no further than the end of the first section of each name.
    const TIniFile some(dir.Name("t.ini"), {"Opcodes", "\xE0\xC1"});
    for (const auto& c : cases)
        EXPECT_EQ(some.ReadString(c.section, c.key, "dflt"),
                  std::string_view(c.section) == "t" ? "dflt" : c.value)
            << c.key;
    EXPECT_EQ(some.ReadSections(), (std::vector<std::string>{"OPCODES", "opcodes", "\xC0\xE1"}));
    dir.Write("s.ini", "[a]\nk=1\n[b]\nk=2\n[a]\n[c]\n");
    EXPECT_EQ(TIniFile(dir.Name("s.ini"), {"A", "b"}).ReadSections(),
              (std::vector<std::string>{"a", "b"}));
    // A missing file, or a folder in the file's place, reads as an empty file.
    EXPECT_EQ(TIniFile(dir.Name("absent.ini")).ReadString("s", "k", "dflt"), "dflt");
    EXPECT_TRUE(TIniFile(dir.path().string()).ReadSections().empty());
}

TEST(IniFile, IntegersAreDecimalOrHexWithinThirtyTwoBits) {
    TempDir dir;
    const std::pair<const char*, int32_t> cases[] = {
        {"42", 42},         {"-7", -7},        {"+3", 3},
        {"0x1F", 31},       {"0XfF", 255},     {"-2147483648", INT32_MIN},
        {"0xFFFFFFFF", -1}, {"0", 0},          {"0x", 9},
        {"12a", 9},         {"2147483648", 9}, {"0x100000000", 9},
        {"$10", 9},         {"", 9},           {"-", 9}};
    for (const auto& [text, value] : cases) {
        dir.Write("t.ini", std::string("[s]\nk=") + text + "\n");
        const TIniFile ini(dir.Name("t.ini"));
        EXPECT_EQ(ini.ReadInteger("s", "k", 9), value) << text;
        // A flag is a non-zero number; what is no number gives the default.
        EXPECT_EQ(ini.ReadBool("s", "k", false), value != 0 && value != 9) << text;
    }
}

// Line numbers count every kind of line end; TIniFile reads the same entries.
TEST(IniEntries, LinesCountAcrossEveryKindOfLineEnd) {
    std::string shown;
    for (const IniEntry& e :
         ListIniEntries("[a]\r\nk=v\r\n\r\n  [ b ] x\ry = \"q\" \njust text\n\n=v\n[c"))
        shown += std::to_string(e.line) + std::string(e.name) + "|" + std::string(e.value) + " ";
    EXPECT_EQ(shown, "1a| 2k|v 4b| 5y|\"q\" 6|just text 8|v 9c| ");
}

// The scan classifies 64 bytes at a time: line ends just before, on and after a block's
// edge, a CR LF split by it, and lines much longer than a block are all found where they stand.
TEST(LineEnds, FoundWhereverTheyStandAgainstTheScanBlocks) {
    for (std::size_t at : {0u, 1u, 15u, 16u, 62u, 63u, 64u, 65u, 127u, 128u, 5000u}) {
        for (const std::string end : {"\r\n", "\r", "\n"}) {
            const std::string text = std::string(at, 'x') + end + "yy\n";
            ASSERT_EQ(FindLineEnd(text), at) << at << " " << int(end[0]);
            EXPECT_EQ(FindLineEnd(text, SkipLineEnd(text, at)), at + end.size() + 2);
        }
        // A CR after an LF in the same block does not hide the LF, nor a CR a later LF;
        // the scan for long lines finds the same.
        for (const std::string& text :
             {std::string(at, 'x') + "\n" + std::string(30, 'x') + "\r",
              std::string(at, 'x') + "\r" + std::string(3000, 'x') + "\n"})
            EXPECT_EQ(FindLineEnd(text) + FindLongLineEnd(text), 2 * at);
    }
    EXPECT_EQ(FindLineEnd(std::string(3000, 'x')), FindLongLineEnd(std::string(3000, 'x')));
    EXPECT_EQ(FindLineEnd(std::string(3000, 'x')), std::string_view::npos);

    // Going on from line to line through the blocks: lines of every length up to two
    // blocks and a half, each kind of end, the mark anywhere or nowhere, checked against
    // a byte-by-byte split.
    std::string text;
    for (std::size_t length = 0; length < 160; ++length) {
        std::string line(length, 'x');
        if (length % 3 != 0)
            line[length * 7 % length] = '=';
        text += line + (length % 3 == 0 ? "\r\n" : length % 3 == 1 ? "\r" : "\n");
    }
    text += "tail=";
    std::string expected, split;
    for (std::size_t pos = 0; pos < text.size();) {
        std::size_t end = pos;
        while (end < text.size() && text[end] != '\r' && text[end] != '\n')
            ++end;
        const std::size_t mark = text.substr(pos, end - pos).find('=');
        expected += std::to_string(end - pos) + ":" + std::to_string(mark) + " ";
        pos = end == text.size() ? end : SkipLineEnd(text, end);
    }
    LineSplitter lines(text, 0, true, '=');
    std::string_view line;
    for (std::size_t mark; lines.Next(line, mark);)
        split += std::to_string(line.size()) + ":" + std::to_string(mark) + " ";
    EXPECT_EQ(split, expected);
}
