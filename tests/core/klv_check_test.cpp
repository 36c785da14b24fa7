// klv-check: crafted folders, each planting problems into a small clean database, give
// exactly the findings expected (file, line, severity, message); whole folders; the report.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "opcodes/cp1251.h"
#include "opcodes/files/file_names.h"
#include "opcodes/ini_file.h"
#include "tests/support/start_up_load.h"
#include "tests/support/temp_dir.h"
#include "tools/klv-check/data_check.h"

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

// The report, its findings as klv-check prints them, and whether the program's own loading stops.
struct Checked {
    CheckReport report;
    std::vector<std::string> findings;
    bool startUpStops;
};

// In `dir` or, given as the folder to check, its INI folder; a folder that cannot be checked
// gives the one line that says why.
Checked Check(const TempDir& dir, bool insideIni) {
    CurrentDirScope cd(insideIni ? dir.path() / "INI" : dir.path());
    const DatabaseFiles files = DatabaseFiles::ForCurrentDir(CurrentDir());
    Checked checked{CheckDatabase(files), {}, StartUpLoadStops(files)};
    if (const std::string problem = MisplacedFolder(insideIni ? "INI" : ""); !problem.empty())
        return {{}, {problem}, false};
    for (const Finding& f : checked.report.findings)
        checked.findings.push_back(FormatFinding(f, checked.report.fileNames[static_cast<std::size_t>(f.file)]));
    return checked;
}

// ASCII text as UTF-16, little-endian.
std::string Utf16Le(std::string_view ascii) {
    std::string wide;
    for (char ch : ascii) wide += std::string{ch, '\0'};
    return wide;
}

// Files of INI/ replaced (UTF-8, LF line ends; raw bytes after a leading "=") or, as "-",
// removed, or "/" made a folder, or "." for INI/ given as the folder; and the start of each
// finding, in order, "|" between them.
struct Case {
    std::vector<std::pair<std::string, std::string>> files;
    std::string expected;
};

