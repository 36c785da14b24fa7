// Web look-up of the focused opcode and the hand-over to the outside search tool.
#include <QAction>
#include <QTest>
#include <QTreeWidget>
#include <filesystem>
#include <regex>

#include "opcodes/cp1251.h"
#include "tests/ui/search_fixture.h"

namespace fs = std::filesystem;

namespace {

const QString kNoFocusedOpcode =
    QStringLiteral(u"Ни один опкод не выделен!\r\nПо умолчанию опкод 0000");

QStringList Addresses(const TFormMain& form) {
    QStringList addresses;
    for (const char* name : {"BrowseOpcodeBase", "BrowseWiki", "BrowseIniEditor"})
        addresses.append(form.findChild<QAction*>(QString::fromLatin1(name))->property("address").toString());
    return addresses;
}

QStringList AddressesOf(const char* opcode) {
    const QString text = QString::fromLatin1(opcode);
    return {QStringLiteral("https://opcode-base.org/?search=%1&show=all").arg(text),
            QStringLiteral("https://script-wiki.org/index.php?title=%1").arg(text),
            QStringLiteral("https://ini-editor.org/editor/editor.php?opcode=%1").arg(text)};
}

} // namespace

TEST_F(SearchWindowsTest, LookUpUsesTheFocusedRowNotTheSelection) {
    EXPECT_EQ(Addresses(*formMain), AddressesOf("0000")); // before any look-up
    FillMainList(SampleRows());
    OpcodeListView* list = formMain->OpList();
    SelectRows(list, {2, 4, 5});
    list->selectionModel()->setCurrentIndex(list->Rows()->index(4, 0), QItemSelectionModel::NoUpdate);

    formMain->findChild<QAction*>(QStringLiteral("BrowseWiki"))->trigger();
    formMain->findChild<QAction*>(QStringLiteral("BrowseOpcodeBase"))->trigger();
    formMain->findChild<QAction*>(QStringLiteral("BrowseIniEditor"))->trigger();
    const QStringList expected = AddressesOf("0A8C");
    EXPECT_EQ(fake.shell.opened, (QStringList{expected[1], expected[0], expected[2]}));
    EXPECT_EQ(Addresses(*formMain), expected);
    EXPECT_TRUE(fake.boxes.errors.isEmpty());
}

TEST_F(SearchWindowsTest, LookUpWithoutAFocusedRowTellsAndOpensOpcode0000) {
    ShowActive(formMain.get());
    FillMainList(SampleRows());
    formMain->OpList()->setCurrentIndex(formMain->OpList()->Rows()->index(4, 0));
    formMain->findChild<QAction*>(QStringLiteral("BrowseWiki"))->trigger();
    ASSERT_EQ(fake.shell.opened.value(0), AddressesOf("0A8C")[1]);

    // A refilled list has no focused row until the user picks one.
    FillMainList({SampleRows()[1]});
    // The box comes first; the page opens once the user has closed it.
    std::size_t openedWhileBox = 99;
    fake.boxes.whileOpen = [&] { openedWhileBox = fake.shell.opened.size(); };
    QTest::keyClick(formMain->findChild<QTreeWidget*>(QStringLiteral("OpTreeView")), Qt::Key_F3, Qt::ControlModifier);
    EXPECT_EQ(openedWhileBox, 1u);
    EXPECT_EQ(fake.boxes.errors, QStringList{kNoFocusedOpcode});
    EXPECT_EQ(fake.sounds.played, std::vector<SystemSound>{SystemSound::CriticalStop});
    EXPECT_EQ(fake.shell.opened.value(1), AddressesOf("0000")[1]);

    FillMainList({});
    QTest::keyClick(formMain->findChild<QTreeWidget*>(QStringLiteral("OpTreeView")), Qt::Key_F1, Qt::ControlModifier);
    EXPECT_EQ(fake.boxes.errors.size(), 2);
    EXPECT_EQ(fake.shell.opened.value(2), AddressesOf("0000")[0]);
}

TEST_F(SearchWindowsTest, LookUpThatTheDesktopCannotOpenIsNotReported) {
    fake.shell.result = {false, QStringLiteral("No browser")};
    FillMainList(SampleRows());
    formMain->OpList()->setCurrentIndex(formMain->OpList()->Rows()->index(0, 0));
    formMain->findChild<QAction*>(QStringLiteral("BrowseIniEditor"))->trigger();
    EXPECT_EQ(fake.shell.opened, QStringList{AddressesOf("0001")[2]});
    EXPECT_TRUE(fake.boxes.errors.isEmpty());
    EXPECT_FALSE(fs::exists(dir.path() / "errors.log"));
}

namespace {

// The main window on the crafted database, with the outside tool's files in the folder
// and a category of the test's rows.
class HandOverTest : public SearchWindowsTest {
  protected:
    void SetUp() override {
        SearchWindowsTest::SetUp();
        FillMainList({SampleRows()[0], SampleRows()[4], SampleRows()[2]});
        Category(0); // "Все": it has an opcode line
    }
    void Category(int topLevel) {
        formMain->findChild<QTreeWidget*>(QStringLiteral("OpTreeView"))->setCurrentItem(formMain->findChild<QTreeWidget*>(QStringLiteral("OpTreeView"))->topLevelItem(topLevel));
    }
    std::string Read(const char* name) const { return dir.Read(name); }
    bool Exists(const char* name) const { return fs::exists(dir.path() / name); }
    std::size_t Starts() const { return fake.processes.calls.size(); }

