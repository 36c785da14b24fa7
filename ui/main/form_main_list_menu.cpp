// The opcode list's context menu: the four copy commands, and the web look-up of the
// focused opcode on the three sites, whose keys work anywhere in the window.
#include <QAction>
#include <QMenu>

#include "opcodes/lookup_sites.h"
#include "platform/message_boxes.h"
#include "platform/qt_text.h"
#include "platform/shell.h"
#include "platform/sounds.h"
#include "ui/application.h"
#include "ui/copy_commands.h"
#include "ui/main/form_main.h"
#include "ui/main/menu_items.h"
#include "ui/opcode_rows.h"

namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::array<std::pair<QAction*, LookupSite>, 3> LookupActions(QAction* opcodeBase, QAction* wiki,
                                                             QAction* iniEditor) {
    return {{{opcodeBase, LookupSite::OpcodeBase},
             {wiki, LookupSite::Wiki},
             {iniEditor, LookupSite::IniEditor}}};
}

} // namespace

void TFormMain::createListPopupMenu() {
    OpListPopupMenu = NewMenu(this, u"OpListPopupMenu", {});
    const std::array<QAction*, 4> copyItems = NewCopyItems(this, OpListView);
    NCopyOp = copyItems[0];
    NCopyAddOp = copyItems[1];
    NCopyAll = copyItems[2];
    NCopyAddAll = copyItems[3];
    for (QAction* item : copyItems)
        connect(item, &QAction::triggered, this, Guarded([this, item] { NCopyOpClick(item); }));
    OpListPopupMenu->addActions({NCopyOp, NCopyAddOp});
    OpListPopupMenu->addSeparator();
    OpListPopupMenu->addActions({NCopyAll, NCopyAddAll});
    OpListPopupMenu->addSeparator();

    NInternet = NewMenu(OpListPopupMenu, u"NInternet", tr("&Интернет-ресурсы"));
    NInternet->menuAction()->setStatusTip(
        tr("Посмотреть информацию об текущем опкоде в интернет-ресурсах."));
    QAction* heading = NInternet->addAction(tr("Посмотреть описание этого опкода в:"));
    heading->setEnabled(false);
    for (const LookupSiteInfo& site : LookupSites()) {
        // An action of the action list, whose menu item is the action itself.
        auto* lookUp = new QAction(this);
        lookUp->setObjectName(FromUtf8(site.actionName));
        lookUp->setShortcut(QKeySequence(FromUtf8(site.shortcut), QKeySequence::PortableText));
        lookUp->setProperty("category", tr("Интернет-ресурсы"));
        lookUp->setProperty("menuItem", FromUtf8(site.menuItemName));
        connect(lookUp, &QAction::triggered, this, Guarded([this, lookUp] {
                    BeforeBrowse();
                    Browse(lookUp);
                }));
        addAction(lookUp);
        NInternet->addAction(lookUp);
        (site.site == LookupSite::OpcodeBase ? BrowseOpcodeBase
         : site.site == LookupSite::Wiki     ? BrowseWiki
                                             : BrowseIniEditor) = lookUp;
    }
    ShowLookupSites();
    SetLookupAddresses(kDefaultOpcodeText);
    OpListPopupMenu->addMenu(NInternet);

    connect(OpListView, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        OpListPopupMenu->popup(OpListView->viewport()->mapToGlobal(pos));
    });
}

void TFormMain::NCopyOpClick(const QObject* sender) {
    if (const std::optional<CopyCommand> command = CopyCommandOf(sender))
        CopyListRows(platform_, OpListView, *command, SelectedLine::RowTextAndTranslation);
}

void TFormMain::ShowLookupSites() {
    for (const auto& [action, site] :
         LookupActions(BrowseOpcodeBase, BrowseWiki, BrowseIniEditor)) {
        action->setText(FromCp1251(lookupSites_.Caption(site)));
        action->setStatusTip(tr("Посмотреть описание опкода на сайте %1")
                                 .arg(FromCp1251(lookupSites_.ShortName(site))));
    }
}

void TFormMain::SetLookupAddresses(std::string_view opcodeText) {
    for (const auto& [action, site] : LookupActions(BrowseOpcodeBase, BrowseWiki, BrowseIniEditor))
        action->setProperty("address", FromCp1251(lookupSites_.Address(site, opcodeText)));
}

void TFormMain::BeforeBrowse() {
    // The focus mark, not the selection: of several selected rows the focused one counts,
    // and a refilled list has none until the user clicks or moves in it.
    std::string opcodeText(kDefaultOpcodeText);
    if (const QModelIndex focused = OpListView->currentIndex(); focused.isValid()) {
        opcodeText = OpcodeTextOfCaption(OpListView->Rows()->Bytes(focused.row(), 0));
    } else {
        platform_.sounds.Play(SystemSound::CriticalStop);
        platform_.messageBoxes.Error(tr("Ни один опкод не выделен!\r\nПо умолчанию опкод 0000"));
    }
    SetLookupAddresses(opcodeText);
}

void TFormMain::Browse(const QAction* action) {
    // Whether a browser took the address is the desktop's business: nothing is reported.
    platform_.shell.Open(action->property("address").toString());
}
