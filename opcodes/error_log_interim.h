#pragma once
// Stand-in for the error log's text rules until they land with the other core rules.

#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>

std::string FormatLogDateTime(const std::tm& time);
std::string ErrorLogRecord(std::string_view dateTime, std::string_view className,
                           std::string_view moduleName, uint32_t offset, std::string_view message);
std::string ErrorBoxText(std::string_view message, std::string_view className);
