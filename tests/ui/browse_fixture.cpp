#include "tests/ui/browse_fixture.h"

#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include "opcodes/opcode.h"

CraftedDb BrowseDb() {
    CraftedDb db;
    db.opcodes = "[OPCODES]\n0001=0,wait %1d% ms\n0002=2,Jump to %1p%\n0003=10,actor %1d% here\n"
                 "0004=-1,call %1p% ?\n0005=9,beta значение\n0006=11,alpha WAIT\n"
                 "0007=1,no types\n0008=3,far away\n";
    db.translation = "[OPCODES]\n0001=0,ждать\n0002=2,№ прыжок\n0003=10,Актёр\n0004=-1,вызов\n"
                     "0005=9,beta\n0006=11,Alpha\n0007=1,без типов\n0008=3,далеко\n";
    db.typeInfo = "[T1]\nCaption=Первый\nShortCaption=a\nOpcodes=1\n"
                  "[T2]\nCaption=Второй\nShortCaption=Z\nOpcodes=2\n"
                  "[T3]\nCaption=Третий\nShortCaption=Б\nOpcodes=3\n";
    db.typeLines = "0001 0004 0008\n0002 0005\n0003 0004 0006\n";
    db.tree = "Все\n\tПовторы\n\t\tВнутри\n\tПусто\nМного\n\tГлубже\n";
    db.nodeInfo = "[Все]\nCaption=Все\nOpcodes=1\nNote=Все сразу\n"
                  "[Повторы]\nCaption=Повторы\nOpcodes=2\nNote=Повторы и пропуски\n"
                  "[Внутри]\nCaption=Внутри\n"
                  "[Пусто]\nCaption=Пусто\nNote=Без списка\n"
                  "[Много]\nCaption=Много\nOpcodes=3\n"
                  "[Глубже]\nCaption=Глубже\n";
    std::string many;
    for (int i = 0; i < 150; ++i)
        many += OpcodeKey(1 + i % 6) + " ";
    db.nodeLines = "0005 0003 0001 0006 0002 0004 0007\n0002 0001 0002 0007\n" + many + "0008\n";
    return db;
}

void BrowseTest::OpenShown(const CraftedDb& db) {
    form = Open(db);
    find = std::make_unique<TFormFind>(*form, fake.Services());
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
}

QTreeWidgetItem* BrowseTest::Node(const QString& caption) const {
    const QList<QTreeWidgetItem*> found =
        form->OpTreeView->findItems(caption, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.front();
}

void BrowseTest::ClickNode(const QString& caption, Qt::KeyboardModifiers modifiers) {
    QTreeWidgetItem* node = Node(caption);
    ASSERT_NE(node, nullptr) << caption.toStdString();
    QTest::mouseClick(form->OpTreeView->viewport(), Qt::LeftButton, modifiers,
                      form->OpTreeView->visualItemRect(node).center());
    ASSERT_TRUE(WaitForRebuild());
}

void BrowseTest::ClickTypeBox(int item) {
    QListWidget* list = form->CheckListBoxType;
    QStyleOptionViewItem option;
    option.initFrom(list);
    option.rect = list->visualItemRect(list->item(item));
    option.features |= QStyleOptionViewItem::HasCheckIndicator;
    const QRect box =
        list->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, list);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, box.center());
}

void BrowseTest::ClickRow(int row, Qt::KeyboardModifiers modifiers) {
    OpcodeListView* list = form->OpListView;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers,
                      list->visualRect(list->Rows()->index(row, 0)).center());
}

void BrowseTest::ClickHeader(int visualColumn) {
    QHeaderView* header = form->OpListView->header();
    const int logical = header->logicalIndex(visualColumn);
    const QPoint centre(header->sectionViewportPosition(logical) + header->sectionSize(logical) / 2,
                        header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, centre);
}

bool BrowseTest::WaitForRebuild() const {
    return QTest::qWaitFor([this] { return !form->OpTreeViewChangeDelay->isActive(); }, 2000);
}

QStringList BrowseTest::Column(int column) const {
    QStringList texts;
    for (int i = 0; i < form->OpListView->Rows()->Count(); ++i)
        texts.append(CellText(form->OpListView, i, column));
    return texts;
}

QStringList BrowseTest::SelectedNumbers() const {
    QStringList numbers;
    for (int row : SelectedRows(form->OpListView))
        numbers.append(CellText(form->OpListView, row).left(4));
    return numbers;
}

QString BrowseTest::Panel(int index) const {
    return form->StatusPanel(index)->text();
}

QString BrowseTest::FindPanel(int index) const {
    return find->StatusPanel(index)->text();
}
