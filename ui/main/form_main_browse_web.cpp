// Web look-up of the focused opcode on the three sites.
#include <QAction>

#include "opcodes/lookup_sites.h"
#include "platform/message_boxes.h"
#include "platform/shell.h"
#include "platform/sounds.h"
#include "ui/main/form_main.h"

void TFormMain::SetLookupAddresses(std::string_view opcodeText) {
    const std::pair<QAction*, LookupSite> actions[] = {
        {BrowseOpcodeBase, LookupSite::OpcodeBase},
        {BrowseWiki, LookupSite::Wiki},
        {BrowseIniEditor, LookupSite::IniEditor},
    };
    for (const auto& [action, site] : actions)
        action->setProperty("address", QString::fromStdString(LookupAddress(site, opcodeText)));
}

void TFormMain::BeforeBrowse() {
    // The focus mark, not the selection: of several selected rows the focused one counts,
    // and a refilled list has none until the user clicks or moves in it.
    std::string opcodeText(kDefaultOpcodeText);
    if (const QModelIndex focused = OpListView->currentIndex(); focused.isValid()) {
        opcodeText = OpcodeTextOfCaption(OpListView->Rows()->Bytes(focused.row(), 0));
    } else {
        platform_.sounds.Play(SystemSound::CriticalStop);
        platform_.messageBoxes.Error(
            QString::fromUtf8(kNoFocusedOpcodeMessage.data(), kNoFocusedOpcodeMessage.size()));
    }
    SetLookupAddresses(opcodeText);
}

void TFormMain::Browse(const QAction* action) {
    // Whether a browser took the address is the desktop's business: nothing is reported.
    platform_.shell.Open(action->property("address").toString());
}
