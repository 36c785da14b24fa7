#include "opcodes/error_log.h"

#include <cstdio>

namespace {

constexpr std::string_view kCrLf = "\r\n";

} // namespace

std::string ErrorLogRecord(std::string_view dateTime, std::string_view className,
                           std::string_view moduleName, uint32_t offset, std::string_view message) {
    char address[9];
    std::snprintf(address, sizeof address, "%08X", static_cast<unsigned>(offset));
    std::string record;
    record.append(dateTime).append(". ");
    record.append("Exception ").append(className).append(" in module ").append(moduleName);
    record.append(" at ").append(address).append(".").append(kCrLf);
    record.append(message);
    if (!message.empty() && message.back() != '.')
        record.append(".");
    record.append(kCrLf);
    if (record.size() > kErrorLogRecordLimit)
        record.resize(kErrorLogRecordLimit);
    record.append(kCrLf);
    return record;
}

std::string FormatLogDateTime(const std::tm& time) {
    char text[64];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d %02d:%02d:%02d", time.tm_mday, time.tm_mon + 1,
                  time.tm_year + 1900, time.tm_hour, time.tm_min, time.tm_sec);
    return text;
}
