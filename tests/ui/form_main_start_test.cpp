// The window's start on crafted databases: what is loaded and what each failure leaves
// behind; the restart.
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QTreeWidgetItemIterator>
#include <filesystem>

#include "tests/ui/form_fixture.h"
#include "ui/main/tree_nodes.h"

using namespace Qt::StringLiterals;

namespace {

// What the window shows after its start: the tree ("AllOpcodes..." for the designed one;
// " +" for an expanded node, " *" for one with its record and both pictures), the type
// filter's count and ticks, the total, whether the table and the look-up submenu are
// there, the outside search item, and the class of the error in the box (else how many).
QString Started(const TFormMain& form, const FakeMessageBoxes& boxes) {
    QStringList nodes;
    for (QTreeWidgetItemIterator it(Named<QTreeWidget>(&form, "OpTreeView")); *it; ++it) {
        const bool record = NodeData(*it) && (*it)->data(0, kSelectedIndexRole).toInt() == 1;
        nodes.append((*it)->text(0) + ((*it)->isExpanded() ? u" +"_s : u""_s) +
                     (record ? u" *"_s : u""_s));
    }
    const auto* types = Named<QListWidget>(&form, "CheckListBoxType");
    QString ticks;
    for (int i = 0; i < types->count(); ++i)
        ticks += types->item(i)->checkState() == Qt::Checked ? u'x' : u'-';
    return (nodes.value(0) == u"AllOpcodes"_s ? QString::number(nodes.size()) + u" designed"_s
                                              : nodes.join(u'|')) +
           u"; "_s + ticks + u"; "_s + form.StatusPanel(2)->text() +
           (form.OpcodeList() ? u"; table"_s : u"; no table"_s) +
           (Named<QAction>(&form, "NFindInOST")->isVisible() ? u" OST"_s : u""_s) +
           (Named<QMenu>(&form, "NInternet")->menuAction()->isEnabled() ? u" on; "_s
                                                                        : u" off; "_s) +
           (boxes.errors.size() == 1 ? boxes.errors[0].section(u"(Класс "_s, 1).section(u')', 0, 0)
                                     : QString::number(boxes.errors.size()));
}

// A change to the crafted database, and what the window shows after its start.
const std::pair<void (*)(CraftedDb&), const char16_t*> kLoadCases[] = {
    {[](CraftedDb&) {}, u"Все опкоды + *|Игрок *|Актёры + *|Проверки актёров|Cleo-опкоды; xx; "
                        u"Всего: 4; table off; 0"},
    {[](CraftedDb& db) { db.tree = "Cleo\nВсе\n"; },
     u"Cleo-опкоды +|Все опкоды *; xx; Всего: 0; table off; 0"},
    {[](CraftedDb& db) { db.opcodes = "[OPCODES]\n0002=x,j\n"; },
     u"50 designed; -------; Всего: 0; no table on; EConvertError"},
    {[](CraftedDb& db) { db.tree.reset(); },
     u"50 designed; -------; Всего: 0; table off; EFOpenError"},
    {[](CraftedDb& db) { db.tree = "Все\n\tИгрок\n\t\t\tГлубоко\nCleo\n"; },
     u"Все|Игрок; -------; Всего: 0; table off; ETreeViewError"},
    {[](CraftedDb& db) { db.nodeLines.reset(); },
     u"Все|Игрок|Актёры|Проверки|Cleo; -------; Всего: 0; table OST off; EInOutError"},
};

} // namespace

TEST_F(FormMainTest, LoadingKeepsWhatWasLoadedBeforeAFailure) {
    for (const auto& [change, started] : kLoadCases) {
        std::filesystem::remove_all(dir.path() / "INI");
        // The look-up sites come first: they are the data folder's own whatever fails.
        dir.WriteCp1251("INI/Sites.ini", "[Wiki]\r\nCaption=Вики\r\nAddress=https://wiki.x\r\n");
        // The outside search item needs both of the tool's files; the last case has them.
        dir.Write("opctool.exe", "");
        if (started == kLoadCases[std::size(kLoadCases) - 1].second)
            dir.Write("OPC.INI", "");
        CraftedDb db;
        change(db);
        fake.boxes.errors.clear();
        auto form = Open(db);
        EXPECT_EQ(Started(*form, fake.boxes), QString::fromUtf16(started));
        Trigger(form.get(), "BrowseWiki");
        EXPECT_EQ(fake.shell.opened.last(), u"https://wiki.x/index.php?title=0000"_s);
    }
}

TEST_F(FormMainTest, RestartStartsKlvMinimisedOrReportsWhyItCannot) {
    auto form = Open();
    form->show();
    fake.processes.result = {false, u"Cannot start"_s}; // this instance stays
    Trigger(form.get(), "NReExe");
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(fake.boxes.errors, QStringList{BoxText(u"Cannot start"_s, u"EOSError"_s)});
    fake.processes.result.started = true;
    Trigger(form.get(), "NReExe");
    EXPECT_FALSE(form->isVisible());
    const auto& calls = fake.processes.calls;
    EXPECT_TRUE(calls.size() == 2 && calls[1].program == u"KLV" && calls[1].minimised);
}
