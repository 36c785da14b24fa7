// klv-check: crafted folders, each planting problems into a small clean database, give
// exactly the findings expected (file, line, severity, message); whole folders; the report.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <random>
#include <set>

#include "opcodes/cp1251.h"
#include "opcodes/files/file_names.h"
#include "opcodes/ini_file.h"
#include "tests/support/start_up_load.h"
#include "tests/support/temp_dir.h"
#include "tools/klv-check/data_check.h"

const std::map<std::string, std::string> kClean{
    {"SASCM.ini",
     "[INFO]\nVERSION=test\n\n[OPCODES]\n0000=0,nop\n0001=1,wait %1d% ms\n0002=-1,start %1p%\n"},
    {"SASCM_RUS.ini", "[OPCODES]\n0000=0,пусто\n0001=1,ждать %1d% мс\n0002=-1,запустить %1p%\n"},
    {"TypeInfo.ini", "[Actions]\nCaption=Действия\nShortCaption=Действ\nOpcodes=1\n\n"
                     "[Checks]\nCaption=Проверки\nShortCaption=Пров\nOpcodes=2\n"},
    {"Types.Opcodes", "0000 0001\n0002\n"},
    {"Opcodes.tree", "All\n\tFirst\n\tSecond\n"},
    {"NodeInfo.ini",
     "[All]\nCaption=Все опкоды\nOpcodes=1\nExpanded=1\n\n"
     "[First]\nCaption=Первая\nNote=Заметка\nOpcodes=2\n\n[Second]\nCaption=Вторая\n"},
    {"Nodes.Opcodes", "0000 0001 0002\n0001\n"}};

// UTF-8 text with LF line ends as the data files hold it: Windows-1251, CR LF.
std::string DataText(std::string_view utf8) {
    std::string crlf;
    for (char ch : utf8)
        crlf += ch == '\n' ? std::string("\r\n") : std::string(1, ch);
    return Utf8ToCp1251(crlf);
}

// The report, its findings as klv-check prints them, its exit status and whether the
// program's own loading stops.
struct Checked {
    CheckReport report;
    std::vector<std::string> findings;
    int status;
    bool startUpStops;
};

// In `dir` or, given as the folder to check, its INI folder; a folder that cannot be checked
// gives the one line that says why.
Checked Check(const TempDir& dir, bool insideIni) {
    CurrentDirScope cd(insideIni ? dir.path() / "INI" : dir.path());
    const DatabaseFiles files = DatabaseFiles::ForCurrentDir(CurrentDir());
    Checked checked{CheckDatabase(files), {}, 0, StartUpLoadStops(files)};
    checked.status = checked.report.ExitStatus();
    if (const std::string problem = MisplacedFolder(insideIni ? "INI" : ""); !problem.empty())
        return {{}, {problem}, kExitNotChecked, false};
    for (const Finding& f : checked.report.findings)
        checked.findings.push_back(
            FormatFinding(f, checked.report.fileNames[static_cast<std::size_t>(f.file)]));
    return checked;
}

