// The handler of every error that no command handles: the error sound, the error box and
// a record in "errors.log".
#include <ctime>

#include "opcodes/error_log.h"
#include "opcodes/files/file_io.h"
#include "opcodes/files/file_names.h"
#include "platform/error_locator.h"
#include "platform/message_boxes.h"
#include "platform/qt_text.h"
#include "platform/sounds.h"
#include "ui/error_info.h"
#include "ui/main/form_main.h"

namespace {

std::string LocalDateTime() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return FormatLogDateTime(local);
}

} // namespace

void TFormMain::ApplicationEvents1Exception(std::exception_ptr error) noexcept {
    try {
        const ErrorInfo info = DescribeError(error);
        const QString message = FromCp1251(info.message), className = FromCp1251(info.className);
        const std::string logName = CurrentDir() + "\\" + std::string(kErrorLogFileName);
        const auto notWritten = [&logName](const FileResult& result) {
            return tr("Не удалось записать в log-файл %1: %2")
                .arg(FromCp1251(FullFileName(logName)), FromCp1251(result.systemMessage));
        };
        // The record is written once the box is closed; whether it can be is found out
        // before, so that the box promises no record that never comes.
        const FileResult writable = CheckAppendable(logName);
        platform_.sounds.Play(SystemSound::CriticalStop);
        platform_.messageBoxes.Error(
            writable.ok()
                ? tr("Произошла неожиданная ошибка \"%1\" (Класс %2).\r\nЗаписано в log-файл Errors.log")
                      .arg(message, className)
                : tr("Произошла неожиданная ошибка \"%1\" (Класс %2).").arg(message, className) +
                      QStringLiteral("\r\n") + notWritten(writable));

        const CodeLocation where = platform_.errorLocator.Locate(info.raiseAddress);
        const std::string record = ErrorLogRecord(LocalDateTime(), info.className, where.module,
                                                  where.offset, info.message);
        // Told in a box of its own, not as an error, which would come back here.
        const FileResult written = AppendToFile(logName, record);
        if (writable.ok() && !written.ok())
            platform_.messageBoxes.Error(notWritten(written));
    } catch (...) {
        // The handler of last resort has nowhere to send its own failure.
    }
}
