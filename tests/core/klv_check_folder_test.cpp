// klv-check on whole folders: the shipped sample, names as found on disk, garbage; and
// the report's own rules.

#include <gtest/gtest.h>

#include <random>

#include "tests/core/klv_check_fixture.h"

namespace {

std::string Listing(const CheckReport& report) {
    std::string text;
    for (const Finding& f : report.findings)
        text += FormatFinding(f, report.fileNames[static_cast<std::size_t>(f.file)]) + "\n";
    return text;
}

TEST(KlvCheckFolder, TheSampleDatabaseChecksClean) {
    CurrentDirScope cd(KELPRA_SAMPLE_DIR);
    const CheckReport report = CheckDatabase(DatabaseFiles::ForCurrentDir(CurrentDir()));
    EXPECT_TRUE(report.findings.empty()) << Listing(report);
    EXPECT_EQ(report.fileNames[0], "INI/SASCM.ini");
    EXPECT_EQ(report.fileNames[3], "INI/Types.Opcodes");  // opened as "Ini\Types.Opcodes"
}

TEST(KlvCheckFolder, TheCraftedFolderIsCleanAndAFinal1AByteChangesNothing) {
    CheckFolder folder;
    EXPECT_TRUE(folder.Findings().empty()) << ::testing::PrintToString(folder.Findings());
    EXPECT_FALSE(folder.StartUpStops());
    folder.WriteBytes("Nodes.Opcodes", DataText("0000 0001 0002\n0001\n") + "\x1A");
    EXPECT_TRUE(folder.Findings().empty()) << ::testing::PrintToString(folder.Findings());
}

TEST(KlvCheckFolder, FilesAreNamedAsFoundOnDisk) {
    TempDir dir;
    for (const auto& [name, text] : CleanDatabase()) {
        std::string lower = name;
        for (char& ch : lower) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        dir.Write("ini/" + lower, DataText(text));
    }
    dir.Write("ini/opcodes.tree", DataText("All\n\tFirst\n\tSecond\n\tThird\n"));
    CurrentDirScope cd(dir.path());
    const CheckReport report = CheckDatabase(DatabaseFiles::ForCurrentDir(CurrentDir()));
    ASSERT_EQ(report.findings.size(), 1u) << Listing(report);
    EXPECT_EQ(report.fileNames[static_cast<std::size_t>(report.findings[0].file)], "ini/opcodes.tree");
    EXPECT_EQ(report.findings[0].line, 4);
}

TEST(KlvCheckFolder, TypesPastTheLimitOf256AreReportedOnce) {
    CheckFolder folder;
    std::string typeInfo = "[T0]\nCaption=c\nShortCaption=s\nOpcodes=1\n[T1]\nCaption=c\nShortCaption=s\nOpcodes=2\n";
    for (int t = 2; t < 260; ++t) typeInfo += "[T" + std::to_string(t) + "]\nCaption=c\nShortCaption=s\n";
    folder.Write("TypeInfo.ini", typeInfo);
    const std::vector<std::string> findings = folder.Findings();
    ASSERT_EQ(findings.size(), 1u) << ::testing::PrintToString(findings);
    // Two sections of four lines, then 254 of three lines: T256 starts at line 771.
    EXPECT_EQ(findings[0].rfind("INI/TypeInfo.ini:771: warning: type 'T256' is type number 257 of 260", 0), 0u)
        << findings[0];
}

TEST(KlvCheckFolder, ExtremeLineNumbersAndFoldersInPlaceOfFiles) {
    CheckFolder folder;
    folder.Write("NodeInfo.ini", "[All]\nCaption=a\nOpcodes=1\n[First]\nCaption=b\nOpcodes=2147483647\n"
                                 "[Second]\nCaption=c\nOpcodes=-2147483648\n");
    const std::vector<std::string> findings = folder.Findings();
    ASSERT_EQ(findings.size(), 3u) << ::testing::PrintToString(findings);
    EXPECT_NE(findings[0].find("Opcodes 2147483647 is past the end"), std::string::npos);
    EXPECT_NE(findings[1].find("Opcodes -2147483648 is below 1"), std::string::npos);
    EXPECT_NE(findings[2].find("Nodes.Opcodes:2: warning: no category names this line"), std::string::npos);

    for (const auto& [name, text] : CleanDatabase()) {
        folder.Remove(name);
        std::filesystem::create_directories(folder.Dir().path() / "INI" / name);
    }
    const CheckReport report = folder.Report();
    EXPECT_EQ(report.findings.size(), 7u) << Listing(report);
    EXPECT_EQ(report.ExitStatus(), 2);
}

// Random bytes drawn mostly from the characters that the formats give a meaning to.
std::string Garbage(std::mt19937& rng) {
    static const std::string alphabet = "[]=;, \t\r\n\r\n0123456789ABCDEFabcx-\x1A\xC0\xFF";
    std::string bytes(rng() % 3000, '\0');
    for (char& ch : bytes)
        ch = rng() % 8 == 0 ? static_cast<char>(rng()) : alphabet[rng() % alphabet.size()];
    return bytes;
}

TEST(KlvCheckFolder, GarbageFilesEndInFindingsNotACrash) {
    std::mt19937 rng(2024);
    int stopped = 0;
    for (int round = 0; round < 25; ++round) {
        CheckFolder folder;
        for (const auto& [name, text] : CleanDatabase()) folder.WriteBytes(name, Garbage(rng));
        CheckReport report;
        ASSERT_NO_THROW(report = folder.Report()) << "round " << round;
        EXPECT_FALSE(report.findings.empty()) << "round " << round;
        if (folder.StartUpStops()) {
            ++stopped;
            EXPECT_GT(report.Errors(), 0) << "round " << round;
        }
        for (const Finding& f : report.findings) {
            const std::string line = FormatFinding(f, "x");
            for (char ch : line) ASSERT_GE(static_cast<unsigned char>(ch), 0x20) << line;
        }
    }
    EXPECT_GT(stopped, 0);  // the garbage did reach the start-up's errors
}

TEST(CheckReport, ExitStatusSummaryAndLineForm) {
    CheckReport report;
    report.fileNames[0] = "INI/SASCM.ini";
    EXPECT_EQ(report.ExitStatus(), 0);
    EXPECT_EQ(FormatSummary(report), "no problems found");
    report.Warn(DataFile::NodeLines, 3, "w");
    EXPECT_EQ(report.ExitStatus(), 1);
    EXPECT_EQ(FormatSummary(report), "0 errors, 1 warning");
    report.Fail(DataFile::Opcodes, 0, "e");
    report.Warn(DataFile::Opcodes, 2, "w2");
    EXPECT_EQ(report.ExitStatus(), 2);
    EXPECT_EQ(FormatSummary(report), "1 error, 2 warnings");
    report.Sort();
    EXPECT_EQ(FormatFinding(report.findings[0], report.fileNames[0]), "INI/SASCM.ini: error: e");
    EXPECT_EQ(FormatFinding(report.findings[1], report.fileNames[0]), "INI/SASCM.ini:2: warning: w2");
    EXPECT_EQ(report.findings[2].file, DataFile::NodeLines);
}

TEST(CheckReport, QuotedTextsAreUtf8PrintableAndShort) {
    EXPECT_EQ(Quote(Utf8ToCp1251("Все опкоды")), "'Все опкоды'");
    EXPECT_EQ(Quote(std::string("a\tb\x01\x98", 5)), "'a\\x09b\\x01\\x98'");
    EXPECT_EQ(Quote(std::string(61, 'x')), "'" + std::string(60, 'x') + "...'");
}

}  // namespace