bool Has(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

// ASCII text as UTF-16, little-endian (other bytes as the characters U+0080 to U+00FF).
std::string Utf16Le(std::string_view ascii) {
    std::string wide;
    for (char ch : ascii)
        wide += std::string{ch, '\0'};
    return wide;
}

// Files of INI/ replaced (UTF-8, LF line ends; raw bytes after a leading "=") or, as "-",
// removed, or "/" made a folder, or "." for INI/ given as the folder; the start of each
// finding, in order, "|" between them; the exit status.
struct Case {
    const char* name;
    std::vector<std::pair<std::string, std::string>> files;
    std::string expected;
    int status;
};

const Case kCases[] = {
    {"opcode keys and counts",
     {{"SASCM.ini", "[OPCODES]\n0000=0,nop\n0001=x1,wait\n0002=start\n1=1,a\n0AF1=1,b\nK001=0,"
                    "c\n0000=2,again\n"}},
     "SASCM.ini:3: error: the parameter count of opcode 0001 is"
     "|SASCM.ini:4: error: the parameter count of opcode 0002 is"
     "|SASCM.ini:5: warning: key '1' has fewer than four digits"
     "|SASCM.ini:6: warning: opcode '0AF1' is above 0AF0 and is"
     "|SASCM.ini:7: warning: key 'K001' is not a four-digit"
     "|SASCM.ini:8: warning: key '0000' repeats line 2 in section",
     3},
    {"files missing or empty",
     {{"Types.Opcodes", "-"}, {"Opcodes.tree", "-"}, {"NodeInfo.ini", "-"}, {"SASCM_RUS.ini", ""}},
     "SASCM_RUS.ini: warning: the file is empty"
     "|Types.Opcodes: error: file not found; type 'Actions' names"
     "|Opcodes.tree: error: file not found; start-up stops here"
     "|NodeInfo.ini: warning: file not found: every category shows",
     3},
    {"line files missing",
     {{"Types.Opcodes", "-"},
      {"TypeInfo.ini", "[Actions]\nCaption=Д\nShortCaption=Д\n"},
      {"Nodes.Opcodes", "-"},
      {"SASCM.ini", "[INFO]\nVERSION=1\n"}},
     "SASCM.ini: warning: there is no [opcodes] section: every"
     "|Types.Opcodes: warning: file not found: no type lists any"
     "|Nodes.Opcodes: error: file not found; start-up stops here,",
     3},
    {"tree levels and keys",
     {{"Opcodes.tree", "\tAll\n\tFirst\n\n\t\t\tSecond \n\tThird\n"}},
     "Opcodes.tree:4: error: Invalid level (3) for item \"Second"
     "|Opcodes.tree:1: warning: the first line is indented, but it"
     "|Opcodes.tree:3: warning: an empty line makes a category"
     "|Opcodes.tree:4: warning: category 'Second ' has no section"
     "|Opcodes.tree:5: warning: category 'Third' has no section in"
     "|NodeInfo.ini:11: warning: section 'Second' is named by no",
     3},
    {"category sections and lines",
     {{"Opcodes.tree", "All\n\tFirst\n\tSecond\n\tThird\n\tFourth\n"},
      {"NodeInfo.ini",
       "[All]\nCaption=В\nOpcodes=1\nExpanded=true\nNote=" + std::string(2048, 'x') +
           "\n[First]\nOpcodes=0\n[Second]\nCaption=В\nOpcodes=7\n[Third]\nCaption=x\nOpcodes=abc\n"
           "[Fourth]\nCaption=y\nOpcodes=3\n[Gone]\nCaption=x\n"},
      {"Nodes.Opcodes", "0000 0001 0002\n0001\n0G01,00x2 " + std::string(2800 * 5, '0') + "\n"}},
     "Nodes.Opcodes:3: error: numbers that are not four"
     "|NodeInfo.ini:4: warning: Expanded 'true' is not a number (1"
     "|NodeInfo.ini:5: warning: the value of 'Note' is longer than"
     "|NodeInfo.ini:6: warning: section 'First' has no Caption:"
     "|NodeInfo.ini:7: warning: Opcodes 0 is below 1: the category"
     "|NodeInfo.ini:10: warning: Opcodes 7 is past the end of"
     "|NodeInfo.ini:13: warning: Opcodes 'abc' is not a line"
     "|NodeInfo.ini:17: warning: section 'Gone' is named by no"
     "|Nodes.Opcodes:2: warning: no category names this line; it"
     "|Nodes.Opcodes:3: warning: the line holds 2802 numbers; only",
     2},
    {"type sections",
     {{"TypeInfo.ini",
       "stray=1\n[Actions]\nCaption=Д\nShortCaption=Д\nOpcodes=0\n[Checks]\nOpcodes 2\nOpcodes=2\n"
       "[actions]\nCaption=x\n[Actions]\n"}},
     "TypeInfo.ini:1: warning: key 'stray' stands before any"
     "|TypeInfo.ini:5: warning: Opcodes 0 is below 1: the type"
     "|TypeInfo.ini:6: warning: type 'Checks' has no Caption: the"
     "|TypeInfo.ini:6: warning: type 'Checks' has no ShortCaption:"
     "|TypeInfo.ini:7: warning: line 'Opcodes 2' is neither a"
     "|TypeInfo.ini:9: warning: section 'actions' repeats line 2:"
     "|TypeInfo.ini:11: warning: section 'Actions' repeats line 2:",
     1},
    {"line file numbers and ends",
     {{"Nodes.Opcodes", "0000 0001 0002\n0001 0B00 0002 FFFF 0005\n\n"},
      {"NodeInfo.ini",
       "[All]\nCaption=В\nOpcodes=1\n[First]\nCaption=П\nOpcodes=2\n[Second]\nCaption=В\nOpcodes=3\n"},
      {"Types.Opcodes", "=0000 0001 02\r0002  \n\x1A"
                        "0003\r\n"}},
     "Types.Opcodes:1: error: a number that is not four"
     "|Types.Opcodes:2: error: a number that is not four"
     "|Types.Opcodes:1: warning: the line ends with CR alone, not"
     "|Types.Opcodes:2: warning: the line ends with LF alone, not"
     "|Types.Opcodes:3: warning: a byte 1A ends the file here:"
     "|Nodes.Opcodes:2: warning: numbers above 0AF0 are left out:"
     "|Nodes.Opcodes:2: warning: opcodes that SASCM.ini does not"
     "|Nodes.Opcodes:3: warning: the line is empty: it is read as",
     2},
    {"opcodes listed nowhere",
     {{"SASCM.ini", "[OPCODES]\n0000=0,a\n0001=1,b\n0002=-1,c\n0003=0,d\n0004=0,e\n"},
      {"Nodes.Opcodes", "=0000 0001 0002\n0001\n"}},
     "SASCM.ini:5: warning: opcode 0003 has no translation in|SASCM.ini:5: warning: opcodes 0003, 0004 are listed by no|SASCM.ini:5: warning: opcodes 0003, 0004 are listed by no|SASCM.ini:6: warning: opcode 0004 has no translation in|Nodes.Opcodes:1: warning: the line ends with LF alone, not",
     1},
    {"clean with a final 1A byte",
     {{"Nodes.Opcodes", "=" + DataText(kClean.at("Nodes.Opcodes")) + "\x1A"}},
     "",
     0}, // clean
    // Folders in place of all seven files: seven findings; the tree cannot be loaded.
    {"folders in place of files",
     {{"SASCM.ini", "/"},
      {"SASCM_RUS.ini", "/"},
      {"TypeInfo.ini", "/"},
      {"Types.Opcodes", "/"},
      {"Opcodes.tree", "/"},
      {"NodeInfo.ini", "/"},
      {"Nodes.Opcodes", "/"}},
     "SASCM.ini: warning: cannot be read (Is a directory): every"
     "|SASCM_RUS.ini: warning: cannot be read (Is a directory): no"
     "|TypeInfo.ini: warning: cannot be read (Is a directory):"
     "|Types.Opcodes: warning: cannot be read (Is a directory): no"
     "|Opcodes.tree: error: cannot be read (Is a directory);"
     "|NodeInfo.ini: warning: cannot be read (Is a directory):"
     "|Nodes.Opcodes: warning: cannot be read (Is a directory): no",
     3},
    // Types past the limit of 256, told once; files named as found on disk; extreme lines.
    {"more than 256 types",
     {{"TypeInfo.ini",
       [] {
           std::string text = "[T0]\nCaption=c\nShortCaption=s\nOpcodes=1\n[T1]\nCaption="
                              "c\nShortCaption=s\nOpcodes=2\n";
           for (int t = 2; t < 260; ++t)
               text += "[T" + std::to_string(t) + "]\nCaption=c\nShortCaption=s\n";
           return text;
       }()},
      {"NodeInfo.ini", "-"},
      {"nodeinfo.INI", "[All]\nCaption=a\nOpcodes=1\n[First]\nCaption=b\n"
                       "Opcodes=2147483647\n[Second]\nCaption=c\nOpcodes=-2147483648\n"}},
     "TypeInfo.ini:771: warning: type 'T256' is type number 257 of 260, but KLV takes at most 256 types: it leaves this one and the 3 types after it out of the type list, and no opcode gets"
     "|nodeinfo.INI:6: warning: Opcodes 2147483647 is past the end of Nodes.Opcodes (2 lines): the category 'First' lists opcode 0000 only"
     "|nodeinfo.INI:9: warning: Opcodes -2147483648 is below 1: the category 'Second' reads line 1 of Nodes.Opcodes"
     "|Nodes.Opcodes:2: warning: no category names this line; it is never read",
     1},
    // A value of the longest length is read whole; one character more is cut.
    {"look-up sites",
     {{"Sites.ini",
       "; a comment\n[Wiki]\nCaption=Вики\nAddress=file:///etc/passwd\nColor=red\n"
       "[iniEDITOR]\nAddress=http://ini.example/\n[Forum]\nAddress=https://forum.example\n"
       "[OpcodeBase]\nCaption=" +
           std::string(kIniMaxValueLength, 'c') + "\nAddress=https://" +
           std::string(kIniMaxValueLength - 7, 'a') + "\n"}},
     "Sites.ini:4: warning: Address 'file:///etc/passwd' is not"
     "|Sites.ini:5: warning: key 'Color' is never read: a site has"
     "|Sites.ini:8: warning: section 'Forum' is no look-up site"
     "|Sites.ini:12: warning: the value of 'Address' is longer than 2047 characters",
     1},
    // One cause, one finding: a byte 1A hides a line; a line number that is no number.
    {"1A byte hides a named line",
     {{"Types.Opcodes", "=0000 0001\r\n\x1A"
                        "0002\r\n"},
      {"TypeInfo.ini",
       "[A]\nCaption=Д\nShortCaption=Д\nOpcodes=1\n[B]\nCaption=П\nShortCaption=П\nOpcodes=2\n"
       "[C]\nCaption=К\nShortCaption=К\nOpcodes=9\n"}},
     "TypeInfo.ini:12: warning: Opcodes 9 is past the end of"
     "|Types.Opcodes:2: warning: a byte 1A ends the file here:",
     1},
    {"line number that is no number",
     {{"TypeInfo.ini",
       "[Actions]\nCaption=Д\nShortCaption=Д\nOpcodes=1\n[Checks]\nCaption=П\nShortCaption=П\n"
       "Opcodes=4294967297\n"}},
     "TypeInfo.ini:8: warning: Opcodes '4294967297' is not a line"
     "|Types.Opcodes:2: warning: no type names this line; it is",
     1},
    // Encodings, guessed from real text: UTF-8 and Windows-1251 side by side, marks, UTF-16.
    {"UTF-8 beside Windows-1251",
     {{"SASCM_RUS.ini",
       "=" + std::string(kClean.at("SASCM_RUS.ini")) + "0003=0,ещё «ёлка» — №5…\n"},
      {"NodeInfo.ini", kClean.at("NodeInfo.ini") + "Note=Ещё «ёлка» — №5… ПЛАТЁЖ»\n"},
      {"TypeInfo.ini",
       "яю=\n[Actions]\nCaption=её»\nShortCaption=Сё\nOpcodes=1\n[Checks]\nCaption=П\nShortCaption=П\nOpcodes=2\n"},
      {"Sites.ini", "=\xEF\xBB\xBF[Wiki]\r\nCaption=Wiki\r\n[OpcodeBase]\r\nCaption=\r\n"}},
     "SASCM_RUS.ini: error: the file is UTF-8 text, but KLV reads Windows-1251: every Russian text shows garbled; convert it"
     "|Sites.ini: warning: the file begins with a UTF-8 byte-order mark, which KLV reads as part of line 1 ('п»ї'): it"
     "|TypeInfo.ini:1: warning: key 'яю' stands before any section; it is never read"
     "|Sites.ini:4: warning: Caption is empty: the menu shows the built-in name 'OpcodeBase'",
     2},
    {"UTF-16 and a marked NodeInfo.ini",
     {{"TypeInfo.ini", "=" + Utf16Le("[Actions]\r\nCaption=A\r\nShortCaption=A\r\nOpcodes=1\r\n")},
      {"Types.Opcodes", "=\xFF\xFE" + Utf16Le("0000 0001\r\n0002\r\n")},
      {"NodeInfo.ini", "=\xEF\xBB\xBF" + std::string(kClean.at("NodeInfo.ini"))}},
     "TypeInfo.ini: error: the file is UTF-16 text (NUL bytes),"
     "|Types.Opcodes: error: the file is UTF-16 text (byte-order"
     "|NodeInfo.ini: error: the file is UTF-8 text with a"
     "|Opcodes.tree:1: warning: category 'All' has no section in"
     "|Nodes.Opcodes:1: warning: no category names this line; it",
     2},
    {"marked and UTF-16 line files",
     {{"Types.Opcodes", "=\xEF\xBB\xBF"
                        "0001 0002\r\n0000\r\n"},
      {"Nodes.Opcodes", "=\xFF\xFE" + Utf16Le("0000 0001 0002\r\n0001\r\n")}},
     "Types.Opcodes: warning: the file begins with a UTF-8 byte-order mark,"
     "|Nodes.Opcodes: error: the file is UTF-16 text (byte-order mark), but"
     "|Types.Opcodes:1: error: numbers that are not four hexadecimal digits:"
     "|Types.Opcodes:1: warning: the byte-order mark shifts the numbers of"
     "|Types.Opcodes:1: warning: opcodes that SASCM.ini does not define show",
     2},
    // Causes first: a file misread as a whole is told alone, an error before what follows.
    {"UTF-16 NodeInfo.ini told alone",
     {{"NodeInfo.ini", "=" + Utf16Le("[All]\r\nCaption=A\r\nOpcodes=1\r\n[First]\r\n"
                                     "Caption=F\r\nOpcodes=2\r\n[Second]\r\nCaption=S\r\n")}},
     "NodeInfo.ini: error: the file is UTF-16 text (NUL bytes), but KLV reads Windows-1251 and reads none of it as written: every category shows '***НЕ_НАЙДЕНО***  (NodeInfo.ini)' and lists no opcodes (what follows from that",
     2},
    {"UTF-16 tree told alone",
     {{"Opcodes.tree", "=" + Utf16Le("All\r\n\tFirst\r\n\tSecond\r\n")}},
     "Opcodes.tree: error: the file is UTF-16 text (NUL bytes), but KLV reads Windows-1251 and reads none of it as written (what follows from that is left out here); convert it in place",
     2},
    {"cut-off line file: its error first, the lines past its end counted",
     {{"Opcodes.tree", "All\n\tA\n\tB\n\tC\n\tD\n\tE\n"},
      {"NodeInfo.ini",
       "[All]\nCaption=a\nOpcodes=1\n[A]\nCaption=a\nOpcodes=2\n[B]\nCaption=b\nOpcodes=3\n"
       "[C]\nCaption=c\nOpcodes=4\n[D]\nCaption=d\nOpcodes=5\n[E]\nCaption=e\nOpcodes=6\n"},
      {"Nodes.Opcodes", "=0000 0001 00"}},
     "Nodes.Opcodes:1: error: a number that is not four hexadecimal digits: '00' (column 11) read as"
     "|SASCM.ini:7: warning: opcode 0002 is listed by no category"
     "|NodeInfo.ini:6: warning: Opcodes 2 is past the end of Nodes.Opcodes (1 line): the category 'A'"
     "|NodeInfo.ini:9: warning: Opcodes 3 is past the end of Nodes.Opcodes (1 line): the category 'B'"
     "|NodeInfo.ini:12: warning: Opcodes 4 is past the end of Nodes.Opcodes (1 line): the category"
     "|NodeInfo.ini:15: warning: ... and 2 more like this, lines 15-18",
     2},
    {"misspelled keys named at their line",
     {{"TypeInfo.ini", "[Actions]\nCaption=Действия\nShortCapton=Действ\nOpcodes=1\n\n"
                       "[Checks]\nCaption=Проверки\nShortCaption=Пров\nOpcodes=2\n"},
      {"NodeInfo.ini",
       "[All]\nCaption=Все опкоды\nOpcodes=1\nExpaned=1\n\n[First]\nCaption=Первая\nNote=Заметка\n"
       "Opcode=2\n\n[Second]\nCapton=Вторая\n"},
      {"Sites.ini", "[Wiki]\nAdress=https://wiki.example\nColour=red\n"}},
     "TypeInfo.ini:3: warning: key 'ShortCapton' is never read (did you mean ShortCaption?): the opcode list's type"
     "|NodeInfo.ini:4: warning: key 'Expaned' is never read (did you mean Expanded?): the category starts collapsed"
     "|NodeInfo.ini:9: warning: key 'Opcode' is never read (did you mean Opcodes?): the category lists no opcodes"
     "|NodeInfo.ini:12: warning: key 'Capton' is never read (did you mean Caption?): the category shows"
     "|Nodes.Opcodes:2: warning: no category names this line; it is never read"
     "|Sites.ini:2: warning: key 'Adress' is never read (did you mean Address?): the look-up opens the built-in address"
     "|Sites.ini:3: warning: key 'Colour' is never read: a site has Caption and Address",
     1},
    {"repeated type section is one more type",
     {{"TypeInfo.ini", kClean.at("TypeInfo.ini") + "[Actions]\nCaption=x\n"}},
     "TypeInfo.ini:10: warning: section 'Actions' repeats line 1: KLV makes it one more type with the keys of line 1, so the type list shows 'Действия' twice and the opcodes of its line show 'Действ' twice in the type column; the keys under it are never read",
     1},
    {"NUL byte in a value",
     {{"SASCM.ini", "=" + DataText("[OPCODES]\n0000=0,nop\n0001=1,wait %1d% ms\n") +
                        std::string("0002=-1,st\0art %1p%\r\n", 21)}},
     "SASCM.ini:4: warning: a NUL byte at column 11 ends the value of '0002' for KLV: it shows '0002: st'",
     1},
    {"tree of a line end alone",
     {{"Opcodes.tree", "=\r\n"}},
     "Opcodes.tree:1: warning: the file holds only a line end: KLV shows one category with an empty key, '***НЕ_НАЙДЕНО***  (NodeInfo.ini)', and reads no other section of NodeInfo.ini",
     1},
    {"characters Windows-1251 cannot hold named first",
     {{"NodeInfo.ini", "=" + std::string(kClean.at("NodeInfo.ini")) + "Note=от ≥ 5 😀\n"}},
     "NodeInfo.ini: error: the file is UTF-8 text, but KLV reads Windows-1251: the category names and notes show garbled; first replace what Windows-1251 cannot hold, line 13 '≥' (U+2265), line 13 '😀' (U+1F600), then convert it in place with iconv -f UTF-8 -t CP1251 INI/NodeInfo.ini > INI/NodeInfo.ini.tmp && mv INI/NodeInfo.ini.tmp INI/NodeInfo.ini",
     2},
    // The INI folder given for the folder that holds it.
    {"INI folder given",
     {{".", ""}},
     "INI holds no INI folder: it is the INI folder itself; give",
     4},
};

TEST(KlvCheck, CraftedFoldersGiveExactlyTheExpectedFindings) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        for (const auto& [name, text] : kClean)
            dir.Write("INI/" + name, DataText(text));
        for (const auto& [name, text] : c.files) {
            if (name == ".")
                continue;
            std::filesystem::remove(dir.path() / "INI" / name);
            if (text == "/")
                std::filesystem::create_directory(dir.path() / "INI" / name);
            else if (text != "-")
                dir.Write("INI/" + name, text.starts_with("=") ? text.substr(1) : DataText(text));
        }
        const Checked checked =
            Check(dir, std::ranges::count(c.files, std::pair<std::string, std::string>(".", "")));
        std::string findings; // each cut to the length of the expected one
        for (std::size_t i = 0, at = 0, end; i < checked.findings.size(); ++i, at = end + 1) {
            end = std::min(c.expected.find('|', at), c.expected.size());
            const std::string& f = checked.findings[i];
            findings += (i ? "|" : "") + f.substr(f.starts_with("INI/") ? 4 : 0, end - at);
        }
        EXPECT_EQ(findings, c.expected) << ::testing::PrintToString(checked.findings);
        EXPECT_EQ(checked.status, c.status);
        // Where the program's own loading stops, and only there, the report says it will.
        EXPECT_EQ(checked.startUpStops, checked.status == kExitWontStart);
#ifndef _WIN32
        // The fixes run as printed (shell commands, with iconv and sed), from the folder
        // checked, and leave no encoding to tell. Windows has no such shell to run them in.
        std::string fixes;
        for (const std::string& f : checked.findings)
            for (const std::string_view lead : {" in place with ", " remove it with "})
                if (const std::size_t at = f.find(lead);
                    at != std::string::npos && !Has(f, "first replace"))
                    fixes += f.substr(at + lead.size()) + " && ";
        if (fixes.empty())
            continue;
        EXPECT_EQ(std::system(("cd '" + dir.path().string() + "' && " + fixes + "true").c_str()),
                  0);
        std::string after;
        for (const std::string& f : Check(dir, false).findings)
            if (Has(f, "UTF-") || Has(f, "byte-order mark"))
                after += f + "|";
        EXPECT_EQ(after, "");
#endif
    }
}

