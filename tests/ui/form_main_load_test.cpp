// The window's creation on crafted databases: what is loaded, and what each failure
// leaves behind.
#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QSplitter>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <regex>

#include "opcodes/categories.h"
#include "opcodes/cp1251.h"
#include "tests/ui/form_fixture.h"
#include "ui/main/tree_nodes.h"

namespace {

const QStringList kDesignedTypes = {QStringLiteral(u"[ ] Действия"),
                                    QStringLiteral(u"[ ] Присваивание свойства"),
                                    QStringLiteral(u"[ ] Получение свойства"),
                                    QStringLiteral(u"[ ] Проверки"),
                                    QStringLiteral(u"[ ] Неподдерживаемые"),
                                    QStringLiteral(u"[ ] Пустышки"),
                                    QStringLiteral(u"[ ] Другое")};

std::vector<QTreeWidgetItem*> Nodes(QTreeWidget* tree) {
    std::vector<QTreeWidgetItem*> nodes;
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        nodes.push_back(*it);
    return nodes;
}

bool HasDesignedTree(QTreeWidget* tree) {
    const QStringList outline = Outline(tree);
    return outline.size() == 50 && outline.first() == QStringLiteral("AllOpcodes") &&
           outline.last() == QStringLiteral("Cleo-opcodes") &&
           outline.contains(QStringLiteral("\t\t\t\tactor_beside_with_object"));
}

int Panel3Width(TFormMain& form) {
    return form.Panel3->width();
}

} // namespace

TEST_F(FormMainTest, LoadsTheTreeWithCaptionsRecordsAndExpansion) {
    auto form = Open();
    EXPECT_TRUE(fake.boxes.errors.isEmpty());
    // "Все" opens by step 11, "Актёры" by its setting; "true" is not a number.
    EXPECT_EQ(Outline(form->OpTreeView),
              (QStringList{QStringLiteral(u"Все опкоды +"), QStringLiteral(u"\tИгрок"),
                           QStringLiteral(u"\tАктёры +"), QStringLiteral(u"\t\tПроверки актёров"),
                           QStringLiteral(u"Cleo-опкоды")}));

    const auto nodes = Nodes(form->OpTreeView);
    const TNodedata* all = NodeData(nodes[0]);
    ASSERT_NE(all, nullptr);
    EXPECT_EQ(all->Opcodes, (std::vector<int32_t>{0x0001, 0x0002, 0x00A1, 0x0AF0}));
    EXPECT_EQ(all->Name, Utf8ToCp1251("Все"));
    EXPECT_EQ(all->Note, Utf8ToCp1251("Всё сразу"));
    // A parent's list is its own line only.
    ASSERT_NE(NodeData(nodes[2]), nullptr);
    EXPECT_EQ(NodeData(nodes[2])->Opcodes, (std::vector<int32_t>{0x00A1, 0x0002}));
    EXPECT_EQ(NodeData(nodes[1])->Opcodes, (std::vector<int32_t>{0x0001}));
    EXPECT_EQ(NodeData(nodes[3]), nullptr);
    EXPECT_EQ(NodeData(nodes[4]), nullptr);
    for (QTreeWidgetItem* node : nodes) {
        EXPECT_EQ(node->data(0, kImageIndexRole).toInt(), 0);
        EXPECT_EQ(node->data(0, kSelectedIndexRole).toInt(), 1);
    }

    EXPECT_EQ(form->StatusPanel(2)->text(), QStringLiteral(u"Всего: 4"));
    EXPECT_EQ(CheckItems(form->CheckListBoxType),
              (QStringList{QStringLiteral(u"[x] Действия"), QStringLiteral(u"[x] Проверки")}));
    ASSERT_NE(form->OpcodeList(), nullptr);
    EXPECT_EQ(form->OpcodeList()->GetItem(0x00A1).TypeText, Utf8ToCp1251("П, "));
    EXPECT_FALSE(form->NInternet->menuAction()->isEnabled());
    EXPECT_TRUE(form->windowState() & Qt::WindowMaximized);
    EXPECT_EQ(Log(), "");
}

TEST_F(FormMainTest, TotalPanelKeepsItsTextWhenTheFirstNodeHasNoLine) {
    CraftedDb db;
    db.tree = "Cleo\nВсе\n";
    auto form = Open(db);
    EXPECT_EQ(form->StatusPanel(2)->text(), QStringLiteral(u"Всего: 0"));
    EXPECT_EQ(Outline(form->OpTreeView),
              (QStringList{QStringLiteral(u"Cleo-опкоды +"), QStringLiteral(u"Все опкоды")}));
}

