#include "platform/qt_text.h"

#include "opcodes/cp1251.h"

QString FromCp1251(std::string_view bytes) {
    QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    QChar* out = text.data();
    for (unsigned char byte : bytes)
        *out++ = QChar(static_cast<char16_t>(Cp1251ToUnicode(byte)));
    return text;
}

std::string ToCp1251(const QString& text) {
    return Utf8ToCp1251(text.toUtf8().toStdString());
}
