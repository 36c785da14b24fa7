#include "platform/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

#include "opcodes/errors.h"
#include "platform/qt_text.h"

namespace {

QClipboard& OpenClipboard() {
    QClipboard* clipboard = qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr
                                ? QGuiApplication::clipboard()
                                : nullptr;
    if (clipboard == nullptr)
        throw EOSError(kClipboardUnavailableMessage);
    return *clipboard;
}

void Put(QClipboard& clipboard, const QString& text) {
    clipboard.setText(text);
    // A desktop that refuses the program the clipboard (another program holding on to
    // it) leaves the old content: the copy must not pass for done then.
    if (clipboard.text() != text)
        throw EOSError(kClipboardUnavailableMessage);
}

} // namespace

void QtClipboard::SetText(std::string_view bytes) {
    Put(OpenClipboard(), FromCp1251(bytes));
}

void QtClipboard::AddText(std::string_view bytes) {
    QClipboard& clipboard = OpenClipboard();
    Put(clipboard, clipboard.text() + FromCp1251(bytes));
}
