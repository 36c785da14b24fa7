// The outside commands on a list that the category listing filled: what a category
// change does to the look-up, the search window's results and the hand-over.
#include <QAction>
#include <QLabel>
#include <QPushButton>

#include "opcodes/cp1251.h"
#include "tests/ui/browse_fixture.h"

TEST_F(BrowseTest, OutsideCommandsFollowTheListedCategory) {
    OpenShown();
    ClickNode(QStringLiteral(u"Все"));
    const QStringList all = Column(0);
    ASSERT_GE(all.size(), 3);
    ClickRow(2);
    form->BrowseWiki->trigger();
    EXPECT_EQ(fake.shell.opened.value(0),
              QStringLiteral("https://script-wiki.org/index.php?title=") + all[2].left(4));

    find->BtnAll->click();
    EXPECT_EQ(find->ListViewFind->Rows()->Count(), all.size());
    find->ListViewFind->setCurrentIndex(find->ListViewFind->Rows()->index(0, 0)); // all[0]

    ClickNode(QStringLiteral(u"Повторы"));
    ASSERT_FALSE(Column(0).contains(all[0]));
    // The rebuilt list has no focused row, the results stay but their count is reset.
    form->BrowseWiki->trigger();
    EXPECT_EQ(fake.boxes.errors.size(), 1);
    EXPECT_EQ(fake.shell.opened.value(1),
              QStringLiteral("https://script-wiki.org/index.php?title=0000"));
    EXPECT_EQ(find->ListViewFind->Rows()->Count(), all.size());
    EXPECT_EQ(FindPanel(1), QStringLiteral(u"Найдено: 0"));
    find->NShow->trigger();
    EXPECT_EQ(fake.boxes.warnings.size(), 1);

    // The hand-over takes the rows as listed.
    form->NFindInOST->trigger();
    std::string listed;
    for (const QString& caption : Column(0))
        listed += "\r\n" + Utf8ToCp1251(caption.toStdString());
    EXPECT_EQ(dir.Read("temp.txt"), listed);
    EXPECT_EQ(fake.processes.calls.size(), 1u);
}
