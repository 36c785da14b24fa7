#pragma once
// The record of the application-wide error handler that is appended to the error log.
// Windows-1251 bytes; lines end with CR LF.

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>

// The log lies in the current directory; only ever appended to.
inline constexpr std::string_view kErrorLogFileName = "errors.log";
// The longest a record may be before its final CR LF.
inline constexpr std::size_t kErrorLogRecordLimit = 512;

// One record:
//   <dateTime>. Exception <class> in module <module> at <offset, 8 hex digits>.CR LF
//   <message, with "." added unless empty or already ending with ".">CR LF
//   CR LF
// The last CR LF, which leaves a blank line between records, is always written; all
// before it (the message's own CR LF included) is cut to kErrorLogRecordLimit bytes, so
// a cut record ends with those bytes and that one CR LF.
std::string ErrorLogRecord(std::string_view dateTime, std::string_view className,
                           std::string_view moduleName, uint32_t offset, std::string_view message);

// Local date and time as Russian regional settings show them: "dd.MM.yyyy hh:mm:ss".
std::string FormatLogDateTime(const std::tm& time);
