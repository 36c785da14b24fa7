#pragma once
// What the fuzz targets share: a scratch folder for inputs that the code under test can
// only read from files, and a check whose failure is a finding like a crash.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string_view>

// A folder of its own for this process, made at the first call and removed at exit.
const std::filesystem::path& ScratchDir();

// Writes the bytes to the file at the path relative to ScratchDir(), creating folders on
// the way. A run that cannot lay out its input tests nothing, so a failure aborts.
void WriteScratchFile(std::string_view relative, std::string_view bytes);
void RemoveScratchFile(std::string_view relative);

// The fuzzer's input as text.
inline std::string_view InputBytes(const uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

[[noreturn]] void FuzzCheckFailed(const char* condition, const char* file, int line);

// An invariant of the code under test. Unlike assert() it stays on in every build type.
#define FUZZ_CHECK(condition)                                                                      \
    ((condition) ? static_cast<void>(0) : FuzzCheckFailed(#condition, __FILE__, __LINE__))
