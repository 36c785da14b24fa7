#include "platform/message_boxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

namespace {

void ShowBox(QMessageBox::Icon icon, const QString& title, const QString& text) {
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const QPointer<QWidget> owner = QApplication::activeWindow();
    QMessageBox box(icon, title, shown, QMessageBox::Ok, owner);
    // Above every window, the search window that stays on top included: a modal box
    // beneath it would leave the program looking frozen.
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.exec();
    // The window that raised the box gets the activation back: a window manager may pass
    // over a tool window, the search window, and hand it to the main window instead.
    if (owner && owner->isVisible())
        owner->activateWindow();
}

} // namespace

void QtMessageBoxes::Error(const QString& text) {
    ShowBox(QMessageBox::Critical, QStringLiteral("Error"), text);
}

void QtMessageBoxes::Warning(const QString& text) {
    ShowBox(QMessageBox::Warning, QStringLiteral("Warning"), text);
}
