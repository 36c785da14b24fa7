#pragma once
// Windows-1251 text. Every text the program reads from or writes to a file or the
// clipboard is single-byte Windows-1251; it is kept as those bytes in std::string and
// converted to Unicode only at the edges (widgets, clipboard, console).

#include <optional>
#include <string>
#include <string_view>

// The Unicode code point of a Windows-1251 byte. Exact and total: the one byte that the
// code page leaves unassigned (0x98) maps to U+0098, so every byte survives a round trip.
char32_t Cp1251ToUnicode(unsigned char byte);

// The Windows-1251 byte of a code point, or nothing when the code page cannot hold it.
std::optional<unsigned char> UnicodeToCp1251(char32_t codePoint);

// UTF-8 <-> Windows-1251. A character that Windows-1251 cannot hold, or a broken UTF-8
// sequence, becomes the replacement byte.
std::string Utf8ToCp1251(std::string_view utf8, char replacement = '?');
std::string Cp1251ToUtf8(std::string_view bytes);
// The exact conversion: nothing when the text holds a character the code page lacks or
// a broken sequence.
std::optional<std::string> Utf8ToCp1251Exact(std::string_view utf8);

// A text of the file system or the C library (a path, strerror(), what() of a library
// error), in the encoding of the C locale's LC_CTYPE, as Windows-1251: characters the
// code page lacks and undecodable bytes become "?". On Windows the program keeps these
// texts in UTF-8 (its file names are converted so), whatever the C runtime's locale.
std::string LocaleToCp1251(std::string_view text);

// Latin-only upper-casing: a..z become A..Z, every other byte (Cyrillic included) stays.
std::string UpperLatin(std::string_view bytes);
// The same, in place.
void ToUpperLatin(std::string& bytes);

// Case folding for names that are compared without regard to case (INI sections and
// keys, file names): Latin and Cyrillic letters fold to one case.
unsigned char FoldCaseCp1251(unsigned char byte);
bool EqualsIgnoreCaseCp1251(std::string_view a, std::string_view b);
// A hash of the folded text: texts equal without regard to case hash alike.
std::size_t FoldedHashCp1251(std::string_view text);
