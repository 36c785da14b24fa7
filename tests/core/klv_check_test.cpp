// Crafted folders, each holding one kind of problem: klv-check reports exactly the
// findings expected, with file, line and severity.

#include <gtest/gtest.h>

#include "tests/core/klv_check_fixture.h"

namespace {

struct Case {
    const char* name;
    // Files of INI/ replaced (UTF-8, LF line ends) or, with a null text, removed.
    std::vector<std::pair<std::string, const char*>> files;
    // "FILE:LINE: severity: |fragment": a finding starts with the part before "|" and
    // holds the part after it.
    std::vector<std::string> expected;
    bool raw = false;  // the texts are the bytes to write, line ends included
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

std::string Replaced(const std::string& name, std::string_view from, std::string_view to) {
    std::string text = CleanDatabase().at(name);
    text.replace(text.find(from), from.size(), to);
    return text;
}

// Files as texts built from the clean ones; kept alive for the cases' pointers.
const std::string kSecondLine7 = Replaced("NodeInfo.ini", "Caption=Вторая\n", "Caption=Вторая\nOpcodes=7\n");
const std::string kSecondLine0 = Replaced("NodeInfo.ini", "Caption=Вторая\n", "Caption=Вторая\nOpcodes=0\n");
const std::string kSecondLineWord = Replaced("NodeInfo.ini", "Caption=Вторая\n", "Caption=Вторая\nOpcodes=abc\n");
const std::string kLongLine = [] {
    std::string line = "0000 0001 0002\n";
    for (int i = 0; i < 2801; ++i) line += "0001 ";
    return line + "\n";
}();
const std::string kLongNote = Replaced("NodeInfo.ini", "Note=Заметка", "Note=" + std::string(2048, 'x'));

const Case kCases[] = {
    {"CountPartNotAnInteger",
     {{"SASCM.ini", "[OPCODES]\n0000=0,nop\n0001=x1,wait\n0002=start\n"}},
     {"INI/SASCM.ini:3: error: |parameter count of opcode 0001 is not an integer ('x1' is not a valid integer value)",
      "INI/SASCM.ini:4: error: |('' is not a valid integer value); start-up stops here"}},
    {"TypeLinesMissingWhileATypeNamesALine",
     {{"Types.Opcodes", nullptr}},
     {"INI/Types.Opcodes: error: |file not found; type 'Actions' names line 1 of it, so start-up stops"}},
    {"TypeLinesMissingWhileNoTypeNamesALine",
     {{"Types.Opcodes", nullptr}, {"TypeInfo.ini", "[Actions]\nCaption=Д\nShortCaption=Д\n"}},
     {"INI/Types.Opcodes: warning: |file not found"}},
    {"TreeMissing", {{"Opcodes.tree", nullptr}}, {"INI/Opcodes.tree: error: |file not found; start-up stops"}},
    {"NodeLinesMissing", {{"Nodes.Opcodes", nullptr}}, {"INI/Nodes.Opcodes: error: |start-up stops here"}},
    {"NodeInfoMissing", {{"NodeInfo.ini", nullptr}}, {"INI/NodeInfo.ini: warning: |file not found: every category"}},
    {"EmptyFile", {{"SASCM_RUS.ini", ""}}, {"INI/SASCM_RUS.ini: warning: |the file is empty"}},
    {"NoOpcodesSection",
     {{"SASCM.ini", "[INFO]\nVERSION=1\n"}},
     {"INI/SASCM.ini: warning: |there is no [opcodes] section"}},
    {"InvalidTreeLevel",
     {{"Opcodes.tree", "All\n\tFirst\n\t\t\tSecond\n"}},
     {"INI/Opcodes.tree:3: error: |Invalid level (3) for item \"Second\"; start-up stops here"}},
    {"KeyWithoutSection",
     {{"Opcodes.tree", "All\n\tFirst\n\tSecond\n\tThird\n"}},
     {"INI/Opcodes.tree:4: warning: |category 'Third' has no section in NodeInfo.ini: it shows '***НЕ_НАЙДЕНО***  (NodeInfo.ini)'"}},
    {"KeyWithTrailingBlanks",
     {{"Opcodes.tree", "All\n\tFirst\n\tSecond \n"}},
     {"INI/Opcodes.tree:3: warning: |'Second ' has no section in NodeInfo.ini (the key ends with blanks)",
      "INI/NodeInfo.ini:11: warning: |section 'Second' is named by no line of Opcodes.tree"}},
    {"LinePastTheEnd",
     {{"NodeInfo.ini", kSecondLine7.c_str()}},
     {"INI/NodeInfo.ini:13: warning: |Opcodes 7 is past the end of Nodes.Opcodes (2 lines): the category 'Second' lists opcode 0000 only"}},
    {"LineZero",
     {{"NodeInfo.ini", kSecondLine0.c_str()}},
     {"INI/NodeInfo.ini:13: warning: |Opcodes 0 is below 1: the category 'Second' reads line 1"}},
    {"LineOfARepeatedTypeToldOnce",
     {{"TypeInfo.ini", "[Actions]\nCaption=Д\nShortCaption=Д\nOpcodes=0\n[Checks]\nCaption=П\n"
                       "ShortCaption=П\nOpcodes=2\n[Actions]\n"}},
     {"INI/TypeInfo.ini:4: warning: |Opcodes 0 is below 1: the type 'Actions' reads line 1 of Types.Opcodes",
      "INI/TypeInfo.ini:9: warning: |section 'Actions' repeats line 1"}},
    {"LineNotANumber",
     {{"NodeInfo.ini", kSecondLineWord.c_str()}},
     {"INI/NodeInfo.ini:13: warning: |Opcodes 'abc' is not a line number"}},
    {"NumberAbove0AF0",
     {{"Nodes.Opcodes", "0000 0001 0002\n0001 0B00 0002 FFFF\n"}},
     {"INI/Nodes.Opcodes:2: warning: |numbers above 0AF0 are left out: 0B00, FFFF (2 numbers in all)"}},
    {"MoreThan2800Numbers",
     {{"Nodes.Opcodes", kLongLine.c_str()}},
     {"INI/Nodes.Opcodes:2: warning: |the line holds 2801 numbers; only the first 2800 are read"}},
    {"NotHexadecimal",
     {{"Nodes.Opcodes", "0000 0001 0002\n0001 0G01,00x2\n"}},
     {"INI/Nodes.Opcodes:2: error: |column 6: '0G01' is not four hexadecimal digits; it is read as 0001 (2 such numbers"}},
    {"ShortNumberAndStrayBlank",
     {{"Types.Opcodes", "0000 0001 02\n0002  \n"}},
     {"INI/Types.Opcodes:1: error: |column 11: '02' is not four hexadecimal digits; it is read as 0002",
      "INI/Types.Opcodes:2: error: |column 6: ' ' is not four hexadecimal digits; it is read as 0000"}},
    {"IrregularLineEnds",
     {{"Nodes.Opcodes", "0000 0001 0002\n0001\n"}},
     {"INI/Nodes.Opcodes:1: warning: |the line ends with LF alone, not CR LF (2 lines in all)"},
     true},
    {"LoneCrAndEarlyEndOfFile",
     {{"Types.Opcodes", "0000 0001\r0002\r\n\x1A" "0003\r\n"}},
     {"INI/Types.Opcodes:1: warning: |the line ends with CR alone, not CR LF",
      "INI/Types.Opcodes:3: warning: |a byte 1A ends the file here: what follows it is never read"},
     true},
    {"EmptyNamedLine",
     {{"Nodes.Opcodes", "0000 0001 0002\n\n"}},
     {"INI/Nodes.Opcodes:2: warning: |the line is empty: it is read as the single opcode 0000"}},
    {"KeysNeverLookedUp",
     {{"SASCM.ini", "[OPCODES]\n0000=0,nop\n0001=1,wait\n0002=-1,start\n1=1,a\n0AF1=1,b\nK001=0,c\n"}},
     {"INI/SASCM.ini:5: warning: |key '1' has fewer than four digits and is never looked up (write 0001)",
      "INI/SASCM.ini:6: warning: |opcode '0AF1' is above 0AF0 and is never looked up",
      "INI/SASCM.ini:7: warning: |key 'K001' is not a four-digit hexadecimal opcode number"}},
    {"RepeatedSectionsAndKeys",
     {{"SASCM.ini", "[OPCODES]\n0000=0,nop\n0001=1,wait\n0002=-1,start\n0001=2,again\n"},
      {"TypeInfo.ini", "[Actions]\nCaption=Д\nShortCaption=Д\nOpcodes=1\n[Checks]\nCaption=П\n"
                       "ShortCaption=П\nOpcodes=2\n[actions]\nCaption=x\n"}},
     {"INI/SASCM.ini:5: warning: |key '0001' repeats line 3 in section 'OPCODES': only the first one is read",
      "INI/TypeInfo.ini:9: warning: |section 'actions' repeats line 1: only the first one is read"}},
    {"OpcodeInNoCategory",
     {{"SASCM.ini", "[OPCODES]\n0000=0,a\n0001=1,b\n0002=-1,c\n0003=0,d\n"},
      {"SASCM_RUS.ini", "[OPCODES]\n0000=0,a\n0001=1,b\n0002=-1,c\n0003=0,d\n"},
      {"Types.Opcodes", "0000 0001\n0002 0003\n"}},
     {"INI/SASCM.ini:5: warning: |opcode 0003 is listed by no category"}},
    {"OpcodeOfNoType",
     {{"SASCM.ini", "[OPCODES]\n0000=0,a\n0001=1,b\n0002=-1,c\n0003=0,d\n"},
      {"SASCM_RUS.ini", "[OPCODES]\n0000=0,a\n0001=1,b\n0002=-1,c\n0003=0,d\n"},
      {"Nodes.Opcodes", "0000 0001 0002 0003\n0001\n"}},
     {"INI/SASCM.ini:5: warning: |opcode 0003 is listed by no type"}},
    {"ListedButNotDefined",
     {{"Nodes.Opcodes", "0000 0001 0002\n0001 0005\n"}},
     {"INI/Nodes.Opcodes:2: warning: |opcodes that SASCM.ini does not define show \"???\": 0005"}},
    {"NoTranslation",
     {{"SASCM_RUS.ini", "[OPCODES]\n0000=0,a\n0001=1,b\n"}},
     {"INI/SASCM.ini:7: warning: |opcode 0002 has no translation in SASCM_RUS.ini"}},
    {"LineNamedByNothing",
     {{"Nodes.Opcodes", "0000 0001 0002\n0001\n0002\n"}},
     {"INI/Nodes.Opcodes:3: warning: |no category names this line; it is never read"}},
    {"MissingCaptions",
     {{"TypeInfo.ini", "[Actions]\nCaption=Д\nShortCaption=Д\nOpcodes=1\n[Checks]\nOpcodes=2\n"},
      {"NodeInfo.ini", "[All]\nCaption=В\nOpcodes=1\n[First]\nOpcodes=2\n[Second]\nCaption=В\n"}},
     {"INI/TypeInfo.ini:5: warning: |type 'Checks' has no Caption: the type list shows 'ОТСУТСТВУЕТ В TYPEINFO.INI'",
      "INI/TypeInfo.ini:5: warning: |type 'Checks' has no ShortCaption",
      "INI/NodeInfo.ini:4: warning: |section 'First' has no Caption"}},
    {"ExpandedNotANumber",
     {{"NodeInfo.ini", "[All]\nCaption=В\nOpcodes=1\nExpanded=true\n[First]\nCaption=П\nOpcodes=2\n[Second]\nCaption=В\n"}},
     {"INI/NodeInfo.ini:4: warning: |Expanded 'true' is not a number (1 expands): the category starts collapsed"}},
    {"SectionNamedByNoCategory",
     {{"NodeInfo.ini", "[All]\nCaption=В\nOpcodes=1\n[First]\nCaption=П\nOpcodes=2\n[Second]\nCaption=В\n[Gone]\nCaption=x\n"}},
     {"INI/NodeInfo.ini:9: warning: |section 'Gone' is named by no line of Opcodes.tree"}},
    {"OddTreeLines",
     {{"Opcodes.tree", "\tAll\n\tFirst\n\n\tSecond\n"}, {"NodeInfo.ini", CleanDatabase().at("NodeInfo.ini").c_str()}},
     {"INI/Opcodes.tree:1: warning: |the first line is indented",
      "INI/Opcodes.tree:3: warning: |an empty line makes a category with an empty key"}},
    {"SitesFile",
     {{"Sites.ini", "; a comment\n[Wiki]\nCaption=Вики\nAddress=file:///etc/passwd\nColor=red\n"
                    "[iniEDITOR]\nAddress=http://ini.example/\n[Forum]\nAddress=https://forum.example\n"}},
     {"INI/Sites.ini:4: warning: |Address 'file:///etc/passwd' is not an http:// or https:// address: "
      "the look-up opens the built-in https://script-wiki.org instead",
      "INI/Sites.ini:5: warning: |key 'Color' is never read",
      "INI/Sites.ini:8: warning: |section 'Forum' is no look-up site (OpcodeBase, Wiki, IniEditor)"}},
    {"LinesTheIniReaderPassesOver",
     {{"NodeInfo.ini", kLongNote.c_str()}, {"TypeInfo.ini", "stray=1\n[Actions]\nCaption=Д\nShortCaption=Д\nOpcodes=1\n"
                                                             "[Checks]\nCaption=П\nShortCaption=П\nOpcodes 2\nOpcodes=2\n; a comment\n"}},
     {"INI/TypeInfo.ini:1: warning: |key 'stray' stands before any section; it is never read",
      "INI/TypeInfo.ini:9: warning: |line 'Opcodes 2' is neither a [section] nor a key=value line",
      "INI/NodeInfo.ini:8: warning: |the value of 'Note' is longer than 2047 characters and is cut there"}},
};

class CraftedFolder : public ::testing::TestWithParam<Case> {};

TEST_P(CraftedFolder, GivesExactlyTheExpectedFindings) {
    const Case& c = GetParam();
    CheckFolder folder;
    for (const auto& [name, text] : c.files) {
        if (text == nullptr) folder.Remove(name);
        else if (c.raw) folder.WriteBytes(name, text);
        else folder.Write(name, text);
    }
    const std::vector<std::string> findings = folder.Findings();
    ASSERT_EQ(findings.size(), c.expected.size()) << ::testing::PrintToString(findings);
    for (std::size_t i = 0; i < findings.size(); ++i) {
        const std::string& pattern = c.expected[i];
        const std::size_t bar = pattern.find('|');
        EXPECT_EQ(findings[i].rfind(pattern.substr(0, bar), 0), 0u) << findings[i];
        EXPECT_NE(findings[i].find(pattern.substr(bar + 1)), std::string::npos) << findings[i];
    }
    // Where the program's own loading stops, the report says so with an error.
    if (folder.StartUpStops()) {
        EXPECT_GT(folder.Report().Errors(), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(KlvCheck, CraftedFolder, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
