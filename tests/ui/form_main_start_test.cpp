// The window's start on crafted databases: what is loaded and what each failure leaves
// behind; the error handler and the restart.
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QScreen>
#include <QStyleFactory>
#include <QTest>
#include <QTranslator>
#include <QTreeWidgetItemIterator>
#include <cstring>
#include <filesystem>

#include "opcodes/errors.h"
#include "opcodes/files/file_names.h"
#include "tests/support/pathological_inputs.h"
#include "tests/ui/form_fixture.h"
#include "ui/application.h"
#include "ui/hint_tracker.h"
#include "ui/main/tree_nodes.h"
#include "ui/window_look.h"

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
           (Named(&form, "NFindInOST")->isVisible() ? u" OST"_s : u""_s) +
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

// Also: the program installs its hint style before its first window; the tooltips' pause
// turns to none with the opcode table's loading, and not when the table fails.
TEST_F(FormMainTest, LoadingKeepsWhatWasLoadedBeforeAFailure) {
    for (const auto& [change, started] : kLoadCases) {
        SCOPED_TRACE(QString::fromUtf16(started).toStdString());
        QApplication::setStyle(QStyleFactory::create(u"Fusion"_s));
        const int stylesPause = QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay);
        ASSERT_NE(stylesPause, 0);
        InstallHintStyle();
        EXPECT_EQ(ApplicationStyleName(), u"fusion"_s);
        EXPECT_EQ(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), stylesPause);
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
        EXPECT_EQ(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay),
                  form->OpcodeList() ? 0 : stylesPause);
        // The tree's column as wide as its widest shown node, as the view itself measures it.
        QCoreApplication::processEvents();
        const QAbstractItemView* tree = Named<QTreeWidget>(form.get(), "OpTreeView");
        EXPECT_EQ(Named<QTreeWidget>(form.get(), "OpTreeView")->header()->minimumSectionSize(),
                  tree->sizeHintForColumn(0));
        Trigger(form.get(), "BrowseWiki");
        EXPECT_EQ(fake.shell.opened.last(), u"https://wiki.x/index.php?title=0000"_s);
        Trigger(form.get(), "BrowseIniEditor"); // each item its own site
        EXPECT_EQ(fake.shell.opened.last(),
                  u"https://ini-editor.org/editor/editor.php?opcode=0000"_s);
    }
}

// Many top-level lines that name nothing: the window is drawn, its column fitted.
TEST_F(FormMainTest, ATreeOfManyTopLevelLinesIsDrawn) {
    dir.Write("INI/Opcodes.tree",
              pathological::Lines(20'000, [](auto i) { return "k" + std::to_string(i); }));
    auto form = Open({.tree = std::nullopt});
    form->show();
    auto* tree = Named<QTreeWidget>(form.get(), "OpTreeView");
    const QAbstractItemView* view = tree;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return tree->header()->minimumSectionSize() == view->sizeHintForColumn(0); }));
    const QRect row = tree->visualItemRect(tree->topLevelItem(0));
    QImage first = tree->viewport()->grab(row).toImage(), blank = first;
    blank.fill(first.pixel(0, 0));
    EXPECT_NE(first, blank) << "the first node's name is drawn";
}

struct ThrowingObject : QObject {
    bool event(QEvent* e) override { throw EOSError(std::to_string(e->type())); }
};

// From a guarded command (the introduction page the shell cannot open), an event handler
// and the program's own code, whose raise site is located; errors not of
// the program's own carry none. A log that cannot be written costs the record only.
TEST_F(FormMainTest, ErrorsReachTheHandlerAndTheRestartReportsItsFailure) {
    dir.Write("Errors.log", "old\r\n");
    auto form = Open();
    fake.shell.result = {false, QStringLiteral("No file")};
    Named(form.get(), "HelpIntro")->trigger();
    ThrowingObject thrower;
    QEvent event(QEvent::User);
    QCoreApplication::sendEvent(&thrower, &event);
    const EOSError error("own");
    ReportException(std::make_exception_ptr(error));
    ReportException(std::make_exception_ptr(std::runtime_error("plain")));

    EXPECT_EQ(fake.shell.opened, QStringList{QStringLiteral("Intro.html")});
    std::string records = "old\r\n";
    for (const char* message : {"No file", "1000", "own"})
        records += RecordPattern("EOSError", message + std::string("."));
    EXPECT_TRUE(
        std::regex_match(dir.Read("Errors.log"),
                         std::regex(records + RecordPattern("std::runtime_error", "plain."))))
        << dir.Read("Errors.log");
    EXPECT_EQ(fake.sounds.played, std::vector<SystemSound>(4, SystemSound::CriticalStop));
    EXPECT_EQ(fake.locator.addresses.at(2), error.RaiseAddress());
    EXPECT_EQ(fake.locator.addresses.at(3), nullptr);

    // Under the English interface the English page, where the folder has it.
    QTranslator english;
    ASSERT_TRUE(english.load(u"kelpra_en"_s, u":/i18n"_s) &&
                QCoreApplication::installTranslator(&english));
    fake.shell.result.ok = true;
    for (const char* page : {"Intro.html", "intro.EN.html"})
        dir.Write(page, ""), Named(form.get(), "HelpIntro")->trigger();
    QCoreApplication::removeTranslator(&english);
    EXPECT_EQ(fake.shell.opened.mid(1), (QStringList{u"Intro.html"_s, u"Intro.en.html"_s}));

    // A log that cannot be written: the box says so, and why, in place of the record.
    std::filesystem::remove(dir.path() / "Errors.log");
    std::filesystem::create_directory(dir.path() / "errors.log");
    ReportException(std::make_exception_ptr(error));
    EXPECT_EQ(fake.boxes.errors.value(4),
              u"Произошла неожиданная ошибка \"own\" (Класс EOSError).\r\nНе "
              u"удалось записать в log-файл "_s +
                  QString::fromStdString(CurrentDir()) + u"/errors.log: "_s +
                  QString::fromLocal8Bit(std::strerror(EISDIR)));
    std::filesystem::remove(dir.path() / "errors.log");

    // The restart that cannot start KLV (minimised) reports why, and this instance stays; the
    // restart that goes through is driven end to end by the black-box test.
    form->showNormal(); // the client area below the menu bar: 676 x 342, centred on the screen
    EXPECT_EQ(form->size() - QSize(0, form->menuWidget()->height()), QSize(676, 342));
    EXPECT_LE((form->geometry().center() - form->screen()->availableGeometry().center())
                  .manhattanLength(),
              4); // give or take the frame the platform adds
    fake.processes.result = {false, u"Cannot start"_s};
    Trigger(form.get(), "NReExe");
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(fake.boxes.errors.last(), BoxText(u"Cannot start"_s, u"EOSError"_s));
    EXPECT_EQ(fake.processes.calls, (std::vector<std::pair<QString, bool>>{{u"KLV"_s, true}}));
}
