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

} // namespace

std::string QtClipboard::Text() {
    return ToCp1251(OpenClipboard().text());
}

void QtClipboard::SetText(std::string_view bytes) {
    QClipboard& clipboard = OpenClipboard();
    const QString text = FromCp1251(bytes);
    clipboard.setText(text);
    // A desktop that refuses the program the clipboard (another program holding on to
    // it) leaves the old content: the copy must not pass for done then.
    if (clipboard.text() != text)
        throw EOSError(kClipboardUnavailableMessage);
}
