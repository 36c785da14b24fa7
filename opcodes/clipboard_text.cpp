#include "opcodes/clipboard_text.h"

std::optional<CopyCommand> CopyCommandOfTag(int tag) {
    if (tag < 1 || tag > 4)
        return std::nullopt;
    return static_cast<CopyCommand>(tag);
}

bool CopiesSelection(CopyCommand command) {
    return command == CopyCommand::CopySelected || command == CopyCommand::AddSelected;
}

bool AddsToClipboard(CopyCommand command) {
    return command == CopyCommand::AddSelected || command == CopyCommand::AddAll;
}

std::string MainListLine(std::string_view rowText, std::string_view translation) {
    std::string line;
    line.reserve(rowText.size() + kTranslationSeparator.size() + translation.size());
    line.append(rowText).append(kTranslationSeparator).append(translation);
    return line;
}

std::string SelectionText(std::span<const std::string> lines) {
    std::string text;
    for (const auto& line : lines) {
        if (&line != &lines.front())
            text.append(kLineBreak);
        text.append(line);
    }
    return text;
}

std::string AllRowsText(std::span<const std::string> rowTexts) {
    std::size_t size = 0;
    for (const auto& row : rowTexts)
        size += kLineBreak.size() + row.size();
    std::string text;
    text.reserve(size);
    for (const auto& row : rowTexts)
        text.append(kLineBreak).append(row);
    return text;
}

std::string AddedText(std::string_view text) {
    std::string added;
    added.reserve(kLineBreak.size() + text.size());
    added.append(kLineBreak).append(text);
    return added;
}
