#pragma once
// The texts the copy commands of both opcode lists put on the clipboard, and the
// hand-over file of the outside search tool, which holds the same text as "copy all".
// Windows-1251 bytes; lines are separated by CR LF.

#include <optional>
#include <span>
#include <string>
#include <string_view>

inline constexpr std::string_view kLineBreak = "\r\n";
// Between a main-list row's text and its translation.
inline constexpr std::string_view kTranslationSeparator = "   //";

// The four copy commands, numbered as their menu items' tags.
enum class CopyCommand { CopySelected = 1, AddSelected = 2, CopyAll = 3, AddAll = 4 };

// The command of a menu item's tag; nothing for any other tag.
std::optional<CopyCommand> CopyCommandOfTag(int tag);
// The commands that copy the selected rows, and so need at least one.
bool CopiesSelection(CopyCommand command);

// The commands that keep the clipboard's current text and add to it.
bool AddsToClipboard(CopyCommand command);

// A selected main-list row as one line: its text, the separator, its translation.
std::string MainListLine(std::string_view rowText, std::string_view translation);

// The selected rows' lines in list order, joined by line breaks: no break before the
// first line or after the last.
std::string SelectionText(std::span<const std::string> lines);

// Every row's text, each preceded by a line break: the text begins with one, ends
// without one, and is empty for an empty list. Also the content of "temp.txt".
std::string AllRowsText(std::span<const std::string> rowTexts);

// What the add commands put after the clipboard's current text, which they keep as it
// is (even when empty): a line break and `text`.
std::string AddedText(std::string_view text);
