#pragma once
// What an error handler tells about an exception: the class name and message that the
// error box and the log show (Windows-1251) and where it was raised.

#include <exception>
#include <string>

struct ErrorInfo {
    std::string className;
    std::string message;
    const void* raiseAddress = nullptr; // null when unknown
};

// The program's own errors give their class, message and raise address; other C++
// exceptions their type name and what(); anything else a generic description.
ErrorInfo DescribeError(std::exception_ptr error);