    // Comments, other sections, blank lines, a last line without its end, LF-only lines.
    const std::string iniBefore = "; opctool settings\r\n[main]\r\ntxt=other.txt\r\n\r\n"
                                  "[Setup]\r\nlang=ru\r\nTXT = old.txt\r\n  ; note\nfont=8";
    const std::string iniAfter = "; opctool settings\r\n[main]\r\ntxt=other.txt\r\n\r\n"
                                 "[Setup]\r\nlang=ru\r\nTXT=temp.txt\r\n  ; note\nfont=8";
    const std::string listed = Utf8ToCp1251("\r\n0001: wait %1d% ms\r\n0A8C: Ждать актёра %1d%\r\n"
                                            "00A1: put_actor %1d% at %2d% %3d%");
};

} // namespace

TEST_F(HandOverTest, WritesTheListedCaptionsPointsTheToolAtThemAndStartsIt) {
    dir.Write("opc.ini", iniBefore);
    dir.Write("temp.txt", std::string(1000, 'x'));
    formMain->findChild<QAction*>(QStringLiteral("NFindInOST"))->trigger();
    EXPECT_EQ(Read("temp.txt"), listed);
    EXPECT_EQ(Read("opc.ini"), iniAfter);
    ASSERT_EQ(Starts(), 1u);
    EXPECT_EQ(fake.processes.calls[0].program, QStringLiteral("opctool.EXE"));
    EXPECT_FALSE(fake.processes.calls[0].minimised);

    // An empty category still hands over (an empty file); a second run starts a second tool.
    FillMainList({});
    formMain->findChild<QAction*>(QStringLiteral("NFindInOST"))->trigger();
    EXPECT_EQ(Read("temp.txt"), "");
    EXPECT_EQ(Read("opc.ini"), iniAfter);
    EXPECT_EQ(Starts(), 2u);
    EXPECT_TRUE(fake.boxes.errors.isEmpty());
}

TEST_F(HandOverTest, MissingSettingsFileIsCreatedWithTheOneKey) {
    fake.processes.result = {false, QStringLiteral("not there")}; // not reported
    formMain->findChild<QAction*>(QStringLiteral("NFindInOST"))->trigger();
    EXPECT_EQ(Read("opc.ini"), "[setup]\r\ntxt=temp.txt\r\n");
    EXPECT_EQ(Starts(), 1u);
    EXPECT_TRUE(fake.boxes.errors.isEmpty());
}

TEST_F(HandOverTest, WithoutACategoryNothingIsTouched) {
    dir.Write("opc.ini", iniBefore);
    formMain->findChild<QTreeWidget*>(QStringLiteral("OpTreeView"))->setCurrentItem(nullptr);
    formMain->findChild<QAction*>(QStringLiteral("NFindInOST"))->trigger();
    EXPECT_EQ(fake.boxes.errors, QStringList{QStringLiteral(u"Ни одна категория не выделена!")});
    EXPECT_EQ(fake.sounds.played, std::vector<SystemSound>{SystemSound::CriticalStop});

    Category(1); // "Cleo": no opcode line, so nothing to hand over and nothing to say
    formMain->findChild<QAction*>(QStringLiteral("NFindInOST"))->trigger();
    EXPECT_EQ(fake.boxes.errors.size(), 1);
    EXPECT_FALSE(Exists("temp.txt"));
    EXPECT_EQ(Read("opc.ini"), iniBefore);
    EXPECT_EQ(Starts(), 0u);
}

TEST_F(HandOverTest, UnwritableHandOverFileStopsBeforeTheSettings) {
    dir.Write("opc.ini", iniBefore);
    fs::create_directory(dir.path() / "temp.txt");
    formMain->findChild<QAction*>(QStringLiteral("NFindInOST"))->trigger();
    EXPECT_EQ(fake.boxes.errors, QStringList{BoxText(QStringLiteral("File access denied"),
                                                     QStringLiteral("EInOutError"))});
    EXPECT_TRUE(
        std::regex_match(Log(), std::regex(RecordPattern("EInOutError", "File access denied."))));
    EXPECT_EQ(Read("opc.ini"), iniBefore);
    EXPECT_EQ(Starts(), 0u);
}

TEST_F(HandOverTest, UnwritableSettingsFileStopsBeforeTheTool) {
    fs::create_directory(dir.path() / "opc.ini");
    formMain->findChild<QAction*>(QStringLiteral("NFindInOST"))->trigger();
    const std::string message = "Unable to write to " + (dir.path() / "opc.ini").string();
    EXPECT_EQ(fake.boxes.errors, QStringList{BoxText(QString::fromStdString(message),
                                                     QStringLiteral("EIniFileException"))});
    EXPECT_EQ(Read("temp.txt"), listed);
    EXPECT_EQ(Starts(), 0u);
}