const Case kCases[] = {
    {{{"SASCM.ini", "[OPCODES]\n0000=0,nop\n0001=x1,wait\n0002=start\n1=1,a\n0AF1=1,b\nK001=0,c\n0000=2,again\n"}},
     "SASCM.ini:3: error: the parameter count of opcode 0001 is not an integer ('x1' is not a valid integer value)"
     "|SASCM.ini:4: error: the parameter count of opcode 0002 is not an integer ('' is not a valid integer value)"
     "|SASCM.ini:5: warning: key '1' has fewer than four digits|SASCM.ini:6: warning: opcode '0AF1' is above 0AF0"
     "|SASCM.ini:7: warning: key 'K001' is not a four-digit|SASCM.ini:8: warning: key '0000' repeats line 2"},
    {{{"Types.Opcodes", "-"}, {"Opcodes.tree", "-"}, {"NodeInfo.ini", "-"}, {"SASCM_RUS.ini", ""}},
     "SASCM_RUS.ini: warning: the file is empty|Types.Opcodes: error: file not found; type 'Actions' names line 1"
     "|Opcodes.tree: error: file not found|NodeInfo.ini: warning: file not found: every category shows '***НЕ_"},
    {{{"Types.Opcodes", "-"}, {"TypeInfo.ini", "[Actions]\nCaption=Д\nShortCaption=Д\n"}, {"Nodes.Opcodes", "-"},
      {"SASCM.ini", "[INFO]\nVERSION=1\n"}},
     "SASCM.ini: warning: there is no [opcodes] section|Types.Opcodes: warning: file not found"
     "|Nodes.Opcodes: error: file not found"},
    {{{"Opcodes.tree", "\tAll\n\tFirst\n\n\t\t\tSecond \n\tThird\n"}},
     "Opcodes.tree:1: warning: the first line is indented|Opcodes.tree:3: warning: an empty line makes a category"
     "|Opcodes.tree:4: error: Invalid level (3) for item \"Second \"; start-up stops here"
     "|Opcodes.tree:4: warning: category 'Second ' has no section in NodeInfo.ini (the key ends with blanks)"
     "|Opcodes.tree:5: warning: category 'Third' has no section|NodeInfo.ini:11: warning: section 'Second' is named by no"},
    {{{"Opcodes.tree", "All\n\tFirst\n\tSecond\n\tThird\n\tFourth\n"},
      {"NodeInfo.ini", "[All]\nCaption=В\nOpcodes=1\nExpanded=true\nNote=" + std::string(2048, 'x') +
                       "\n[First]\nOpcodes=0\n[Second]\nCaption=В\nOpcodes=7\n[Third]\nCaption=x\nOpcodes=abc\n"
                       "[Fourth]\nCaption=y\nOpcodes=3\n[Gone]\nCaption=x\n"},
      {"Nodes.Opcodes", "0000 0001 0002\n0001\n0G01,00x2 " + std::string(2800 * 5, '0') + "\n"}},
     "NodeInfo.ini:4: warning: Expanded 'true' is not a number|NodeInfo.ini:5: warning: the value of 'Note' is longer"
     "|NodeInfo.ini:6: warning: section 'First' has no Caption|NodeInfo.ini:7: warning: Opcodes 0 is below 1"
     "|NodeInfo.ini:10: warning: Opcodes 7 is past the end of Nodes.Opcodes (3 lines): the category 'Second' lists "
     "opcode 0000 only|NodeInfo.ini:13: warning: Opcodes 'abc' is not a line number"
     "|NodeInfo.ini:17: warning: section 'Gone' is named by no line|Nodes.Opcodes:2: warning: no category names this"
     "|Nodes.Opcodes:3: error: numbers that are not four hexadecimal digits: '0G01' (column 1) read as 0001, "
     "'00x2' (column 6) read as 0002"
     "|Nodes.Opcodes:3: warning: the line holds 2802 numbers; only the first 2800 are read"},
    {{{"TypeInfo.ini", "stray=1\n[Actions]\nCaption=Д\nShortCaption=Д\nOpcodes=0\n[Checks]\nOpcodes 2\nOpcodes=2\n"
                       "[actions]\nCaption=x\n[Actions]\n"}},
     "TypeInfo.ini:1: warning: key 'stray' stands before any section|TypeInfo.ini:5: warning: Opcodes 0 is below 1"
     "|TypeInfo.ini:6: warning: type 'Checks' has no Caption|TypeInfo.ini:6: warning: type 'Checks' has no ShortCaption"
     "|TypeInfo.ini:7: warning: line 'Opcodes 2' is neither|TypeInfo.ini:9: warning: section 'actions' repeats line 2"
     "|TypeInfo.ini:11: warning: section 'Actions' repeats line 2"},
    {{{"Nodes.Opcodes", "0000 0001 0002\n0001 0B00 0002 FFFF 0005\n\n"},
      {"NodeInfo.ini", "[All]\nCaption=В\nOpcodes=1\n[First]\nCaption=П\nOpcodes=2\n[Second]\nCaption=В\nOpcodes=3\n"},
      {"Types.Opcodes", "=0000 0001 02\r0002  \n\x1A" "0003\r\n"}},
     "Types.Opcodes:1: warning: the line ends with CR alone|Types.Opcodes:1: error: a number that is not four "
     "hexadecimal digits: '02' (column 11)|Types.Opcodes:2: warning: the line ends with LF alone"
     "|Types.Opcodes:2: error: a number that is not four hexadecimal digits: ' ' (column 6)"
     "|Types.Opcodes:3: warning: a byte 1A ends the file here"
     "|Nodes.Opcodes:2: warning: numbers above 0AF0 are left out: 0B00, FFFF"
     "|Nodes.Opcodes:2: warning: opcodes that SASCM.ini does not define show \"???\": 0005"
     "|Nodes.Opcodes:3: warning: the line is empty"},
    {{{"SASCM.ini", "[OPCODES]\n0000=0,a\n0001=1,b\n0002=-1,c\n0003=0,d\n0004=0,e\n"},
      {"Nodes.Opcodes", "=0000 0001 0002\n0001\n"}},
     "SASCM.ini:5: warning: opcode 0003 has no translation|SASCM.ini:5: warning: opcodes 0003, 0004 are listed by no "
     "type|SASCM.ini:5: warning: opcodes 0003, 0004 are listed by no category|SASCM.ini:6: warning: opcode 0004 has no"
     "|Nodes.Opcodes:1: warning: the line ends with LF alone, not CR LF (2 lines in all)"},
    {{{"Nodes.Opcodes", "=" + DataText(kClean.at("Nodes.Opcodes")) + "\x1A"}}, ""},  // clean
    // Folders in place of all seven files: seven findings; the tree cannot be loaded.
    {{{"SASCM.ini", "/"}, {"SASCM_RUS.ini", "/"}, {"TypeInfo.ini", "/"}, {"Types.Opcodes", "/"}, {"Opcodes.tree", "/"},
      {"NodeInfo.ini", "/"}, {"Nodes.Opcodes", "/"}},
     "||||Opcodes.tree: error: cannot be read (Is a directory)||"},
    // Types past the limit of 256, told once; files named as found on disk; extreme lines.
    {{{"TypeInfo.ini", [] {
          std::string text = "[T0]\nCaption=c\nShortCaption=s\nOpcodes=1\n[T1]\nCaption=c\nShortCaption=s\nOpcodes=2\n";
          for (int t = 2; t < 260; ++t) text += "[T" + std::to_string(t) + "]\nCaption=c\nShortCaption=s\n";
          return text;
      }()}, {"NodeInfo.ini", "-"}, {"nodeinfo.INI", "[All]\nCaption=a\nOpcodes=1\n[First]\nCaption=b\n"
                                                    "Opcodes=2147483647\n[Second]\nCaption=c\nOpcodes=-2147483648\n"}},
     "TypeInfo.ini:771: warning: type 'T256' is type number 257 of 260|nodeinfo.INI:6: warning: Opcodes 2147483647 is "
     "past the end|nodeinfo.INI:9: warning: Opcodes -2147483648 is below 1|Nodes.Opcodes:2: warning: no category"},
    {{{"Sites.ini", "; a comment\n[Wiki]\nCaption=Вики\nAddress=file:///etc/passwd\nColor=red\n"
                    "[iniEDITOR]\nAddress=http://ini.example/\n[Forum]\nAddress=https://forum.example\n"
                    "[OpcodeBase]\nCaption=" + std::string(kIniMaxValueLength, 'c') +
                    "\nAddress=https://" + std::string(kIniMaxValueLength - 7, 'a') + "\n"}},
     "Sites.ini:4: warning: Address 'file:///etc/passwd' is not an http:// or https:// address: the look-up opens "
     "the built-in https://script-wiki.org|Sites.ini:5: warning: key 'Color' is never read"
     "|Sites.ini:8: warning: section 'Forum' is no look-up site|Sites.ini:12: warning: the value of 'Address' is "
     "longer than 2047 characters"},
    // One cause, one finding: a byte 1A hides a line; a line number that is no number.
    {{{"Types.Opcodes", "=0000 0001\r\n\x1A" "0002\r\n"},
      {"TypeInfo.ini", "[A]\nCaption=Д\nShortCaption=Д\nOpcodes=1\n[B]\nCaption=П\nShortCaption=П\nOpcodes=2\n"
                       "[C]\nCaption=К\nShortCaption=К\nOpcodes=9\n"}},
     "TypeInfo.ini:12: warning: Opcodes 9 is past the end of Types.Opcodes (1 line)|Types.Opcodes:2: warning: a byte "
     "1A ends the file here: what follows it is never read; the lines it hides are named by 'B', which list opcode "
     "0000 only; opcode 0002 is listed by no type"},
    {{{"TypeInfo.ini", "[Actions]\nCaption=Д\nShortCaption=Д\nOpcodes=1\n[Checks]\nCaption=П\nShortCaption=П\n"
                       "Opcodes=4294967297\n"}},
     "TypeInfo.ini:8: warning: Opcodes '4294967297' is not a line number|Types.Opcodes:2: warning: no type names this "
     "line; it is never read; opcode 0002 is listed by no type"},
    // Encodings, guessed from real text: UTF-8 and Windows-1251 side by side, marks, UTF-16.
    {{{"SASCM_RUS.ini", "=" + std::string(kClean.at("SASCM_RUS.ini")) + "0003=0,ещё «ёлка» — №5…\n"},
      {"NodeInfo.ini", kClean.at("NodeInfo.ini") + "Note=Ещё «ёлка» — №5… ПЛАТЁЖ»\n"},
      {"TypeInfo.ini", "яю=\n[Actions]\nCaption=её»\nShortCaption=Сё\nOpcodes=1\n[Checks]\nCaption=П\nShortCaption=П\nOpcodes=2\n"},
      {"Sites.ini", "=\xEF\xBB\xBF[Wiki]\r\nCaption=Wiki\r\n[OpcodeBase]\r\nCaption=\r\n"}},
     "SASCM_RUS.ini: error: the file is UTF-8 text, but KLV reads Windows-1251: every Russian text shows garbled; "
     "convert it with iconv -f UTF-8 -t CP1251|TypeInfo.ini:1: warning: key 'яю' stands before|Sites.ini: warning: the "
     "file begins with a UTF-8 byte-order mark, which KLV reads as part of line 1 ('п»ї'): it hides section 'Wiki' "
     "and its keys; remove it with sed|Sites.ini:4: warning: Caption is empty: the menu shows the built-in name "
     "'OpcodeBase'"},
    {{{"TypeInfo.ini", "=" + Utf16Le("[Actions]\r\nCaption=A\r\nShortCaption=A\r\nOpcodes=1\r\n")},
      {"Types.Opcodes", "=\xFF\xFE" + Utf16Le("0000 0001\r\n0002\r\n")},
      {"NodeInfo.ini", "=\xEF\xBB\xBF" + std::string(kClean.at("NodeInfo.ini"))}},
     "TypeInfo.ini: error: the file is UTF-16 text (NUL bytes), but KLV reads Windows-1251 and reads none of it as "
     "written (what follows from that is left out here); convert it with iconv -f UTF-16LE -t CP1251|Types.Opcodes: "
     "error: the file is UTF-16 text (byte-order mark)|Opcodes.tree:1: warning: category 'All' has no section|NodeInfo"
     ".ini: error: the file is UTF-8 text with a byte-order mark, but KLV reads Windows-1251: the category names and "
     "notes show garbled, and the mark hides section 'All' and its keys; convert it with sed '1s/^\\xEF\\xBB\\xBF//'"
     "|Nodes.Opcodes:1: warning: no category names this line"},
    {{{"Types.Opcodes", "=\xEF\xBB\xBF" "0001 0002\r\n0000\r\n"},
      {"Nodes.Opcodes", "=\xFF\xFE" + Utf16Le("0000 0001 0002\r\n0001\r\n")}},
     "Types.Opcodes: warning: the file begins with a UTF-8 byte-order mark|Types.Opcodes:1: warning: the byte-order "
     "mark shifts the numbers of this line; opcode 0001 is listed by no type|Types.Opcodes:1: error: numbers that are"
     "|Types.Opcodes:1: warning: opcodes that SASCM.ini does not define show \"???\": 0100|Nodes.Opcodes: error: "
     "the file is UTF-16 text (byte-order mark)"},
    // The INI folder given for the folder that holds it.
    {{{".", ""}}, "INI holds no INI folder: it is the INI folder itself; give its parent, ."},
};

