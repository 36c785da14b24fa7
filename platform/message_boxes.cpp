#include "platform/message_boxes.h"

#include <QApplication>
#include <QMessageBox>

namespace {

void ShowBox(QMessageBox::Icon icon, const QString& title, const QString& text) {
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(icon, title, shown, QMessageBox::Ok, QApplication::activeWindow());
    // Above every window, the search window that stays on top included: a modal box
    // beneath it would leave the program looking frozen.
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.exec();
}

} // namespace

void QtMessageBoxes::Error(const QString& text) {
    ShowBox(QMessageBox::Critical, QStringLiteral("Error"), text);
}

void QtMessageBoxes::Warning(const QString& text) {
    ShowBox(QMessageBox::Warning, QStringLiteral("Warning"), text);
}
