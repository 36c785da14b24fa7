#pragma once
// Which program module (the executable or a shared library) holds a code address, and
// the address's offset from the module's load address, for the error log.

#include <cstdint>
#include <string>

struct CodeLocation {
    std::string module;  // the module's file name without its folder (Windows-1251)
    uint32_t offset = 0; // address - load address of the module
};

class ErrorLocator {
  public:
    virtual ~ErrorLocator() = default;
    // A null or unknown address gives the executable's name and offset 0.
    virtual CodeLocation Locate(const void* address) = 0;
};

// Resolves addresses through the dynamic linker (dladdr).
class DlErrorLocator : public ErrorLocator {
  public:
    CodeLocation Locate(const void* address) override;
};

// The running executable's file name without its folder.
std::string ExecutableName();
