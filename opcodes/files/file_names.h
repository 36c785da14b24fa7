#pragma once
// The program names its files Windows-style ("INI\SASCM.ini", cd + "\INI\NodeInfo.ini"),
// relative to the current directory. On a case-sensitive file system such a name is
// resolved component by component: backslash and slash both separate, and each
// component matches an existing entry exactly or, failing that, without regard to case.
//
// Names are the program's narrow text: the file system's bytes on POSIX, UTF-8 on
// Windows, whose file system names are UTF-16 (PathOf and NarrowName convert).

#include <filesystem>
#include <string>
#include <string_view>

// The platform's separator of folders in a name, and of folders in a search path.
#ifdef _WIN32
inline constexpr char kFolderSeparator = '\\';
inline constexpr char kSearchPathSeparator = ';';
#else
inline constexpr char kFolderSeparator = '/';
inline constexpr char kSearchPathSeparator = ':';
#endif

// The file system's path of a narrow name, and the narrow name of a path (with the
// platform's separators, or with "/" in the generic form). Never throws: on Windows a
// broken UTF-8 sequence becomes U+FFFD.
std::filesystem::path PathOf(std::string_view name);
std::string NarrowName(const std::filesystem::path& path);
std::string GenericName(const std::filesystem::path& path);

// True when the two names are one entry's name: compared exactly where the file system
// tells case apart, without regard to case on Windows.
bool SameEntryName(const std::filesystem::path& a, const std::filesystem::path& b);

// The entry of `dir` called `name`: the exact name when it exists, otherwise the first
// entry whose name differs only in the case of its Latin letters, otherwise the name as
// written.
std::filesystem::path ResolveEntry(const std::filesystem::path& dir, std::string_view name);

// The path a Windows-style name stands for. A name may begin with a root: a separator,
// and on Windows a drive ("C:\", or "C:" for that drive's current folder) or a network
// share ("\\server\share"). Components that exist nowhere are kept as written, so
// opening the result fails the way the missing file would.
std::filesystem::path ResolveFileName(std::string_view windowsName);

// The existing path with each component spelled as its folder lists it, for display
// (Windows finds a file under a name in any case; ResolveFileName's result on POSIX is
// spelled so already). What does not exist stays as given.
std::filesystem::path SpelledAsOnDisk(const std::filesystem::path& path);

// The process's current directory, as the file system reports it.
std::string CurrentDir();

// True when the name resolves to an existing regular file.
bool FileExists(std::string_view windowsName);

// The display form of a name the program opened, for its messages: names without a root
// gain the current directory in front, every separator becomes the platform's, and the
// text is the program's (Windows-1251), not the file system's.
std::string FullFileName(std::string_view windowsName);
