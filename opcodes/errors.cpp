#include "opcodes/errors.h"

#include <utility>

// The constructors are kept out of line and never inlined, so the return address they
// record lies in the code that raised the error.
#define KELPRA_RAISE_ADDRESS __builtin_extract_return_addr(__builtin_return_address(0))

__attribute__((noinline)) Exception::Exception(std::string message)
    : Exception("Exception", std::move(message), KELPRA_RAISE_ADDRESS) {}

Exception::Exception(const char* className, std::string message, const void* raiseAddress)
    : className_(className), message_(std::move(message)), raiseAddress_(raiseAddress) {}

#define KELPRA_DEFINE_ERROR(Name)                                                                  \
    __attribute__((noinline)) Name::Name(std::string message)                                      \
        : Exception(#Name, std::move(message), KELPRA_RAISE_ADDRESS) {}

KELPRA_DEFINE_ERROR(EConvertError)
KELPRA_DEFINE_ERROR(EInOutError)
KELPRA_DEFINE_ERROR(EFOpenError)
KELPRA_DEFINE_ERROR(ETreeViewError)
KELPRA_DEFINE_ERROR(EIniFileException)
KELPRA_DEFINE_ERROR(ERangeError)
KELPRA_DEFINE_ERROR(EOSError)
