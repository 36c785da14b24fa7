#include "platform/error_locator.h"

#include <dlfcn.h>

#include <filesystem>
#include <system_error>

#include "opcodes/cp1251.h"

namespace fs = std::filesystem;

std::string ExecutableName() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : exe.filename().string();
}

CodeLocation DlErrorLocator::Locate(const void* address) {
    Dl_info info{};
    if (address != nullptr && ::dladdr(address, &info) != 0 && info.dli_fbase != nullptr) {
        // The main program is listed without a name or under the name it was started by.
        std::string module = info.dli_fname != nullptr
                                 ? fs::path(info.dli_fname).filename().string()
                                 : std::string();
        if (module.empty())
            module = ExecutableName();
        const auto offset =
            reinterpret_cast<uintptr_t>(address) - reinterpret_cast<uintptr_t>(info.dli_fbase);
        return {LocaleToCp1251(module), static_cast<uint32_t>(offset)};
    }
    return {LocaleToCp1251(ExecutableName()), 0};
}
