#pragma once
// The program names its files Windows-style ("INI\SASCM.ini", cd + "\INI\NodeInfo.ini"),
// relative to the current directory. On a case-sensitive file system such a name is
// resolved component by component: backslash and slash both separate, and each
// component matches an existing entry exactly or, failing that, without regard to case.

#include <filesystem>
#include <string>
#include <string_view>

// The entry of `dir` called `name`: the exact name when it exists, otherwise the first
// entry whose name differs only in the case of its Latin letters, otherwise the name as
// written.
std::filesystem::path ResolveEntry(const std::filesystem::path& dir, std::string_view name);

// The path a Windows-style name stands for. Components that exist nowhere are kept as
// written, so opening the result fails the way the missing file would.
std::filesystem::path ResolveFileName(std::string_view windowsName);

// The process's current directory, as the file system reports it.
std::string CurrentDir();

// True when the name resolves to an existing regular file.
bool FileExists(std::string_view windowsName);

// The display form of a name the program opened, for its messages: cd-relative names
// gain the current directory in front, every separator becomes the platform's, and the
// text is the program's (Windows-1251), not the file system's.
std::string FullFileName(std::string_view windowsName);
