// File access under Windows-style names, the atomic opc.ini writer and the program search.

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "opcodes/errors.h"
#include "opcodes/files/file_io.h"
#include "opcodes/files/file_names.h"
#include "opcodes/files/program_search.h"
#include "opcodes/profile_writer.h"
#include "tests/support/temp_dir.h"

namespace fs = std::filesystem;

// Names resolve without regard to case, an exact match first. Failures are told apart;
// only regular files of bounded size are read: a pipe or a device is refused at once, not
// waited on. Bytes are read as they are: CR LF and a 1A byte too.
TEST(Files, NamesFailuresAndWhatIsRead) {
    TempDir dir;
    CurrentDirScope cd(dir.path());
    for (const char* name :
         {"INI/SASCM.ini", "INI/sascm.ini", "INI/NodeInfo.ini", "sub/x", "bigZ.ini"})
        dir.Write(name, name);
    dir.Write("crlf.ini", "a\r\n\x1A\r\nb");
#ifdef _WIN32
    // One file under both names; the devices stand under their reserved names.
    const char *sascm = "INI/sascm.ini", *pipe = "NUL", *device = "nul.ini";
#else
    // The pipe and the device are asked for in another case than they were made in.
    const char *sascm = "INI/SASCM.ini", *pipe = "PIPE.INI", *device = "ZERO.ini";
    ASSERT_EQ(::mkfifo(dir.Name("pipe.ini").c_str(), 0600), 0);
    fs::create_symlink("/dev/zero", dir.path() / "zero.ini");
#endif
    fs::resize_file(dir.path() / "bigZ.ini", kMaxReadFileSize + 1); // sparse
    std::string read;
    for (const std::string name :
         {"INI\\SASCM.ini", "INI\\sascm.ini", "Ini\\NODEINFO.INI", "absent.txt",
          "NoFolder\\absent.txt", "sub", pipe, device, "bigz.ini", "!", "crlf.ini"}) {
        std::string bytes = "old";
        const FileResult r =
            ReadWholeFile(name == "!" ? CurrentDir() + "\\iNi\\nodeinfo.ini" : name, bytes);
        read +=
            (r.ok() ? bytes : InOutErrorMessage(r) + (bytes.empty() ? "" : " (bytes kept)")) + "|";
    }
    EXPECT_EQ(
        read,
        std::string(sascm) +
            "|INI/sascm.ini|INI/NodeInfo.ini|File not found|Invalid filename|File access denied|File access denied|File access denied|File too large|INI/NodeInfo.ini|a\r\n\x1A\r\nb|");
    std::string bytes;
    EXPECT_EQ(ReadWholeFile(pipe, bytes).systemMessage, "Not a regular file");
    EXPECT_TRUE(FileExists("ini/NodeInfo.INI") && !FileExists("INI") &&
                !FileExists("INI\\Missing.ini"));
    // The display form: the platform's separators, the current directory before a name
    // without a root, the roots of the platform.
    const std::string sep(1, kFolderSeparator);
    EXPECT_EQ(FullFileName("INI\\Opcodes.tree"), CurrentDir() + sep + "INI" + sep + "Opcodes.tree");
#ifdef _WIN32
    EXPECT_EQ(FullFileName("c:/x\\y") + FullFileName("//srv/share\\a") + FullFileName("D:z"),
              "c:\\x\\y\\\\srv\\share\\aD:z");
#else
    EXPECT_EQ(FullFileName("\\x/y") + FullFileName("C:\\z"), "/x/y" + CurrentDir() + "/C:/z");
#endif
    ASSERT_TRUE(WriteWholeFile("a.txt", "one").ok() && AppendToFile("a.txt", "\r\ntwo").ok() &&
                AppendToFile("n", "x").ok());
    EXPECT_EQ(dir.Read("a.txt") + dir.Read("n"), "one\r\ntwox");
    EXPECT_FALSE(WriteWholeFile("NoFolder\\x.txt", "y").ok() ||
                 AppendToFile("NoFolder\\x.txt", "y").ok());
}

std::string Set(std::string_view bytes) {
    return WriteProfileString(bytes, "setup", "txt", "temp.txt");
}

