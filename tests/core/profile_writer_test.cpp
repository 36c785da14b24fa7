#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>
#include <unistd.h>

#include "opcodes/errors.h"
#include "opcodes/ini_file.h"
#include "opcodes/profile_writer.h"
#include "tests/support/temp_dir.h"

namespace fs = std::filesystem;

namespace {

std::string Set(std::string_view bytes) {
    return WriteProfileString(bytes, "setup", "txt", "temp.txt");
}

}  // namespace

TEST(ProfileWriter, ReplacesAnExistingValueKeepingEveryOtherByte) {
    const std::string before =
        "; opctool settings\r\n"
        "[Window]\r\nleft=10\r\ntxt=not this one\r\n\r\n"
        "[SETUP]\r\n  ; comment inside\r\nlang=ru\r\n Txt = old.txt \r\nmode=2\r\n\r\n"
        "[other]\r\nx=1";
    const std::string after =
        "; opctool settings\r\n"
        "[Window]\r\nleft=10\r\ntxt=not this one\r\n\r\n"
        "[SETUP]\r\n  ; comment inside\r\nlang=ru\r\nTxt=temp.txt\r\nmode=2\r\n\r\n"
        "[other]\r\nx=1";
    EXPECT_EQ(Set(before), after);
    // Writing again changes nothing more.
    EXPECT_EQ(Set(after), after);
}

TEST(ProfileWriter, OnlyTheFirstSectionAndKeyOfANameCount) {
    EXPECT_EQ(Set("[setup]\r\ntxt=a\r\ntxt=b\r\n[setup]\r\ntxt=c\r\n"),
              "[setup]\r\ntxt=temp.txt\r\ntxt=b\r\n[setup]\r\ntxt=c\r\n");
}

TEST(ProfileWriter, AppendsAMissingKeyAfterTheSectionsLastLine) {
    EXPECT_EQ(Set("[setup]\r\nlang=ru\r\n\r\n\r\n[next]\r\na=1\r\n"),
              "[setup]\r\nlang=ru\r\ntxt=temp.txt\r\n\r\n\r\n[next]\r\na=1\r\n");
    // A section with no lines yet gets the key right after its header.
    EXPECT_EQ(Set("[setup]\r\n\r\n[next]\r\n"), "[setup]\r\ntxt=temp.txt\r\n\r\n[next]\r\n");
    // The last line of the file without its line end gets one first.
    EXPECT_EQ(Set("[setup]\r\nlang=ru"), "[setup]\r\nlang=ru\r\ntxt=temp.txt\r\n");
    // A "txt" that is only part of a name, or a comment, is not the key.
    EXPECT_EQ(Set("[setup]\r\ntxt2=x\r\n;txt=y\r\n"),
              "[setup]\r\ntxt2=x\r\n;txt=y\r\ntxt=temp.txt\r\n");
}

TEST(ProfileWriter, AppendsAMissingSectionAtTheEnd) {
    EXPECT_EQ(Set("[a]\r\nx=1\r\n"), "[a]\r\nx=1\r\n[setup]\r\ntxt=temp.txt\r\n");
    EXPECT_EQ(Set("[a]\r\nx=1"), "[a]\r\nx=1\r\n[setup]\r\ntxt=temp.txt\r\n");
    // A key before any section is in no section.
    EXPECT_EQ(Set("txt=x\r\n"), "txt=x\r\n[setup]\r\ntxt=temp.txt\r\n");
    EXPECT_EQ(Set(""), "[setup]\r\ntxt=temp.txt\r\n");
}

TEST(ProfileWriter, KeepsTheFilesLineEnds) {
    EXPECT_EQ(Set("[a]\nx=1\n"), "[a]\nx=1\n[setup]\ntxt=temp.txt\n");
    EXPECT_EQ(Set("[setup]\nlang=ru\n[b]\r\n"), "[setup]\nlang=ru\ntxt=temp.txt\n[b]\r\n");
    EXPECT_EQ(Set("[setup]\ntxt=old\n"), "[setup]\ntxt=temp.txt\n");
    EXPECT_EQ(Set("[setup]\rtxt=old\r"), "[setup]\rtxt=temp.txt\r");
}

TEST(ProfileWriter, RejectsEntriesThatWouldBreakTheFile) {
    EXPECT_THROW(WriteProfileString("", "setup", "txt", "a\r\nb=c"), std::invalid_argument);
    EXPECT_THROW(WriteProfileString("", "se\ntup", "txt", "v"), std::invalid_argument);
    EXPECT_THROW(WriteProfileString("", "setup", "", "v"), std::invalid_argument);
    EXPECT_THROW(WriteProfileString("", "setup", "a=b", "v"), std::invalid_argument);
    EXPECT_THROW(WriteProfileString("", "set]up", "txt", "v"), std::invalid_argument);
}