TEST(KlvCheck, CraftedFoldersGiveExactlyTheExpectedFindings) {
    for (const Case& c : kCases) {
        TempDir dir;
        for (const auto& [name, text] : kClean) dir.Write("INI/" + name, DataText(text));
        for (const auto& [name, text] : c.files) {
            if (name == ".") continue;
            std::filesystem::remove(dir.path() / "INI" / name);
            if (text == "/") std::filesystem::create_directory(dir.path() / "INI" / name);
            else if (text != "-") dir.Write("INI/" + name, text.starts_with("=") ? text.substr(1) : DataText(text));
        }
        const Checked checked = Check(dir, std::ranges::count(c.files, std::pair<std::string, std::string>(".", "")));
        std::string findings;  // each cut to the length of the expected one
        for (std::size_t i = 0, at = 0, end; i < checked.findings.size(); ++i, at = end + 1) {
            end = std::min(c.expected.find('|', at), c.expected.size());
            const std::string& f = checked.findings[i];
            findings += (i ? "|" : "") + f.substr(f.starts_with("INI/") ? 4 : 0, end - at);
        }
        EXPECT_EQ(findings, c.expected) << ::testing::PrintToString(checked.findings);
        // Where the program's own loading stops, the report says so with an error.
        EXPECT_TRUE(!checked.startUpStops || checked.report.Errors() > 0);
    }
}

TEST(KlvCheck, ReportSummaryAndQuotes) {
    CheckReport report;
    std::string summary = FormatSummary(report) + std::to_string(report.ExitStatus());
    report.Warn(DataFile::NodeLines, 3, "w");
    summary += "|" + FormatSummary(report) + std::to_string(report.ExitStatus());
    report.Fail(DataFile::Opcodes, 0, "e");
    report.Warn(DataFile::Opcodes, 2, "w2");
    summary += "|" + FormatSummary(report) + std::to_string(report.ExitStatus());
    EXPECT_EQ(summary, "no problems found0|0 errors, 1 warning1|1 error, 2 warnings2");
    EXPECT_EQ(Quote(Utf8ToCp1251("Все")) + Quote(std::string("a\tb\x01\x98", 5)), "'Все''a\\x09b\\x01\\x98'");
    EXPECT_EQ(Quote(std::string(61, 'x')), "'" + std::string(60, 'x') + "...'");
}