TEST_F(FormMainTest, OutsideSearchItemNeedsBothOfItsFiles) {
    {
        auto form = Open();
        EXPECT_FALSE(form->NFindInOST->isVisible());
    }
    dir.Write("opctool.exe", "");
    EXPECT_FALSE(Open(std::nullopt)->NFindInOST->isVisible());
    dir.Write("OPC.INI", "");
    EXPECT_TRUE(Open(std::nullopt)->NFindInOST->isVisible());
}

TEST_F(FormMainTest, LookUpSitesComeFromTheDataFolderEvenWhenTheLoadingStops) {
    dir.WriteCp1251("INI/sites.INI", "[Wiki]\r\nCaption=Вики\r\nAddress=https://wiki.example\r\n"
                                     "[IniEditor]\r\nCaption=Редактор\r\nAddress=file:///bin/sh\r\n");
    CraftedDb db;
    db.opcodes = "[OPCODES]\n0002=x,jump\n";
    auto form = Open(db);
    EXPECT_EQ(form->BrowseWiki->text(), QStringLiteral(u"&Вики"));
    EXPECT_EQ(form->BrowseIniEditor->statusTip(),
              QStringLiteral(u"Посмотреть описание опкода на сайте Редактор"));
    EXPECT_EQ(form->BrowseOpcodeBase->text(), QStringLiteral("&OpcodeBase"));
    form->BrowseWiki->trigger();
    form->BrowseIniEditor->trigger();
    // The file's address that is no web address is never opened: the built-in one is.
    EXPECT_EQ(fake.shell.opened,
              (QStringList{QStringLiteral("https://wiki.example/index.php?title=0000"),
                           QStringLiteral("https://ini-editor.org/editor/editor.php?opcode=0000")}));
}

TEST_F(FormMainTest, CountPartThatIsNoIntegerStopsBeforeTheTable) {
    CraftedDb db;
    db.opcodes = "[OPCODES]\n0002=x,jump\n";
    auto form = Open(db);
    const QString message = QStringLiteral("'x' is not a valid integer value");
    EXPECT_EQ(fake.boxes.errors, QStringList{BoxText(message, QStringLiteral("EConvertError"))});
    EXPECT_EQ(fake.sounds.played, std::vector<SystemSound>{SystemSound::CriticalStop});
    EXPECT_TRUE(std::regex_match(
        Log(), std::regex(RecordPattern("EConvertError", message.toStdString() + "."))))
        << Log();

    EXPECT_EQ(form->OpcodeList(), nullptr);
    EXPECT_TRUE(HasDesignedTree(form->OpTreeView));
    for (QTreeWidgetItem* node : Nodes(form->OpTreeView))
        EXPECT_EQ(NodeData(node), nullptr);
    EXPECT_EQ(CheckItems(form->CheckListBoxType), kDesignedTypes);
    // Steps 5 and 6 did not run either.
    EXPECT_TRUE(form->NInternet->menuAction()->isEnabled());
    form->show();
    EXPECT_GT(Panel3Width(*form), 1);
}

TEST_F(FormMainTest, MissingTypeLineFileStopsBeforeTheTable) {
    CraftedDb db;
    db.typeLines.reset();
    auto form = Open(db);
    EXPECT_EQ(fake.boxes.errors, QStringList{BoxText(QStringLiteral("File not found"),
                                                     QStringLiteral("EInOutError"))});
    EXPECT_TRUE(
        std::regex_match(Log(), std::regex(RecordPattern("EInOutError", "File not found."))));
    EXPECT_EQ(form->OpcodeList(), nullptr);
    EXPECT_TRUE(HasDesignedTree(form->OpTreeView));
}

TEST_F(FormMainTest, MissingTreeFileKeepsTheDesignedTree) {
    CraftedDb db;
    db.tree.reset();
    auto form = Open(db);
    ASSERT_EQ(fake.boxes.errors.size(), 1);
    const QString expectedStart = QStringLiteral("Cannot open file \"") +
                                  QString::fromStdString(dir.path().string()) +
                                  QStringLiteral("/INI/Opcodes.tree\". ");
    EXPECT_TRUE(fake.boxes.errors[0].startsWith(QStringLiteral(u"Произошла неожиданная ошибка \"") +
                                                expectedStart))
        << fake.boxes.errors[0].toStdString();
    EXPECT_TRUE(fake.boxes.errors[0].contains(QStringLiteral(u"(Класс EFOpenError)")));
    EXPECT_NE(Log().find("Exception EFOpenError in module KLV at 0001A2B4."), std::string::npos);

    EXPECT_NE(form->OpcodeList(), nullptr);
    EXPECT_TRUE(HasDesignedTree(form->OpTreeView));
    EXPECT_EQ(CheckItems(form->CheckListBoxType), kDesignedTypes);
    EXPECT_FALSE(form->NInternet->menuAction()->isEnabled());
    form->show();
    EXPECT_EQ(Panel3Width(*form), 1);
}

