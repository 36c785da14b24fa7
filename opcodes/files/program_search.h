#pragma once
// Where a program named without a folder is found: the running executable's folder
// first, then the current directory, then each folder of the search path in turn. As on
// the system the names come from, a name matches without regard to the case of its Latin
// letters ("opctool.EXE" finds "opctool.exe"); in each folder an exact match wins.

#include <filesystem>
#include <optional>
#include <string_view>

// The first executable regular file of that name in that order, or nothing. An empty
// entry of `searchPath` (a ":" at either end or "::") stands for the current directory.
std::optional<std::filesystem::path> FindProgram(std::string_view name,
                                                 const std::filesystem::path& executableDir,
                                                 const std::filesystem::path& currentDir,
                                                 std::string_view searchPath);
