#pragma once
// Writing one key of an INI file the way the Windows private-profile writer does, read
// back by TIniFile: sections and keys match without regard to case, the first section
// and the first key of a name count. Only the one line changes (or is added); every other
// byte of the file stays as it was, its line ends included.

#include <string>
#include <string_view>

// The file's new bytes after setting `key` in `section` to `value`:
// - an existing key's line becomes the key as written there, "=", the value;
// - a missing key is added after the last non-blank line of the section;
// - a missing section is added at the end of the file with the key;
// new lines end the way the file's first line does (CR LF for a file without one).
// Throws std::invalid_argument when the names or the value cannot stand in an INI file
// (a line break anywhere, an empty key, "=" in the key, "]" in the section).
std::string WriteProfileString(std::string_view fileBytes, std::string_view section,
                               std::string_view key, std::string_view value);

// Sets the key in the file named Windows-style, creating the file when it is missing.
// The file is replaced atomically: it is either the old one or the whole new one.
// Throws EIniFileException("Unable to write to " + FullFileName(fileName)) when the file
// cannot be read (other than missing), is read-only, or cannot be written.
void SetProfileStringInFile(const std::string& fileName, std::string_view section,
                            std::string_view key, std::string_view value);
