#include "platform/font_dialogs.h"

#include <QFontDialog>

std::optional<QFont> QtFontDialogs::Choose(const QFont& initial, QWidget* parent) {
    QFontDialog dialog(initial, parent);
    // Above the search window that stays on top, as the message boxes are.
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.selectedFont();
}
