#include "platform/font_dialogs.h"

#include <QFontDialog>

std::optional<QFont> QtFontDialogs::Choose(const QFont& initial, QWidget* parent) {
    bool confirmed = false;
    const QFont chosen = QFontDialog::getFont(&confirmed, initial, parent);
    if (!confirmed)
        return std::nullopt;
    return chosen;
}