// One of ten damages a data author might do to a file's bytes, at a random place.
std::string Damaged(std::string bytes, std::size_t kind, std::mt19937& random) {
    const std::size_t at = std::uniform_int_distribution<std::size_t>(0, bytes.size())(random);
    // The line that holds `at`, with its line end.
    const std::size_t from = at == 0 ? 0 : bytes.rfind('\n', at - 1) + 1,
                      to = std::min(bytes.find('\n', at), bytes.size());
    std::string line = bytes.substr(from, to + 1 - from);
    switch (kind) {
    case 0:
        return bytes.substr(0, at); // cut off
    case 1:
        return "\xEF\xBB\xBF" + bytes; // a byte-order mark
    case 2:
        return std::erase(bytes, '\r'), bytes; // LF line ends
    case 3:
        return bytes.insert(at, 1, '\x1A');
    case 4:
        return bytes.insert(at, 1, '\0');
    case 5:
        return Cp1251ToUtf8(bytes); // saved as UTF-8
    case 6:
        return "\xFF\xFE" + Utf16Le(bytes); // saved as UTF-16
    case 7:
        return line + bytes.erase(from, line.size()); // a line moved to the top
    case 8:
        return bytes.erase(from, line.size()); // a line dropped
    default:
        return ""; // emptied
    }
}

