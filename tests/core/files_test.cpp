#include <gtest/gtest.h>

#include <sys/stat.h>

#include "opcodes/files/file_io.h"
#include "opcodes/files/file_names.h"
#include "tests/support/temp_dir.h"

TEST(FileNames, WindowsNamesResolveCaseInsensitivelyWithExactMatchFirst) {
    TempDir dir;
    dir.Write("INI/SASCM.ini", "upper");
    dir.Write("INI/sascm.ini", "lower");
    dir.Write("INI/NodeInfo.ini", "node");
    CurrentDirScope cd(dir.path());
    std::string bytes;

    ASSERT_TRUE(ReadWholeFile("INI\\SASCM.ini", bytes).ok());
    EXPECT_EQ(bytes, "upper");
    ASSERT_TRUE(ReadWholeFile("INI\\sascm.ini", bytes).ok());
    EXPECT_EQ(bytes, "lower");
    ASSERT_TRUE(ReadWholeFile("Ini\\NODEINFO.INI", bytes).ok());
    EXPECT_EQ(bytes, "node");
    // Absolute, built on the current directory with a backslash, as the program does.
    ASSERT_TRUE(ReadWholeFile(CurrentDir() + "\\iNi\\nodeinfo.ini", bytes).ok());
    EXPECT_EQ(bytes, "node");
    EXPECT_TRUE(FileExists("ini/NodeInfo.INI"));
    EXPECT_FALSE(FileExists("INI"));  // a folder is no file
    EXPECT_FALSE(FileExists("INI\\Missing.ini"));
    EXPECT_EQ(FullFileName("INI\\Opcodes.tree"), CurrentDir() + "/INI/Opcodes.tree");
}

TEST(FileIo, FailuresAreToldApart) {
    TempDir dir;
    CurrentDirScope cd(dir.path());
    std::string bytes = "old";
    FileResult r = ReadWholeFile("absent.txt", bytes);
    EXPECT_EQ(r.error, FileError::NotFound);
    EXPECT_EQ(InOutErrorMessage(r), "File not found");
    EXPECT_TRUE(bytes.empty());
    r = ReadWholeFile("NoFolder\\absent.txt", bytes);
    EXPECT_EQ(InOutErrorMessage(r), "Invalid filename");
    dir.Write("sub/x", "");
    r = ReadWholeFile("sub", bytes);
    EXPECT_EQ(InOutErrorMessage(r), "File access denied");
}

TEST(FileIo, OnlyRegularFilesOfBoundedSizeAreRead) {
    TempDir dir;
    CurrentDirScope cd(dir.path());
    std::string bytes = "old";
    // A pipe under a data file's name is refused at once, not waited on.
    ASSERT_EQ(::mkfifo(dir.Name("pipe.ini").c_str(), 0600), 0);
    FileResult r = ReadWholeFile("PIPE.INI", bytes);
    EXPECT_EQ(r.error, FileError::AccessDenied);
    EXPECT_EQ(r.systemMessage, "Not a regular file");
    EXPECT_TRUE(bytes.empty());
    // A device that never ends.
    std::filesystem::create_symlink("/dev/zero", dir.path() / "zero.ini");
    EXPECT_EQ(ReadWholeFile("zero.ini", bytes).error, FileError::AccessDenied);
    // A (sparse) file one byte over the bound is not read at all.
    dir.Write("big.ini", "x");
    std::filesystem::resize_file(dir.path() / "big.ini", kMaxReadFileSize + 1);
    r = ReadWholeFile("big.ini", bytes);
    EXPECT_EQ(r.error, FileError::Other);
    EXPECT_EQ(InOutErrorMessage(r), "File too large");
    EXPECT_TRUE(bytes.empty());
}

TEST(FileIo, WriteAppendAndAtomicReplace) {
    TempDir dir;
    CurrentDirScope cd(dir.path());
    ASSERT_TRUE(WriteWholeFile("a.txt", "one").ok());
    ASSERT_TRUE(AppendToFile("a.txt", "\r\ntwo").ok());
    ASSERT_TRUE(AppendToFile("new.log", "x").ok());
    EXPECT_EQ(dir.Read("a.txt"), "one\r\ntwo");
    EXPECT_EQ(dir.Read("new.log"), "x");

    ::chmod(dir.Name("a.txt").c_str(), 0600);
    ASSERT_TRUE(ReplaceFileAtomically("A.TXT", "replaced").ok());
    EXPECT_EQ(dir.Read("a.txt"), "replaced");
    struct stat st {};
    ASSERT_EQ(::stat(dir.Name("a.txt").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);

    // A failed replace leaves no temporary file behind.
    EXPECT_FALSE(ReplaceFileAtomically("NoFolder\\x.ini", "y").ok());
    std::size_t entries = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir.path())) {
        (void)e;
        ++entries;
    }
    EXPECT_EQ(entries, 2u);
    EXPECT_FALSE(WriteWholeFile("NoFolder\\x.txt", "y").ok());
}
