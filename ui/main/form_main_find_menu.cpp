// The Find menu: the search window's showing, and the hand-over of the listed captions to
// the outside search tool (in "temp.txt", with the tool's "opc.ini" pointed at it).
#include <QAction>
#include <QMenu>
#include <QStyle>
#include <QTreeWidget>

#include "opcodes/clipboard_text.h"
#include "opcodes/errors.h"
#include "opcodes/files/file_io.h"
#include "opcodes/files/file_names.h"
#include "opcodes/profile_writer.h"
#include "platform/message_boxes.h"
#include "platform/process_starter.h"
#include "platform/sounds.h"
#include "ui/application.h"
#include "ui/find/form_find.h"
#include "ui/main/form_main.h"
#include "ui/main/menu_items.h"
#include "ui/main/tree_nodes.h"
#include "ui/opcode_rows.h"

namespace {
constexpr char kHandOverFile[] = "temp.txt";
constexpr char kToolSettingsFile[] = "opc.ini";
constexpr char kToolProgram[] = "opctool.EXE";
} // namespace

void TFormMain::createFindMenu() {
    NFind = NewMenu(this, u"NFind", tr("Поиск"));
    NFindWin = NewItem(this, {u"NFindWin", tr("Расширенный поиск..."), QKeySequence(Qt::Key_F3)});
    connect(NFindWin, &QAction::triggered, this, Guarded([this] { NFindWinClick(); }));
    NFind->addAction(NFindWin);
    NFind->addSeparator();
    // Shown by the loading where the tool and its settings are there.
    NFindInOST = NewItem(this, {u"NFindInOST", tr("Искать в OST")});
    connect(NFindInOST, &QAction::triggered, this, Guarded([this] { NFindInOSTClick(); }));
    NFind->addAction(NFindInOST);
    // The icon comes with the menu's first opening: reading it would only slow the start.
    connect(
        NFind, &QMenu::aboutToShow, this,
        [this] {
            NFindWin->setIcon(
                QIcon::fromTheme(QStringLiteral("edit-find"),
                                 style()->standardIcon(QStyle::SP_FileDialogContentsView)));
        },
        Qt::SingleShotConnection);
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

void TFormMain::NFindInOSTClick() {
    const QTreeWidgetItem* node = OpTreeView->currentItem();
    if (node == nullptr) {
        platform_.sounds.Play(SystemSound::CriticalStop);
        platform_.messageBoxes.Error(tr("Ни одна категория не выделена!"));
        return;
    }
    if (NodeData(node) == nullptr)
        return;

    const std::string text = AllRowsText(OpcodeRows(OpListView).Column(0));
    const FileResult written = WriteWholeFile(kHandOverFile, text);
    if (!written.ok())
        throw EInOutError(InOutErrorMessage(written));
    SetProfileStringInFile(CurrentDir() + "\\" + kToolSettingsFile, "setup", "txt", kHandOverFile);
    // The tool is on its own from here: whether it started is not reported.
    platform_.processes.Start(QString::fromLatin1(kToolProgram), false);
}
