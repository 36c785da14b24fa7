#pragma once
// Where a program named without a folder is found: the running executable's folder
// first, then the current directory, then each folder of the search path in turn.

#include <filesystem>
#include <optional>
#include <string_view>

// The first executable regular file called `name` in that order, or nothing. An empty
// entry of `searchPath` (a ":" at either end or "::") stands for the current directory.
std::optional<std::filesystem::path> FindProgram(std::string_view name,
                                                 const std::filesystem::path& executableDir,
                                                 const std::filesystem::path& currentDir,
                                                 std::string_view searchPath);
