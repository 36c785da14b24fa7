// klv-check: crafted folders, each planting problems into a small clean database, give
// exactly the findings expected (file, line, severity, message); whole folders; the report.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>

#include "opcodes/cp1251.h"
#include "opcodes/database_files.h"
#include "opcodes/files/file_names.h"
#include "tests/support/start_up_load.h"
#include "tests/support/temp_dir.h"
#include "tools/klv-check/data_check.h"

namespace {

const std::map<std::string, std::string> kClean{
    {"SASCM.ini", "[INFO]\nVERSION=test\n\n[OPCODES]\n0000=0,nop\n0001=1,wait %1d% ms\n0002=-1,start %1p%\n"},
    {"SASCM_RUS.ini", "[OPCODES]\n0000=0,пусто\n0001=1,ждать %1d% мс\n0002=-1,запустить %1p%\n"},
    {"TypeInfo.ini", "[Actions]\nCaption=Действия\nShortCaption=Действ\nOpcodes=1\n\n"
                     "[Checks]\nCaption=Проверки\nShortCaption=Пров\nOpcodes=2\n"},
    {"Types.Opcodes", "0000 0001\n0002\n"},
    {"Opcodes.tree", "All\n\tFirst\n\tSecond\n"},
    {"NodeInfo.ini", "[All]\nCaption=Все опкоды\nOpcodes=1\nExpanded=1\n\n"
                     "[First]\nCaption=Первая\nNote=Заметка\nOpcodes=2\n\n[Second]\nCaption=Вторая\n"},
    {"Nodes.Opcodes", "0000 0001 0002\n0001\n"}};

// UTF-8 text with LF line ends as the data files hold it: Windows-1251, CR LF.
std::string DataText(std::string_view utf8) {
    std::string crlf;
    for (char ch : utf8) crlf += ch == '\n' ? std::string("\r\n") : std::string(1, ch);
    return Utf8ToCp1251(crlf);
}

struct Checked {
    CheckReport report;
    std::vector<std::string> findings;  // as klv-check prints them
    bool startUpStops;                  // whether the program's own loading stops
};

Checked Check(const TempDir& dir) {
    CurrentDirScope cd(dir.path());
    const DatabaseFiles files = DatabaseFiles::ForCurrentDir(CurrentDir());
    Checked checked{CheckDatabase(files), {}, StartUpLoadStops(files)};
    for (const Finding& f : checked.report.findings)
        checked.findings.push_back(FormatFinding(f, checked.report.fileNames[static_cast<std::size_t>(f.file)]));
    return checked;
}

void WriteClean(const TempDir& dir) {
    for (const auto& [name, text] : kClean) dir.Write("INI/" + name, DataText(text));
}

struct Case {
    // Files of INI/ replaced (UTF-8, LF line ends; raw bytes after a leading "=") or, as
    // "-", removed.
    std::vector<std::pair<std::string, std::string>> files;
    // "FILE:LINE: severity: |fragment": a finding starts with the part before "|" and
    // holds the part after it.
    std::vector<std::string> expected;
};

const Case kCases[] = {
    {{{"SASCM.ini", "[OPCODES]\n0000=0,nop\n0001=x1,wait\n0002=start\n1=1,a\n0AF1=1,b\nK001=0,c\n0000=2,again\n"}},
     {"INI/SASCM.ini:3: error: |opcode 0001 is not an integer ('x1' is not a valid integer value)",
      "INI/SASCM.ini:4: error: |('' is not a valid integer value); start-up stops here",
      "INI/SASCM.ini:5: warning: |key '1' has fewer than four digits and is never looked up (write 0001)",
      "INI/SASCM.ini:6: warning: |opcode '0AF1' is above 0AF0", "INI/SASCM.ini:7: warning: |key 'K001' is not a four",
      "INI/SASCM.ini:8: warning: |key '0000' repeats line 2 in section 'OPCODES': only the first one is read"}},
    {{{"Types.Opcodes", "-"}, {"Opcodes.tree", "-"}, {"NodeInfo.ini", "-"}, {"SASCM_RUS.ini", ""}},
     {"INI/SASCM_RUS.ini: warning: |the file is empty",
      "INI/Types.Opcodes: error: |file not found; type 'Actions' names line 1 of it, so start-up stops",
      "INI/Opcodes.tree: error: |file not found; start-up stops",
      "INI/NodeInfo.ini: warning: |file not found: every category shows '***НЕ_НАЙДЕНО***  (NodeInfo.ini)'"}},
    {{{"Types.Opcodes", "-"}, {"TypeInfo.ini", "[Actions]\nCaption=Д\nShortCaption=Д\n"}, {"Nodes.Opcodes", "-"},
      {"SASCM.ini", "[INFO]\nVERSION=1\n"}},
     {"INI/SASCM.ini: warning: |there is no [opcodes] section", "INI/Types.Opcodes: warning: |file not found",
      "INI/Nodes.Opcodes: error: |file not found; start-up stops here"}},
    {{{"Opcodes.tree", "\tAll\n\tFirst\n\n\t\t\tSecond \n\tThird\n"}},
     {"INI/Opcodes.tree:1: warning: |the first line is indented",
      "INI/Opcodes.tree:3: warning: |an empty line makes a category with an empty key",
      "INI/Opcodes.tree:4: error: |Invalid level (3) for item \"Second \"; start-up stops here",
      "INI/Opcodes.tree:4: warning: |'Second ' has no section in NodeInfo.ini (the key ends with blanks)",
      "INI/Opcodes.tree:5: warning: |category 'Third' has no section in NodeInfo.ini: it shows '***НЕ_НАЙДЕНО***",
      "INI/NodeInfo.ini:11: warning: |section 'Second' is named by no line of Opcodes.tree"}},
    {{{"Opcodes.tree", "All\n\tFirst\n\tSecond\n\tThird\n\tFourth\n"},
      {"NodeInfo.ini", "[All]\nCaption=В\nOpcodes=1\nExpanded=true\nNote=" + std::string(2048, 'x') +
                       "\n[First]\nOpcodes=0\n[Second]\nCaption=В\nOpcodes=7\n[Third]\nCaption=x\nOpcodes=abc\n"
                       "[Fourth]\nCaption=y\nOpcodes=3\n[Gone]\nCaption=x\n"},
      {"Nodes.Opcodes", "0000 0001 0002\n0001\n0G01,00x2 " + std::string(2800 * 5, '0') + "\n"}},
     {"INI/NodeInfo.ini:4: warning: |Expanded 'true' is not a number (1 expands): the category starts collapsed",
      "INI/NodeInfo.ini:5: warning: |the value of 'Note' is longer than 2047 characters and is cut there",
      "INI/NodeInfo.ini:6: warning: |section 'First' has no Caption",
      "INI/NodeInfo.ini:7: warning: |Opcodes 0 is below 1: the category 'First' reads line 1",
      "INI/NodeInfo.ini:10: warning: |Opcodes 7 is past the end of Nodes.Opcodes (3 lines): the category 'Second' "
      "lists opcode 0000 only", "INI/NodeInfo.ini:13: warning: |Opcodes 'abc' is not a line number",
      "INI/NodeInfo.ini:17: warning: |section 'Gone' is named by no line of Opcodes.tree",
      "INI/Nodes.Opcodes:2: warning: |no category names this line",
      "INI/Nodes.Opcodes:3: error: |column 1: '0G01' is not four hexadecimal digits; it is read as 0001 (2 such",
      "INI/Nodes.Opcodes:3: warning: |the line holds 2802 numbers; only the first 2800 are read"}},
    {{{"TypeInfo.ini", "stray=1\n[Actions]\nCaption=Д\nShortCaption=Д\nOpcodes=0\n[Checks]\nOpcodes 2\nOpcodes=2\n"
                       "[actions]\nCaption=x\n[Actions]\n"}},
     {"INI/TypeInfo.ini:1: warning: |key 'stray' stands before any section; it is never read",
      "INI/TypeInfo.ini:5: warning: |Opcodes 0 is below 1: the type 'Actions' reads line 1 of Types.Opcodes",
      "INI/TypeInfo.ini:6: warning: |type 'Checks' has no Caption: the type list shows 'ОТСУТСТВУЕТ В TYPEINFO.INI'",
      "INI/TypeInfo.ini:6: warning: |type 'Checks' has no ShortCaption",
      "INI/TypeInfo.ini:7: warning: |line 'Opcodes 2' is neither a [section] nor a key=value line",
      "INI/TypeInfo.ini:9: warning: |section 'actions' repeats line 2: only the first one is read",
      "INI/TypeInfo.ini:11: warning: |section 'Actions' repeats line 2"}},
    {{{"Nodes.Opcodes", "0000 0001 0002\n0001 0B00 0002 FFFF 0005\n\n"},
      {"NodeInfo.ini", "[All]\nCaption=В\nOpcodes=1\n[First]\nCaption=П\nOpcodes=2\n[Second]\nCaption=В\nOpcodes=3\n"},
      {"Types.Opcodes", "=0000 0001 02\r0002  \n\x1A" "0003\r\n"}},
     {"INI/Types.Opcodes:1: warning: |the line ends with CR alone, not CR LF",
      "INI/Types.Opcodes:1: error: |column 11: '02' is not four hexadecimal digits; it is read as 0002",
      "INI/Types.Opcodes:2: warning: |the line ends with LF alone, not CR LF",
      "INI/Types.Opcodes:2: error: |column 6: ' ' is not four hexadecimal digits; it is read as 0000",
      "INI/Types.Opcodes:3: warning: |a byte 1A ends the file here: what follows it is never read",
      "INI/Nodes.Opcodes:2: warning: |numbers above 0AF0 are left out: 0B00, FFFF (2 numbers in all)",
      "INI/Nodes.Opcodes:2: warning: |opcodes that SASCM.ini does not define show \"???\": 0005",
      "INI/Nodes.Opcodes:3: warning: |the line is empty: it is read as the single opcode 0000"}},
    {{{"SASCM.ini", "[OPCODES]\n0000=0,a\n0001=1,b\n0002=-1,c\n0003=0,d\n"}, {"Nodes.Opcodes", "=0000 0001 0002\n0001\n"}},
     {"INI/SASCM.ini:5: warning: |opcode 0003 has no translation in SASCM_RUS.ini",
      "INI/SASCM.ini:5: warning: |opcode 0003 is listed by no type", "INI/SASCM.ini:5: warning: |opcode 0003 is listed by no category",
      "INI/Nodes.Opcodes:1: warning: |the line ends with LF alone, not CR LF (2 lines in all)"}},
    {{{"Sites.ini", "; a comment\n[Wiki]\nCaption=Вики\nAddress=file:///etc/passwd\nColor=red\n"
                    "[iniEDITOR]\nAddress=http://ini.example/\n[Forum]\nAddress=https://forum.example\n"}},
     {"INI/Sites.ini:4: warning: |Address 'file:///etc/passwd' is not an http:// or https:// address: "
      "the look-up opens the built-in https://script-wiki.org instead",
      "INI/Sites.ini:5: warning: |key 'Color' is never read",
      "INI/Sites.ini:8: warning: |section 'Forum' is no look-up site (OpcodeBase, Wiki, IniEditor)"}},
};

TEST(KlvCheck, CraftedFoldersGiveExactlyTheExpectedFindings) {
    for (const Case& c : kCases) {
        TempDir dir;
        WriteClean(dir);
        for (const auto& [name, text] : c.files) {
            if (text == "-") std::filesystem::remove(dir.path() / "INI" / name);
            else dir.Write("INI/" + name, text.starts_with("=") ? text.substr(1) : DataText(text));
        }
        const Checked checked = Check(dir);
        SCOPED_TRACE(::testing::PrintToString(checked.findings));
        ASSERT_EQ(checked.findings.size(), c.expected.size());
        for (std::size_t i = 0; i < checked.findings.size(); ++i) {
            const std::size_t bar = c.expected[i].find('|');
            EXPECT_TRUE(checked.findings[i].starts_with(c.expected[i].substr(0, bar))) << checked.findings[i];
            EXPECT_NE(checked.findings[i].find(c.expected[i].substr(bar + 1)), std::string::npos) << checked.findings[i];
        }
        // Where the program's own loading stops, the report says so with an error.
        EXPECT_TRUE(!checked.startUpStops || checked.report.Errors() > 0);
    }
}

TEST(KlvCheck, WholeFolders) {
    TempDir dir;
    WriteClean(dir);
    // The crafted folder is clean, and so is the shipped sample.
    dir.Write("INI/Nodes.Opcodes", DataText(kClean.at("Nodes.Opcodes")) + "\x1A");
    EXPECT_EQ(::testing::PrintToString(Check(dir).findings), "{}");
    {
        CurrentDirScope cd(KELPRA_SAMPLE_DIR);
        EXPECT_EQ(::testing::PrintToString(CheckDatabase(DatabaseFiles::ForCurrentDir(CurrentDir())).findings), "{}");
    }
    // Types past the limit of 256, told once; files named as found on disk; extreme lines.
    std::string typeInfo = "[T0]\nCaption=c\nShortCaption=s\nOpcodes=1\n[T1]\nCaption=c\nShortCaption=s\nOpcodes=2\n";
    for (int t = 2; t < 260; ++t) typeInfo += "[T" + std::to_string(t) + "]\nCaption=c\nShortCaption=s\n";
    dir.Write("INI/TypeInfo.ini", DataText(typeInfo));
    std::filesystem::rename(dir.path() / "INI/NodeInfo.ini", dir.path() / "INI/nodeinfo.INI");
    dir.Write("INI/nodeinfo.INI", DataText("[All]\nCaption=a\nOpcodes=1\n[First]\nCaption=b\nOpcodes=2147483647\n"
                                           "[Second]\nCaption=c\nOpcodes=-2147483648\n"));
    std::string heads;  // each finding's first 62 characters
    for (const std::string& finding : Check(dir).findings) heads += finding.substr(0, 62) + "|";
    EXPECT_EQ(heads, "INI/TypeInfo.ini:771: warning: type 'T256' is type number 257 |"
                     "INI/nodeinfo.INI:6: warning: Opcodes 2147483647 is past the en|"
                     "INI/nodeinfo.INI:9: warning: Opcodes -2147483648 is below 1: t|"
                     "INI/Nodes.Opcodes:2: warning: no category names this line; it |");
    // Folders in place of the files: each reported, and the folder cannot load.
    for (const auto& [name, text] : kClean) {
        std::filesystem::remove_all(dir.path() / "INI");
        std::filesystem::create_directories(dir.path() / "INI" / name);
    }
    const Checked folders = Check(dir);
    EXPECT_EQ(folders.findings.size(), 7u);
    EXPECT_EQ(folders.report.ExitStatus(), 2);
}

// Random bytes drawn mostly from the characters that the formats give a meaning to end
// in findings, never a crash, with an error wherever the program's load stops.
TEST(KlvCheck, GarbageFilesEndInFindings) {
    std::mt19937 rng(2024);
    const std::string alphabet = "[]=;, \t\r\n\r\n0123456789ABCDEFabcx-\x1A\xC0\xFF";
    int stopped = 0;
    for (int round = 0; round < 25; ++round) {
        TempDir dir;
        for (const auto& [name, text] : kClean) {
            std::string bytes(rng() % 3000, '\0');
            for (char& ch : bytes) ch = rng() % 8 == 0 ? static_cast<char>(rng()) : alphabet[rng() % alphabet.size()];
            dir.Write("INI/" + name, bytes);
        }
        const Checked checked = Check(dir);
        EXPECT_FALSE(checked.findings.empty()) << round;
        EXPECT_TRUE(!checked.startUpStops || checked.report.Errors() > 0) << round;
        stopped += checked.startUpStops;
        for (const std::string& line : checked.findings)
            EXPECT_TRUE(std::all_of(line.begin(), line.end(), [](char ch) { return static_cast<unsigned char>(ch) >= 0x20; })) << line;
    }
    EXPECT_GT(stopped, 0);  // the garbage did reach the start-up's errors
}

TEST(KlvCheck, ReportSummaryAndQuotes) {
    CheckReport report;
    report.fileNames[0] = "INI/SASCM.ini";
    std::string summary = FormatSummary(report) + std::to_string(report.ExitStatus());
    report.Warn(DataFile::NodeLines, 3, "w");
    summary += "|" + FormatSummary(report) + std::to_string(report.ExitStatus());
    report.Fail(DataFile::Opcodes, 0, "e");
    report.Warn(DataFile::Opcodes, 2, "w2");
    summary += "|" + FormatSummary(report) + std::to_string(report.ExitStatus());
    EXPECT_EQ(summary, "no problems found0|0 errors, 1 warning1|1 error, 2 warnings2");
    report.Sort();
    EXPECT_EQ(FormatFinding(report.findings[0], "F") + "|" + FormatFinding(report.findings[1], "F"), "F: error: e|F:2: warning: w2");
    EXPECT_EQ(report.findings[2].file, DataFile::NodeLines);
    EXPECT_EQ(Quote(Utf8ToCp1251("Все")) + Quote(std::string("a\tb\x01\x98", 5)), "'Все''a\\x09b\\x01\\x98'");
    EXPECT_EQ(Quote(std::string(61, 'x')), "'" + std::string(60, 'x') + "...'");
}

}  // namespace