TEST(ProfileWriter, WrittenValueReadsBack) {
    TempDir dir;
    dir.Write("opc.ini", "[Setup]\nfoo=bar\n[x]\ntxt=no\n");
    SetProfileStringInFile(dir.Name("opc.ini"), "setup", "txt", "temp.txt");
    EXPECT_EQ(dir.Read("opc.ini"), "[Setup]\nfoo=bar\ntxt=temp.txt\n[x]\ntxt=no\n");
    TIniFile ini(dir.Name("opc.ini"));
    EXPECT_EQ(ini.ReadString("setup", "txt", ""), "temp.txt");
    EXPECT_EQ(ini.ReadString("x", "txt", ""), "no");
}

TEST(ProfileWriter, CreatesAMissingFile) {
    TempDir dir;
    SetProfileStringInFile(dir.Name("opc.ini"), "setup", "txt", "temp.txt");
    EXPECT_EQ(dir.Read("opc.ini"), "[setup]\r\ntxt=temp.txt\r\n");
    // Nothing else is left beside it.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

TEST(ProfileWriter, FailureNamesTheFileAndChangesNothing) {
    TempDir dir;
    const std::string missingFolder = dir.Name("no such folder/opc.ini");
    try {
        SetProfileStringInFile(missingFolder, "setup", "txt", "temp.txt");
        ADD_FAILURE() << "no error";
    } catch (const EIniFileException& e) {
        EXPECT_EQ(e.Message(), "Unable to write to " + missingFolder);
        EXPECT_STREQ(e.ClassName(), "EIniFileException");
    }
    EXPECT_FALSE(fs::exists(dir.path() / "no such folder"));

    // A folder in the file's place cannot be read or replaced.
    fs::create_directory(dir.path() / "opc.ini");
    EXPECT_THROW(SetProfileStringInFile(dir.Name("opc.ini"), "setup", "txt", "temp.txt"),
                 EIniFileException);
    EXPECT_TRUE(fs::is_directory(dir.path() / "opc.ini"));
}

TEST(ProfileWriter, ReadOnlyFileIsNotWritten) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes through any protection";
    TempDir dir;
    const std::string original = "[setup]\r\ntxt=old.txt\r\n";
    dir.Write("opc.ini", original);
    fs::permissions(dir.path() / "opc.ini", fs::perms::owner_read);
    EXPECT_THROW(SetProfileStringInFile(dir.Name("opc.ini"), "setup", "txt", "temp.txt"),
                 EIniFileException);
    EXPECT_EQ(dir.Read("opc.ini"), original);
}

TEST(ProfileWriter, FolderWithoutRoomForATemporaryFileGetsTheFileRewritten) {
    TempDir dir;
    dir.Write("ro/opc.ini", "[setup]\r\ntxt=a much longer old value.txt\r\n");
    fs::permissions(dir.path() / "ro" / "opc.ini", fs::perms(0640));
    const ClosedFolder closed(dir.path() / "ro");
    if (!closed.Closed())
        GTEST_SKIP() << "the folder cannot be closed to new files here";
    SetProfileStringInFile(dir.Name("ro/opc.ini"), "setup", "txt", "temp.txt");
    EXPECT_EQ(dir.Read("ro/opc.ini"), "[setup]\r\ntxt=temp.txt\r\n");
    EXPECT_EQ(fs::status(dir.path() / "ro" / "opc.ini").permissions(), fs::perms(0640));
    // A missing file cannot be made there: that is still reported.
    EXPECT_THROW(SetProfileStringInFile(dir.Name("ro/new.ini"), "setup", "txt", "temp.txt"),
                 EIniFileException);
}

TEST(ProfileWriter, WritesThroughASymbolicLinkToItsTarget) {
    TempDir dir;
    dir.Write("tool/opc.ini", "[setup]\r\ntxt=old.txt\r\n");
    fs::create_symlink("tool/opc.ini", dir.path() / "opc.ini");
    fs::create_symlink(dir.path() / "tool" / "made.ini", dir.path() / "dangling.ini");
    SetProfileStringInFile(dir.Name("opc.ini"), "setup", "txt", "temp.txt");
    SetProfileStringInFile(dir.Name("dangling.ini"), "setup", "txt", "temp.txt");
    EXPECT_TRUE(fs::is_symlink(dir.path() / "opc.ini"));
    EXPECT_TRUE(fs::is_symlink(dir.path() / "dangling.ini"));
    EXPECT_EQ(dir.Read("tool/opc.ini"), "[setup]\r\ntxt=temp.txt\r\n");
    EXPECT_EQ(dir.Read("tool/made.ini"), "[setup]\r\ntxt=temp.txt\r\n");
}

TEST(ProfileWriter, EntriesThatCannotStandGiveTheWriteError) {
    TempDir dir;
    dir.Write("opc.ini", "[setup]\r\n");
    EXPECT_THROW(SetProfileStringInFile(dir.Name("opc.ini"), "setup", "txt", "a\nb"),
                 EIniFileException);
    EXPECT_EQ(dir.Read("opc.ini"), "[setup]\r\n");
}
