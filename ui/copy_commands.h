#pragma once
// The four copy commands of both opcode lists: their menu items, and what they put on
// the clipboard.

#include <array>

#include "opcodes/clipboard_text.h"
#include "platform/platform.h"

class QAction;
class QObject;
class QWidget;
class OpcodeListView;

// NCopyOp, NCopyAddOp, NCopyAll and NCopyAddAll, in tag order, owned by `owner`. Their
// keys work only while `list` (or a child of it) has the keyboard focus.
std::array<QAction*, 4> NewCopyItems(QObject* owner, QWidget* list);

// The command of a copy item (its "tag" property); nothing for any other sender.
std::optional<CopyCommand> CopyCommandOf(const QObject* sender);

// How a selected row becomes a line: the main list adds its translation column.
enum class SelectedLine { RowText, RowTextAndTranslation };

// Runs the command on `list`. Without a selected row the selection commands play the
// error sound, show "Ни один опкод не выделен!" and leave the clipboard alone. The
// clipboard is read only by the add commands and written once, at the end.
void CopyListRows(const Platform& platform, OpcodeListView* list, CopyCommand command,
                  SelectedLine line);
