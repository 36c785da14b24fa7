#include "opcodes/files/program_search.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "tests/support/temp_dir.h"

namespace fs = std::filesystem;

namespace {

void WriteProgram(const TempDir& dir, const std::string& relative, bool executable = true) {
    dir.Write(relative, "#!/bin/sh\n");
    ::chmod(dir.Name(relative).c_str(), executable ? 0755 : 0644);
}

} // namespace

TEST(FindProgram, LooksInTheExecutablesFolderThenTheCurrentOneThenThePath) {
    TempDir dir;
    for (const char* name : {"exe/KLV", "cd/KLV", "p1/KLV", "p2/KLV"})
        WriteProgram(dir, name);
    const fs::path exe = dir.path() / "exe", cd = dir.path() / "cd";
    const std::string path = dir.Name("p1") + ":" + dir.Name("p2");

    EXPECT_EQ(FindProgram("KLV", exe, cd, path), exe / "KLV");
    fs::remove(exe / "KLV");
    EXPECT_EQ(FindProgram("KLV", exe, cd, path), cd / "KLV");
    fs::remove(cd / "KLV");
    EXPECT_EQ(FindProgram("KLV", exe, cd, path), dir.path() / "p1" / "KLV");
    fs::remove(dir.path() / "p1" / "KLV");
    EXPECT_EQ(FindProgram("KLV", exe, cd, path), dir.path() / "p2" / "KLV");
}

TEST(FindProgram, SkipsWhatCannotBeRun) {
    TempDir dir;
    WriteProgram(dir, "exe/KLV", false);
    fs::create_directories(dir.path() / "cd" / "KLV"); // a folder of that name
    WriteProgram(dir, "p/KLV");
    EXPECT_EQ(FindProgram("KLV", dir.path() / "exe", dir.path() / "cd", dir.Name("p")),
              dir.path() / "p" / "KLV");
    EXPECT_EQ(FindProgram("KLV", dir.path() / "exe", dir.path() / "cd", "/nonexistent"),
              std::nullopt);
    EXPECT_EQ(FindProgram("", dir.path() / "p", dir.path() / "p", ""), std::nullopt);
}

TEST(FindProgram, EmptyPathEntryMeansTheCurrentDirectory) {
    TempDir dir;
    WriteProgram(dir, "cd/KLV");
    // Not found as the current directory itself (it is not marked as such) but through "::".
    EXPECT_EQ(FindProgram("KLV", {}, {}, "/nonexistent::/also-not"), std::nullopt);
    EXPECT_EQ(FindProgram("KLV", {}, dir.path() / "cd", "/nonexistent::/also-not"),
              dir.path() / "cd" / "KLV");
}

TEST(FindProgram, NameMatchesInAnyCaseAndTheExactNameWins) {
    TempDir dir;
    WriteProgram(dir, "cd/opctool.exe");
    WriteProgram(dir, "p/OPCTOOL.EXE");
    const fs::path cd = dir.path() / "cd";
    EXPECT_EQ(FindProgram("opctool.EXE", {}, cd, ""), cd / "opctool.exe");
    EXPECT_EQ(FindProgram("OpcTool.Exe", {}, {}, dir.Name("p")), dir.path() / "p" / "OPCTOOL.EXE");

    WriteProgram(dir, "cd/opctool.EXE");
    EXPECT_EQ(FindProgram("opctool.EXE", {}, cd, ""), cd / "opctool.EXE");
    // Cyrillic letters are no Latin letters: their case must match.
    WriteProgram(dir, "cd/утилита");
    EXPECT_EQ(FindProgram("УТИЛИТА", {}, cd, ""), std::nullopt);
}
