#include "opcodes/error_log_interim.h"

#include <cstdio>

#include "opcodes/cp1251.h"

std::string FormatLogDateTime(const std::tm& time) {
    char text[64];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d %d:%02d:%02d", time.tm_mday, time.tm_mon + 1,
                  time.tm_year + 1900, time.tm_hour, time.tm_min, time.tm_sec);
    return text;
}

std::string ErrorLogRecord(std::string_view dateTime, std::string_view className,
                           std::string_view moduleName, uint32_t offset, std::string_view message) {
    char address[16];
    std::snprintf(address, sizeof address, "%08X", offset);
    std::string record = std::string(dateTime) + ". Exception " + std::string(className) +
                         " in module " + std::string(moduleName) + " at " + address + ".\r\n" +
                         std::string(message);
    if (!message.empty() && message.back() != '.') record += '.';
    record += "\r\n";
    if (record.size() > 512) record.resize(512);
    return record + "\r\n";
}

std::string ErrorBoxText(std::string_view message, std::string_view className) {
    return Utf8ToCp1251("Произошла неожиданная ошибка \"") + std::string(message) +
           Utf8ToCp1251("\" (Класс ") + std::string(className) + ").\r\n" +
           Utf8ToCp1251("Записано в log-файл Errors.log");
}