// Copies of the sample database, each damaged in one to three random ways (seeded: every
// run damages the same way): no report tells a consequence before its cause, that is a
// whole-file finding after a finding on a line, or an error after a warning; a file told
// as UTF-16 is told once; the report says KLV will not start exactly when it does not.
TEST(KlvCheck, DamagedSamplesTellCausesFirst) {
    std::mt19937 random(34);
    for (int copy = 0; copy < 60; ++copy) {
        TempDir dir;
        std::filesystem::copy(KELPRA_SAMPLE_DIR "/INI", dir.path() / "INI");
        std::string damage = "copy " + std::to_string(copy) + ":";
        for (std::size_t n = random() % 3 + 1; n-- > 0;) {
            const std::string& name = std::next(kClean.begin(), random() % kClean.size())->first;
            const std::size_t kind = random() % 10;
            damage += " " + name + " #" + std::to_string(kind);
            dir.Write("INI/" + name, Damaged(dir.Read("INI/" + name), kind, random));
        }
        SCOPED_TRACE(damage);
        const Checked checked = Check(dir, false);
        std::string misplaced;
        int rank = 0; // 0 whole file, 1 error, 2 warning
        std::set<std::string> utf16;
        for (const std::string& f : checked.findings) {
            const std::string place = f.substr(0, f.find(": "));
            const std::string file = place.substr(0, place.find(':'));
            const int r = place == file ? 0 : Has(f, ": error: ") ? 1 : 2;
            if (r < rank || utf16.contains(file))
                misplaced += f + "|";
            rank = std::max(rank, r);
            if (Has(f, ": the file is UTF-16"))
                utf16.insert(file);
        }
        EXPECT_EQ(misplaced, "");
        EXPECT_EQ(checked.startUpStops, checked.status == kExitWontStart);
    }
}