// Only the one line changes or is added; every other byte stays, line ends included.
TEST(ProfileWriter, SetsOneKeyKeepingEveryOtherByte) {
    const std::pair<const char*, const char*> cases[] = {
        {"; c\r\n[Window]\r\ntxt=no\r\n\r\n[SETUP]\r\n  ; c\r\n Txt = old.txt \r\nmode=2\r\n\r\n[o]\r\nx=1",
         "; c\r\n[Window]\r\ntxt=no\r\n\r\n[SETUP]\r\n  ; c\r\nTxt=temp.txt\r\nmode=2\r\n\r\n[o]\r\nx=1"},
        {"[setup]\r\ntxt=a\r\ntxt=b\r\n[setup]\r\ntxt=c\r\n",
         "[setup]\r\ntxt=temp.txt\r\ntxt=b\r\n[setup]\r\ntxt=c\r\n"},
        {"[setup]\r\nlang=ru\r\n\r\n\r\n[next]\r\n",
         "[setup]\r\nlang=ru\r\ntxt=temp.txt\r\n\r\n\r\n[next]\r\n"},
        {"[setup]\r\n\r\n[n]\r\n", "[setup]\r\ntxt=temp.txt\r\n\r\n[n]\r\n"},
        {"", "[setup]\r\ntxt=temp.txt\r\n"},
        {"[setup]\r\ntxt2=x\r\n;txt=y", "[setup]\r\ntxt2=x\r\n;txt=y\r\ntxt=temp.txt\r\n"},
        {"txt=x\r\n[a]\r\nx=1", "txt=x\r\n[a]\r\nx=1\r\n[setup]\r\ntxt=temp.txt\r\n"},
        {"[a]\nx=1\n", "[a]\nx=1\n[setup]\ntxt=temp.txt\n"},
        {"[setup]\rtxt=old\r", "[setup]\rtxt=temp.txt\r"},
        {"[setup]\nlang=ru\n[b]\r\n", "[setup]\nlang=ru\ntxt=temp.txt\n[b]\r\n"}};
    for (const auto& [before, after] : cases) {
        EXPECT_EQ(Set(before), after);
        EXPECT_EQ(Set(after), after); // writing again changes nothing more
    }
    // Entries that would break the file.
    for (const auto& [section, key, value] : {std::tuple{"setup", "txt", "a\r\nb=c"},
                                              {"se\ntup", "txt", "v"},
                                              {"setup", "", "v"},
                                              {"setup", "a=b", "v"},
                                              {"set]up", "txt", "v"}})
        EXPECT_THROW(WriteProfileString("", section, key, value), std::invalid_argument)
            << section << key << value;
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
#ifdef _WIN32
    // Links need privileges there: the names are the files', and the existing one is replaced.
    const char *opc = "tool/opc.ini", *made = "tool/made.ini";
    const fs::perms mode = fs::status(dir.path() / "tool/opc.ini").permissions();
#else
    const char *opc = "opc.ini", *made = "dangling.ini";
    const fs::perms mode = fs::perms(0640);
    fs::permissions(dir.path() / "tool/opc.ini", mode);
    fs::create_symlink("tool/opc.ini", dir.path() / "opc.ini");
    fs::create_symlink(dir.path() / "tool/made.ini", dir.path() / "dangling.ini");
    EXPECT_TRUE(fs::is_symlink(dir.path() / "opc.ini") &&
                fs::is_symlink(dir.path() / "dangling.ini"));
#endif
    EXPECT_EQ(set("new.ini") + set(opc) + set(made), "");
    EXPECT_EQ(
        dir.Read("tool/opc.ini") + dir.Read("tool/made.ini") + dir.Read("new.ini"),
        "[Setup]\nfoo=bar\ntxt=temp.txt\n[x]\ntxt=no\n[setup]\r\ntxt=temp.txt\r\n[setup]\r\ntxt=temp.txt\r\n");
    EXPECT_EQ(fs::status(dir.path() / "tool/opc.ini").permissions(), mode);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path() / "tool"), fs::directory_iterator()),
              2);
    dir.Write("tool/opc.ini", "[setup]\r\ntxt=a much longer old value.txt\r\n");
    {
        const ClosedFolder closed(dir.path() / "tool"); // not where the system refuses it
        EXPECT_EQ(set(opc), "");
        EXPECT_TRUE(!closed.Closed() || !set("tool/new.ini").empty()); // cannot be made
    }
    EXPECT_EQ(dir.Read("tool/opc.ini"), "[setup]\r\ntxt=temp.txt\r\n");
    EXPECT_EQ(fs::status(dir.path() / "tool/opc.ini").permissions(), mode);
    EXPECT_EQ(set("no such folder/opc.ini"),
              "Unable to write to " + dir.Name("no such folder/opc.ini"));
    fs::create_directory(dir.path() / "folder.ini"); // cannot be read or replaced
    EXPECT_FALSE(set("folder.ini").empty() || set("new.ini", "a\nb").empty());
    EXPECT_EQ(dir.Read("new.ini"), "[setup]\r\ntxt=temp.txt\r\n");
    fs::permissions(dir.path() / "new.ini", fs::perms::owner_read); // on Windows: read-only
    EXPECT_TRUE(PermissionsPassed() || !set("new.ini").empty());    // root writes through it
    EXPECT_EQ(dir.Read("new.ini"), "[setup]\r\ntxt=temp.txt\r\n");
    fs::permissions(dir.path() / "new.ini", fs::perms::owner_write, fs::perm_options::add);
}

