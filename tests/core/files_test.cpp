// File access under Windows-style names, the atomic opc.ini writer and the program search.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include "opcodes/errors.h"
#include "opcodes/files/file_io.h"
#include "opcodes/files/file_names.h"
#include "opcodes/files/program_search.h"
#include "opcodes/profile_writer.h"
#include "tests/support/temp_dir.h"

namespace fs = std::filesystem;

// Names resolve without regard to case, an exact match first. Failures are told apart;
// only regular files of bounded size are read: a pipe is refused at once, not waited on.
TEST(Files, NamesFailuresAndWhatIsRead) {
    TempDir dir;
    CurrentDirScope cd(dir.path());
    for (const char* name : {"INI/SASCM.ini", "INI/sascm.ini", "INI/NodeInfo.ini", "sub/x", "bigZ.ini"}) dir.Write(name, name);
    ASSERT_EQ(::mkfifo(dir.Name("pipe.ini").c_str(), 0600), 0);
    fs::create_symlink("/dev/zero", dir.path() / "zero.ini");
    fs::resize_file(dir.path() / "bigZ.ini", kMaxReadFileSize + 1);  // sparse
    std::string read;
    for (const std::string name : {"INI\\SASCM.ini", "INI\\sascm.ini", "Ini\\NODEINFO.INI", "absent.txt",
                                   "NoFolder\\absent.txt", "sub", "PIPE.INI", "ZERO.ini", "bigz.ini", "!"}) {
        std::string bytes = "old";
        const FileResult r = ReadWholeFile(name == "!" ? CurrentDir() + "\\iNi\\nodeinfo.ini" : name, bytes);
        read += (r.ok() ? bytes : InOutErrorMessage(r) + (bytes.empty() ? "" : " (bytes kept)")) + "|";
    }
    EXPECT_EQ(read, "INI/SASCM.ini|INI/sascm.ini|INI/NodeInfo.ini|File not found|Invalid filename|File access denied|"
                    "File access denied|File access denied|File too large|INI/NodeInfo.ini|");
    std::string bytes;
    EXPECT_EQ(ReadWholeFile("pipe.ini", bytes).systemMessage, "Not a regular file");
    EXPECT_TRUE(FileExists("ini/NodeInfo.INI") && !FileExists("INI") && !FileExists("INI\\Missing.ini"));
    EXPECT_EQ(FullFileName("INI\\Opcodes.tree"), CurrentDir() + "/INI/Opcodes.tree");
    ASSERT_TRUE(WriteWholeFile("a.txt", "one").ok() && AppendToFile("a.txt", "\r\ntwo").ok() && AppendToFile("n", "x").ok());
    EXPECT_EQ(dir.Read("a.txt") + dir.Read("n"), "one\r\ntwox");
    EXPECT_FALSE(WriteWholeFile("NoFolder\\x.txt", "y").ok() || AppendToFile("NoFolder\\x.txt", "y").ok());
}

std::string Set(std::string_view bytes) { return WriteProfileString(bytes, "setup", "txt", "temp.txt"); }

// Only the one line changes or is added; every other byte stays, line ends included.
TEST(ProfileWriter, SetsOneKeyKeepingEveryOtherByte) {
    const std::pair<const char*, const char*> cases[] = {
        {"; c\r\n[Window]\r\ntxt=no\r\n\r\n[SETUP]\r\n  ; c\r\n Txt = old.txt \r\nmode=2\r\n\r\n[o]\r\nx=1",
         "; c\r\n[Window]\r\ntxt=no\r\n\r\n[SETUP]\r\n  ; c\r\nTxt=temp.txt\r\nmode=2\r\n\r\n[o]\r\nx=1"},
        {"[setup]\r\ntxt=a\r\ntxt=b\r\n[setup]\r\ntxt=c\r\n", "[setup]\r\ntxt=temp.txt\r\ntxt=b\r\n[setup]\r\ntxt=c\r\n"},
        {"[setup]\r\nlang=ru\r\n\r\n\r\n[next]\r\n", "[setup]\r\nlang=ru\r\ntxt=temp.txt\r\n\r\n\r\n[next]\r\n"},
        {"[setup]\r\n\r\n[n]\r\n", "[setup]\r\ntxt=temp.txt\r\n\r\n[n]\r\n"}, {"", "[setup]\r\ntxt=temp.txt\r\n"},
        {"[setup]\r\ntxt2=x\r\n;txt=y", "[setup]\r\ntxt2=x\r\n;txt=y\r\ntxt=temp.txt\r\n"},
        {"txt=x\r\n[a]\r\nx=1", "txt=x\r\n[a]\r\nx=1\r\n[setup]\r\ntxt=temp.txt\r\n"},
        {"[a]\nx=1\n", "[a]\nx=1\n[setup]\ntxt=temp.txt\n"}, {"[setup]\rtxt=old\r", "[setup]\rtxt=temp.txt\r"},
        {"[setup]\nlang=ru\n[b]\r\n", "[setup]\nlang=ru\ntxt=temp.txt\n[b]\r\n"}};
    for (const auto& [before, after] : cases) {
        EXPECT_EQ(Set(before), after);
        EXPECT_EQ(Set(after), after);  // writing again changes nothing more
    }
    // Entries that would break the file.
    for (const auto& [section, key, value] : {std::tuple{"setup", "txt", "a\r\nb=c"}, {"se\ntup", "txt", "v"},
                                              {"setup", "", "v"}, {"setup", "a=b", "v"}, {"set]up", "txt", "v"}})
        EXPECT_THROW(WriteProfileString("", section, key, value), std::invalid_argument) << section << key << value;
}

