#include "platform/message_boxes.h"

#include <QApplication>
#include <QMessageBox>

namespace {

void ShowBox(QMessageBox::Icon icon, const QString& title, const QString& text) {
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(icon, title, shown, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

} // namespace

void QtMessageBoxes::Error(const QString& text) {
    ShowBox(QMessageBox::Critical, QStringLiteral("Error"), text);
}

void QtMessageBoxes::Warning(const QString& text) {
    ShowBox(QMessageBox::Warning, QStringLiteral("Warning"), text);
}
