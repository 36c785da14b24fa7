#include "platform/shell.h"

#include <QDesktopServices>
#include <QUrl>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "opcodes/files/file_names.h"

namespace {

bool IsWebAddress(const QString& target) {
    const QUrl url(target);
    return url.isValid() && url.scheme().size() > 1; // a one-letter scheme is a drive
}

} // namespace

ShellResult DesktopShell::Open(const QString& target) {
    QUrl url;
    if (IsWebAddress(target)) {
        url = QUrl(target);
    } else {
        const std::filesystem::path file = ResolveFileName(target.toStdString());
        std::error_code ec;
        if (!std::filesystem::exists(file, ec))
            return {false, QString::fromLocal8Bit(std::strerror(ENOENT))};
        url = QUrl::fromLocalFile(
            QString::fromStdString(NarrowName(std::filesystem::absolute(file, ec))));
    }
    if (!QDesktopServices::openUrl(url))
        return {false, QStringLiteral("No application is associated with \"%1\".").arg(target)};
    return {true, {}};
}
