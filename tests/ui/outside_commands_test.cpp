// The hand-over to the outside search tool where it cannot go through; its way through is
// driven end to end by the black-box test.
#include <QTreeWidget>
#include <filesystem>

#include "tests/ui/search_fixture.h"

namespace fs = std::filesystem;

// No category: the user is told. A category without an opcode line: nothing happens. A
// "temp.txt" that cannot be written leaves "opc.ini" alone; an "opc.ini" that cannot be
// written leaves the tool unstarted; both go to the error handler. A missing "opc.ini" is
// made anew.
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
    EXPECT_EQ(dir.Read("opc.ini"), "[setup]\r\ntxt=temp.txt\r\n"); // made anew
    EXPECT_EQ(fake.processes.calls.size(), 1u);
    EXPECT_EQ(fake.boxes.errors.size(), 3);
}
