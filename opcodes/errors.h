#pragma once
// The program's errors. Each carries its class name and its message (Windows-1251
// bytes) as the error box and the error log show them, and the code address at which
// it was raised, so the log can name the module and the offset.

#include <exception>
#include <string>

class Exception : public std::exception {
  public:
    Exception(std::string message);
    const std::string& Message() const noexcept { return message_; }
    const char* ClassName() const noexcept { return className_; }
    // Where the error was raised (the return address in the code that built it), or null.
    const void* RaiseAddress() const noexcept { return raiseAddress_; }
    const char* what() const noexcept override { return message_.c_str(); }

  protected:
    Exception(const char* className, std::string message, const void* raiseAddress);

  private:
    const char* className_;
    std::string message_;
    const void* raiseAddress_;
};

#define KELPRA_DECLARE_ERROR(Name)                                                                 \
    class Name : public Exception {                                                                \
      public:                                                                                      \
        explicit Name(std::string message);                                                        \
    };

// "'%s' is not a valid integer value"
KELPRA_DECLARE_ERROR(EConvertError)
// "File not found", "Invalid filename", "File access denied", ...
KELPRA_DECLARE_ERROR(EInOutError)
// "Cannot open file "%s". %s"
KELPRA_DECLARE_ERROR(EFOpenError)
// "Invalid level (%d) for item "%s""
KELPRA_DECLARE_ERROR(ETreeViewError)
// "Unable to write to %s"
KELPRA_DECLARE_ERROR(EIniFileException)
// An opcode number outside 0000..0AF0 reached the table.
KELPRA_DECLARE_ERROR(ERangeError)
// A failure reported by the operating system (shell open, ...).
KELPRA_DECLARE_ERROR(EOSError)

#undef KELPRA_DECLARE_ERROR