// opc.ini is replaced atomically: a symbolic link stays a link, the mode stays, nothing is
// left beside it; a folder that takes no new file gets the file rewritten in place.
TEST(ProfileWriter, TheFileIsReplacedWholeOrNotAtAll) {
    TempDir dir;
    const auto set = [&](const char* name, const char* value = "temp.txt") {
        try {
            SetProfileStringInFile(dir.Name(name), "setup", "txt", value);
        } catch (const EIniFileException& e) {
            return e.Message();
        }
        return std::string();
    };
    dir.Write("tool/opc.ini", "[Setup]\nfoo=bar\n[x]\ntxt=no\n");
    fs::permissions(dir.path() / "tool/opc.ini", fs::perms(0640));
    fs::create_symlink("tool/opc.ini", dir.path() / "opc.ini");
    fs::create_symlink(dir.path() / "tool/made.ini", dir.path() / "dangling.ini");
    EXPECT_EQ(set("new.ini") + set("opc.ini") + set("dangling.ini"), "");
    EXPECT_TRUE(fs::is_symlink(dir.path() / "opc.ini") && fs::is_symlink(dir.path() / "dangling.ini"));
    EXPECT_EQ(dir.Read("tool/opc.ini") + dir.Read("tool/made.ini") + dir.Read("new.ini"),
              "[Setup]\nfoo=bar\ntxt=temp.txt\n[x]\ntxt=no\n[setup]\r\ntxt=temp.txt\r\n[setup]\r\ntxt=temp.txt\r\n");
    EXPECT_EQ(fs::status(dir.path() / "tool/opc.ini").permissions(), fs::perms(0640));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path() / "tool"), fs::directory_iterator()), 2);
    dir.Write("tool/opc.ini", "[setup]\r\ntxt=a much longer old value.txt\r\n");
    {
        const ClosedFolder closed(dir.path() / "tool");  // not where the system refuses it
        EXPECT_EQ(set("opc.ini"), "");
        EXPECT_TRUE(!closed.Closed() || !set("tool/new.ini").empty());  // cannot be made
    }
    EXPECT_EQ(dir.Read("tool/opc.ini"), "[setup]\r\ntxt=temp.txt\r\n");
    EXPECT_EQ(fs::status(dir.path() / "tool/opc.ini").permissions(), fs::perms(0640));
    EXPECT_EQ(set("no such folder/opc.ini"), "Unable to write to " + dir.Name("no such folder/opc.ini"));
    fs::create_directory(dir.path() / "folder.ini");  // cannot be read or replaced
    EXPECT_FALSE(set("folder.ini").empty() || set("new.ini", "a\nb").empty());
    EXPECT_EQ(dir.Read("new.ini"), "[setup]\r\ntxt=temp.txt\r\n");
    fs::permissions(dir.path() / "new.ini", fs::perms::owner_read);
    EXPECT_TRUE(::geteuid() == 0 || !set("new.ini").empty());  // root writes through it
}

// The executable's folder, then the current one, then the search path; the first
// executable regular file whose name matches in any Latin case, an exact match first.
TEST(FindProgram, SearchOrderAndNames) {
    TempDir dir;
    for (const char* name : {"exe/KLV", "cd/KLV", "p1/KLV", "p2/KLV", "p1/x", "cd/opctool.exe", "cd/opctool.EXE",
                             "p2/OPCTOOL.EXE", "cd/утилита"}) {
        dir.Write(name, "#!/bin/sh\n");
        ::chmod(dir.Name(name).c_str(), std::string(name) == "p1/x" ? 0644 : 0755);
    }
    const fs::path exe = dir.path() / "exe", cd = dir.path() / "cd";
    const std::string path = dir.Name("p1") + ":" + dir.Name("p2");
    for (const fs::path& found : {exe / "KLV", cd / "KLV", dir.path() / "p1/KLV"}) {
        EXPECT_EQ(FindProgram("KLV", exe, cd, path), found);
        fs::remove(found);
        fs::create_directory(found);  // a folder of that name is no program
    }
    EXPECT_EQ(FindProgram("X", exe, {}, path), std::nullopt);  // not executable
    EXPECT_EQ(FindProgram("opctool.EXE", {}, cd, ""), cd / "opctool.EXE");
    EXPECT_EQ(FindProgram("OpcTool.Exe", {}, {}, path), dir.path() / "p2/OPCTOOL.EXE");
    EXPECT_EQ(FindProgram("УТИЛИТА", {}, cd, ""), std::nullopt);  // Cyrillic case must match
}

