#pragma once
// Where a program named without a folder is found: the running executable's folder
// first, then the current directory, then each folder of the search path in turn. As on
// the system the names come from, a name matches without regard to the case of its Latin
// letters ("opctool.EXE" finds "opctool.exe"); in each folder an exact match wins.

#include <filesystem>
#include <optional>
#include <string_view>

// The first executable regular file of that name in that order, or nothing. The search
// path's folders are separated by kSearchPathSeparator (":" on POSIX, ";" on Windows);
// an empty entry (a separator at either end or two together) stands for the current
// directory. `programExtensions`, in PATHEXT's form (".COM;.EXE;.BAT"), are the endings
// that make a file a program on Windows: a name without one is looked for with each in
// turn, a file with another is no program. Empty, the file's execute permission decides.
std::optional<std::filesystem::path> FindProgram(std::string_view name,
                                                 const std::filesystem::path& executableDir,
                                                 const std::filesystem::path& currentDir,
                                                 std::string_view searchPath,
                                                 std::string_view programExtensions = {});