// The executable's folder, then the current one, then the search path; the first
// program whose name matches in any Latin case, an exact match first. A program is an
// executable file on POSIX; on Windows, where any case matches, one with a PATHEXT ending.
TEST(FindProgram, SearchOrderAndNames) {
    TempDir dir;
#ifdef _WIN32
    const std::string ending = ".exe", endings = ".COM;.EXE";
#else
    const std::string ending, endings;
#endif
    const std::vector<std::string> names{
        "exe/KLV" + ending, "cd/KLV" + ending, "p1/KLV" + ending, "p2/KLV" + ending,    "p1/x",
        "cd/opctool.exe",   "cd/opctool.EXE",  "p2/OPCTOOL.EXE",  "cd/утилита" + ending};
    for (const std::string& name : names) {
        dir.Write(name, "#!/bin/sh\n");
#ifndef _WIN32
        ::chmod(dir.Name(name).c_str(), name == "p1/x" ? 0644 : 0755);
#endif
    }
    const fs::path exe = dir.path() / "exe", cd = dir.path() / "cd";
    const auto find = [&](std::string_view name, const fs::path& exeDir, const fs::path& cdDir,
                          const std::string& path, std::string_view programEndings) {
        const auto found = FindProgram(name, exeDir, cdDir, path, programEndings);
        return found ? NarrowName(found->lexically_relative(dir.path())) : "-";
    };
    const std::string path = dir.Name("p1") + kSearchPathSeparator + dir.Name("p2");
    for (const std::string found : {"exe/KLV", "cd/KLV", "p1/KLV"}) {
        EXPECT_TRUE(SameEntryName(PathOf(find("KLV", exe, cd, path, endings)),
                                  PathOf(found + ending).make_preferred()));
        fs::remove(dir.path() / PathOf(found + ending));
        fs::create_directory(dir.path() /
                             PathOf(found + ending)); // a folder of that name is no program
    }
    EXPECT_EQ(find("X", exe, {}, path, endings), "-"); // no program
    EXPECT_EQ(find("opctool.EXE", {}, cd, "", endings),
              NarrowName(PathOf("cd/opctool.EXE").make_preferred()));
    EXPECT_TRUE(SameEntryName(PathOf(find("OpcTool.Exe", {}, {}, path, endings)),
                              PathOf("p2/OPCTOOL.EXE").make_preferred()));
    EXPECT_EQ(find("opctool", {}, cd, "", ".COM;.EXE"),
              NarrowName(PathOf("cd/opctool.EXE").make_preferred()));
    // Cyrillic case: told apart where the file system tells it apart.
    EXPECT_EQ(find("УТИЛИТА", {}, cd, "", endings) != "-", ending == ".exe");
}
