// Web look-up of the focused opcode on the three sites.
#include <QAction>

#include "opcodes/lookup_sites.h"
#include "platform/message_boxes.h"
#include "platform/qt_text.h"
#include "platform/shell.h"
#include "platform/sounds.h"
#include "ui/main/form_main.h"
#include "ui/opcode_rows.h"

namespace {

std::array<std::pair<QAction*, LookupSite>, 3> LookupActions(QAction* opcodeBase, QAction* wiki,
                                                             QAction* iniEditor) {
    return {{{opcodeBase, LookupSite::OpcodeBase},
             {wiki, LookupSite::Wiki},
             {iniEditor, LookupSite::IniEditor}}};
}

} // namespace

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
