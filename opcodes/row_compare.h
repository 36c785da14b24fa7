#pragma once
// The order of the opcode list's rows when a column header is clicked: the column texts
// compared byte by byte as Windows-1251 codes. Case-sensitive on purpose, so the
// blank-padded parameter counts sort numerically and captions sort by opcode number.

#include <string_view>

// Negative when `a` sorts first, 0 when equal, positive when `b` sorts first. The first
// differing byte decides, as unsigned values, and the result is their difference; when
// one text is a prefix of the other, the shorter sorts first.
int CompareCp1251(std::string_view a, std::string_view b);
