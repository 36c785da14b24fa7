#include "tests/ui/search_fixture.h"

#include <QTest>
#include <QTreeWidget>

#include "opcodes/cp1251.h"
#include "ui/opcode_rows.h"

void SearchWindowsTest::SetUp() {
    formMain = Open();
    formFind = std::make_unique<TFormFind>(*formMain, fake.Services());
}

void SearchWindowsTest::FillMainList(const std::vector<MainRow>& rows) {
    QTreeWidget* list = formMain->OpListView;
    list->clear();
    QList<QTreeWidgetItem*> items;
    for (const auto& [caption, translation] : rows)
        items.append(NewOpcodeRow({Utf8ToCp1251(caption), Utf8ToCp1251(translation), "", ""}));
    list->addTopLevelItems(items);
    ASSERT_EQ(list->currentItem(), nullptr);
}

void SearchWindowsTest::ShowActive(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
}

const std::vector<MainRow>& SampleRows() {
    static const std::vector<MainRow> rows = {
        {"0001: wait %1d% ms", "ждать"},
        {"0002: jump %1p%", "прыжок"},
        {"00A1: put_actor %1d% at %2d% %3d%", "поставить актёра"},
        {"00A5: actor_WAITING %1d%", ""},
        {"0A8C: Ждать актёра %1d%", "ждать актёра"},
        {"0AF0: ждать машину", "ждать машину"},
    };
    return rows;
}

std::vector<int> SelectedRows(const QTreeWidget* list) {
    std::vector<int> rows;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        if (list->topLevelItem(i)->isSelected())
            rows.push_back(i);
    return rows;
}

QStringList RowTexts(const QTreeWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        texts.append(list->topLevelItem(i)->text(0));
    return texts;
}

void SelectRows(QTreeWidget* list, const std::vector<int>& rows) {
    list->clearSelection();
    for (int row : rows)
        list->topLevelItem(row)->setSelected(true);
}
