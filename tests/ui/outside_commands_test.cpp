// Web look-up of the focused opcode, and the hand-over to the outside search tool where it
// cannot go through.
#include <QTreeWidget>
#include <filesystem>

#include "tests/ui/search_fixture.h"

namespace fs = std::filesystem;

// The focused row's opcode, not the selected rows', opens on the chosen site; whether the
// desktop could open it is not reported. Without a focused row the box comes first, then
// opcode 0000 opens.
TEST_F(SearchWindowsTest, LookUpOpensTheFocusedOpcode) {
    ShowActive(formMain.get()); // before the rows: a list focused without a current row gets one
    SelectRows(MainList(), {2, 5});
    MainList()->selectionModel()->setCurrentIndex(MainList()->Rows()->index(4, 0),
                                                  QItemSelectionModel::NoUpdate);
    fake.shell.result = {false, QStringLiteral("No browser")};
    Trigger("BrowseWiki");
    FillMainList({kSampleRows[1]});
    std::size_t openedWhileBox = 99;
    fake.boxes.whileOpen = [&] { openedWhileBox = fake.shell.opened.size(); };
    QTest::keyClick(Child<QWidget>(formMain.get(), "OpTreeView"), Qt::Key_F1, Qt::ControlModifier);
    EXPECT_EQ(fake.shell.opened,
              (QStringList{QStringLiteral("https://script-wiki.org/index.php?title=0A8C"),
                           QStringLiteral("https://opcode-base.org/?search=0000&show=all")}));
    EXPECT_EQ(openedWhileBox, 1u);
    EXPECT_EQ(fake.boxes.errors.size(), 1);
    EXPECT_EQ(fake.sounds.played, std::vector<SystemSound>{SystemSound::CriticalStop});
}

// No category: the user is told. A category without an opcode line: nothing happens. A
// "temp.txt" that cannot be written leaves "opc.ini" alone; an "opc.ini" that cannot be
// written leaves the tool unstarted; both go to the error handler.
TEST_F(SearchWindowsTest, HandOverStopsAtItsFirstFailure) {
    auto* tree = Child<QTreeWidget>(formMain.get(), "OpTreeView");
    tree->setCurrentItem(nullptr);
    Trigger("NFindInOST");
    EXPECT_EQ(fake.boxes.errors, QStringList{QStringLiteral(u"Ни одна категория не выделена!")});
    EXPECT_EQ(fake.sounds.played, std::vector<SystemSound>{SystemSound::CriticalStop});
    tree->setCurrentItem(tree->topLevelItem(1)); // "Cleo": no opcode line
    Trigger("NFindInOST");
    EXPECT_FALSE(fs::exists(dir.path() / "temp.txt"));

    tree->setCurrentItem(tree->topLevelItem(0));
    fs::create_directory(dir.path() / "temp.txt");
    fs::create_directory(dir.path() / "opc.ini");
    Trigger("NFindInOST");
    EXPECT_EQ(fake.boxes.errors.value(1),
              BoxText(QStringLiteral("File access denied"), QStringLiteral("EInOutError")));
    fs::remove(dir.path() / "temp.txt");
    Trigger("NFindInOST");
    const std::string message = "Unable to write to " + (dir.path() / "opc.ini").string();
    EXPECT_EQ(fake.boxes.errors.value(2), BoxText(QString::fromStdString(message),
                                                  QStringLiteral("EIniFileException")));
    EXPECT_TRUE(fs::is_regular_file(dir.path() / "temp.txt"));
    EXPECT_TRUE(fake.processes.calls.empty());
    fs::remove(dir.path() / "opc.ini");
    Trigger("NFindInOST");
    EXPECT_EQ(fake.processes.calls.size(), 1u);
    EXPECT_EQ(fake.boxes.errors.size(), 3);
}
