#include "ui/copy_commands.h"

#include <QAction>
#include <QCoreApplication>
#include <QWidget>

#include "platform/clipboard.h"
#include "platform/message_boxes.h"
#include "platform/sounds.h"
#include "ui/opcode_rows.h"

namespace {

struct CopyItemSpec {
    const char16_t* name;
    const char* caption;
    QKeySequence shortcut;
    const char* hint;
};

QString Tr(const char* text) {
    return QCoreApplication::translate("CopyCommands", text);
}

constexpr int kTranslationColumn = 1;

// The selected rows' lines in list order.
std::vector<std::string> SelectedLines(const OpcodeRows& rows, SelectedLine line) {
    std::vector<std::string> texts = rows.SelectedColumn(0);
    if (line == SelectedLine::RowTextAndTranslation) {
        const std::vector<std::string> translations = rows.SelectedColumn(kTranslationColumn);
        for (std::size_t i = 0; i < texts.size(); ++i)
            texts[i] = MainListLine(texts[i], translations[i]);
    }
    return texts;
}

} // namespace

std::array<QAction*, 4> NewCopyItems(QObject* owner, QWidget* list) {
    const CopyItemSpec specs[] = {
        {u"NCopyOp", QT_TRANSLATE_NOOP("CopyCommands", "&Копировать в буфер обмена"),
         QKeySequence(Qt::CTRL | Qt::Key_C),
         QT_TRANSLATE_NOOP("CopyCommands", "Копировать выделенные опкоды в буфер обмена")},
        {u"NCopyAddOp",
         QT_TRANSLATE_NOOP("CopyCommands", "&Добавить в буфер обмена"),
         {},
         QT_TRANSLATE_NOOP("CopyCommands",
                           "Добавить выделенные опкоды к содержимому буфера обмена")},
        {u"NCopyAll", QT_TRANSLATE_NOOP("CopyCommands", "Копировать &всё в буфер обмена"),
         QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_C),
         QT_TRANSLATE_NOOP("CopyCommands", "Копировать все опкоды в списке в буфер обмена")},
        {u"NCopyAddAll",
         QT_TRANSLATE_NOOP("CopyCommands", "Добавить вс&ё в буфер обмена"),
         {},
         QT_TRANSLATE_NOOP("CopyCommands",
                           "Добавить все опкоды в списке к содержимому буфера обмена")},
    };
    std::array<QAction*, 4> items{};
    for (std::size_t i = 0; i < items.size(); ++i) {
        auto* action = new QAction(Tr(specs[i].caption), owner);
        action->setObjectName(QString::fromUtf16(specs[i].name));
        action->setShortcut(specs[i].shortcut);
        action->setStatusTip(Tr(specs[i].hint));
        action->setProperty("tag", static_cast<int>(i) + 1);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        list->addAction(action);
        items[i] = action;
    }
    return items;
}

std::optional<CopyCommand> CopyCommandOf(const QObject* sender) {
    if (sender == nullptr)
        return std::nullopt;
    return CopyCommandOfTag(sender->property("tag").toInt());
}

void CopyListRows(const Platform& platform, OpcodeListView* list, CopyCommand command,
                  SelectedLine line) {
    const OpcodeRows rows(list);
    std::string text;
    if (CopiesSelection(command)) {
        if (rows.SelectedCount() == 0) {
            platform.sounds.Play(SystemSound::CriticalStop);
            platform.messageBoxes.Error(
                QCoreApplication::translate("CopyCommands", "Ни один опкод не выделен!"));
            return;
        }
        text = SelectionText(SelectedLines(rows, line));
    } else {
        text = AllRowsText(rows.Column(0));
    }
    // The text the clipboard holds stays as it is: only the rows go through the code page.
    if (AddsToClipboard(command))
        platform.clipboard.AddText(AddedText(text));
    else
        platform.clipboard.SetText(text);
}