TEST_F(FormMainTest, InvalidLevelKeepsTheNodesBeforeItWithTheirKeys) {
    CraftedDb db;
    db.tree = "Все\n\tИгрок\n\t\t\tГлубоко\nCleo\n";
    auto form = Open(db);
    EXPECT_EQ(fake.boxes.errors,
              QStringList{BoxText(QStringLiteral(u"Invalid level (3) for item \"Глубоко\""),
                                  QStringLiteral("ETreeViewError"))});
    EXPECT_NE(Log().find(Utf8ToCp1251("Invalid level (3) for item \"Глубоко\".\r\n\r\n")),
              std::string::npos);
    EXPECT_EQ(Outline(form->OpTreeView),
              (QStringList{QStringLiteral(u"Все"), QStringLiteral(u"\tИгрок")}));
    for (QTreeWidgetItem* node : Nodes(form->OpTreeView))
        EXPECT_EQ(NodeData(node), nullptr);
    EXPECT_EQ(CheckItems(form->CheckListBoxType), kDesignedTypes);
}

TEST_F(FormMainTest, MissingCategoryLineFileLeavesTheKeysAsText) {
    CraftedDb db;
    db.nodeLines.reset();
    auto form = Open(db);
    EXPECT_EQ(fake.boxes.errors, QStringList{BoxText(QStringLiteral("File not found"),
                                                     QStringLiteral("EInOutError"))});
    EXPECT_EQ(Outline(form->OpTreeView),
              (QStringList{QStringLiteral(u"Все"), QStringLiteral(u"\tИгрок"),
                           QStringLiteral(u"\tАктёры"), QStringLiteral(u"\t\tПроверки"),
                           QStringLiteral(u"Cleo")}));
    for (QTreeWidgetItem* node : Nodes(form->OpTreeView)) {
        EXPECT_EQ(NodeData(node), nullptr);
        EXPECT_EQ(node->data(0, kSelectedIndexRole).toInt(), 0);
    }
    EXPECT_EQ(CheckItems(form->CheckListBoxType), kDesignedTypes);
    EXPECT_EQ(form->StatusPanel(2)->text(), QStringLiteral(u"Всего: 0"));
}

TEST_F(FormMainTest, EmptyTreeFileLoadsTheTypesWithoutError) {
    CraftedDb db;
    db.tree = "";
    db.nodeLines.reset(); // never needed without nodes
    auto form = Open(db);
    EXPECT_TRUE(fake.boxes.errors.isEmpty());
    EXPECT_EQ(Log(), "");
    EXPECT_EQ(form->OpTreeView->topLevelItemCount(), 0);
    EXPECT_EQ(CheckItems(form->CheckListBoxType),
              (QStringList{QStringLiteral(u"[x] Действия"), QStringLiteral(u"[x] Проверки")}));
}

TEST_F(FormMainTest, MissingDescriptionFilesGiveDefaultsWithoutError) {
    CraftedDb db;
    db.nodeInfo.reset();
    db.typeInfo.reset();
    auto form = Open(db);
    EXPECT_TRUE(fake.boxes.errors.isEmpty());
    const QString missing = QStringLiteral(u"***НЕ_НАЙДЕНО***  (NodeInfo.ini)");
    EXPECT_EQ(Outline(form->OpTreeView),
              (QStringList{missing + QStringLiteral(" +"), u'\t' + missing, u'\t' + missing,
                           QStringLiteral("\t\t") + missing, missing}));
    for (QTreeWidgetItem* node : Nodes(form->OpTreeView))
        EXPECT_EQ(NodeData(node), nullptr);
    EXPECT_EQ(form->CheckListBoxType->count(), 0);
}

TEST_F(FormMainTest, FolderWithoutDataFilesOpensTheDesignedWindow) {
    auto form = Open(std::nullopt);
    // Only the tree file is needed that badly.
    ASSERT_EQ(fake.boxes.errors.size(), 1);
    EXPECT_TRUE(fake.boxes.errors[0].contains(QStringLiteral(u"(Класс EFOpenError)")));
    EXPECT_TRUE(HasDesignedTree(form->OpTreeView));
    EXPECT_EQ(CheckItems(form->CheckListBoxType), kDesignedTypes);
    EXPECT_EQ(form->StatusPanel(2)->text(), QStringLiteral(u"Всего: 0"));
}
