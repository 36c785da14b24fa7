// The quick search above the opcode list: Enter, Ctrl+K or Ctrl+I in the box selects the
// next row whose caption holds the box's first line.
#include <QAbstractTextDocumentLayout>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextLayout>
#include <optional>

#include "opcodes/cp1251.h"
#include "opcodes/text_search.h"
#include "ui/event_hooks.h"
#include "ui/main/form_main.h"
#include "ui/opcode_rows.h"

namespace {

// The character a key types, as the box would receive it: Enter is CR (Ctrl+Enter LF),
// and Ctrl with a letter the matching control character (Ctrl+K is 11, Ctrl+I is HT).
// Tab and Shift+Tab type nothing: a box that takes no tabs leaves them to move the focus.
char32_t TypedCharacter(const QKeyEvent& event) {
    const Qt::KeyboardModifiers mods = event.modifiers() & ~Qt::KeypadModifier;
    const bool ctrl = mods.testFlag(Qt::ControlModifier) && !mods.testFlag(Qt::AltModifier);
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return ctrl ? 10 : 13;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return 0;
    default:
        break;
    }
    if (ctrl && event.key() >= Qt::Key_A && event.key() <= Qt::Key_Z)
        return static_cast<char32_t>(event.key() - Qt::Key_A + 1);
    const QString text = event.text();
    return text.isEmpty() ? 0 : text.front().unicode();
}

// The text as Windows-1251 bytes, or nothing when it holds a character the code page
// lacks: no caption can contain such a text.
std::optional<std::string> ExactCp1251(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar ch : text) {
        const std::optional<unsigned char> byte = UnicodeToCp1251(ch.unicode());
        if (!byte)
            return std::nullopt;
        bytes += static_cast<char>(*byte);
    }
    return bytes;
}

} // namespace

void TFormMain::connectQuickSearch() {
    // Ahead of the box's own key handling, so Enter searches instead of breaking the line.
    OnEvent(OpMemoFind, QEvent::KeyPress, [this](QEvent* event) {
        return OpMemoFindKeyPress(TypedCharacter(*static_cast<QKeyEvent*>(event)));
    });
}

bool TFormMain::OpMemoFindKeyPress(char32_t Key) {
    if (!IsQuickSearchKey(Key))
        return false;
    OpcodeRows rows(OpListView);
    QuickSearch(rows, ExactCp1251(QuickSearchText()).value_or(std::string()));
    return true;
}

// The first line of the box as it shows on screen: text that wrapped to a second line
// is not searched.
QString TFormMain::QuickSearchText() const {
    const QTextBlock first = OpMemoFind->document()->firstBlock();
    // Lays the block out should the box not have been painted yet.
    OpMemoFind->document()->documentLayout()->blockBoundingRect(first);
    const QTextLayout* layout = first.layout();
    if (layout == nullptr || layout->lineCount() == 0)
        return first.text();
    const QTextLine line = layout->lineAt(0);
    return first.text().mid(line.textStart(), line.textLength());
}
