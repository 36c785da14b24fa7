#include "ui/error_info.h"

#include <cxxabi.h>

#include <cstdlib>
#include <memory>
#include <typeinfo>

#include "opcodes/cp1251.h"
#include "opcodes/errors.h"

namespace {

std::string TypeName(const std::type_info& type) {
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> name(
        abi::__cxa_demangle(type.name(), nullptr, nullptr, &status), std::free);
    return status == 0 && name ? std::string(name.get()) : std::string(type.name());
}

} // namespace

ErrorInfo DescribeError(std::exception_ptr error) {
    try {
        if (error)
            std::rethrow_exception(error);
    } catch (const Exception& e) {
        return {e.ClassName(), e.Message(), e.RaiseAddress()};
    } catch (const std::exception& e) {
        // A library's error (std::filesystem's, ...) speaks the C library's language.
        return {TypeName(typeid(e)), LocaleToCp1251(e.what()), nullptr};
    } catch (...) {
    }
    return {"Exception", "Unknown error", nullptr};
}
