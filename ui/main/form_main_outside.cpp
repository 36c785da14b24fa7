// The commands that take opcodes out of the list: where they are connected, the search
// window's opening, and the copy commands.
#include <QAction>

#include "opcodes/lookup_sites.h"
#include "ui/application.h"
#include "ui/copy_commands.h"
#include "ui/find/form_find.h"
#include "ui/main/form_main.h"

void TFormMain::connectOutsideCommands() {
    connect(NFindWin, &QAction::triggered, this, Guarded([this] { NFindWinClick(); }));
    for (QAction* item : {NCopyOp, NCopyAddOp, NCopyAll, NCopyAddAll})
        connect(item, &QAction::triggered, this, Guarded([this, item] { NCopyOpClick(item); }));
    for (QAction* lookUp : {BrowseOpcodeBase, BrowseWiki, BrowseIniEditor})
        connect(lookUp, &QAction::triggered, this, Guarded([this, lookUp] {
                    BeforeBrowse();
                    Browse(lookUp);
                }));
    connect(NFindInOST, &QAction::triggered, this, Guarded([this] { NFindInOSTClick(); }));
    SetLookupAddresses(kDefaultOpcodeText);
}

void TFormMain::NFindWinClick() {
    if (formFind_ == nullptr)
        return;
    // A window manager may offer to minimise even a tool window: bring it back too.
    formFind_->setWindowState(formFind_->windowState() & ~Qt::WindowMinimized);
    formFind_->show();
    formFind_->raise();
    formFind_->activateWindow();
}

void TFormMain::NCopyOpClick(const QObject* sender) {
    if (const std::optional<CopyCommand> command = CopyCommandOf(sender))
        CopyListRows(platform_, OpListView, *command, SelectedLine::RowTextAndTranslation);
}
