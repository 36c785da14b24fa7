// The window's own commands: restart, introduction, and the error handler.
#include <ctime>

#include "opcodes/error_log.h"
#include "opcodes/errors.h"
#include "platform/error_locator.h"
#include "opcodes/files/file_io.h"
#include "opcodes/files/file_names.h"
#include "platform/message_boxes.h"
#include "platform/process_starter.h"
#include "platform/shell.h"
#include "platform/sounds.h"
#include "ui/error_info.h"
#include "ui/main/form_main.h"
#include "ui/qt_text.h"

void TFormMain::NReExeClick() {
    const StartResult result = platform_.processes.Start(QStringLiteral("KLV"), true);
    // Closing without a successor would leave the user with no program at all.
    if (!result.started)
        throw EOSError(ToCp1251(result.error));
    close();
}

void TFormMain::HelpIntroExecute() {
    // The page of the interface's language, named by the translation; a folder without
    // it gets the Russian page.
    const QString page = tr("Intro.html");
    const ShellResult result = platform_.shell.Open(
        FileExists(page.toStdString()) ? page : QStringLiteral("Intro.html"));
    if (!result.ok)
        throw EOSError(ToCp1251(result.error));
}

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
        platform_.sounds.Play(SystemSound::CriticalStop);
        platform_.messageBoxes.Error(
            tr("Произошла неожиданная ошибка \"%1\" (Класс %2).\r\nЗаписано в log-файл Errors.log")
                .arg(FromCp1251(info.message), FromCp1251(info.className)));

        const CodeLocation where = platform_.errorLocator.Locate(info.raiseAddress);
        const std::string record = ErrorLogRecord(LocalDateTime(), info.className, where.module,
                                                  where.offset, info.message);
        // A log that cannot be written (a read-only folder, a full disk) costs the record
        // only: the user has seen the error already, and reporting this would loop.
        AppendToFile(CurrentDir() + "\\" + std::string(kErrorLogFileName), record);
    } catch (...) {
        // The handler of last resort has nowhere to send its own failure.
    }
}
