// The hand-over to the outside search tool: the listed captions in "temp.txt", the
// tool's "opc.ini" pointed at it, and the tool started.

#include "opcodes/clipboard_text.h"
#include "opcodes/errors.h"
#include "opcodes/files/file_io.h"
#include "opcodes/files/file_names.h"
#include "opcodes/profile_writer.h"
#include "platform/message_boxes.h"
#include "platform/process_starter.h"
#include "platform/sounds.h"
#include "ui/main/form_main.h"
#include "ui/main/tree_nodes.h"
#include "ui/opcode_rows.h"

namespace {
constexpr char kHandOverFile[] = "temp.txt";
constexpr char kToolSettingsFile[] = "opc.ini";
constexpr char kToolProgram[] = "opctool.EXE";
} // namespace

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
