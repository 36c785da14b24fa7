#pragma once
// Data files at the limits: huge, deep or long-lined. Shared by the tests that check such
// files load (or fail with the program's error) and the benchmarks that show time and
// memory grow no faster than the files. Header-only, so the benchmarks need no test
// library.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

namespace pathological {

inline std::string Hex4(uint32_t n) {
    char key[8];
    std::snprintf(key, sizeof key, "%04X", n & 0xFFFFu);
    return key;
}

// About `bytes` bytes of SASCM.ini: a filler section of opcode-like keys, then the real
// "opcodes" section with every number, the last key standing at the very end.
inline std::string LargeOpcodesIni(std::size_t bytes) {
    std::string text = "[filler]\r\n";
    for (uint32_t n = 0; text.size() < bytes; ++n)
        text += "F" + std::to_string(n) + "=2,set_actor %1d% position_to %2d% %3d% %4d%\r\n";
    text += "[opcodes]\r\n";
    for (uint32_t n = 0; n <= 0x0AF0; ++n)
        text += Hex4(n) + "=1,op" + std::to_string(n) + "\r\n";
    return text;
}

// The text of `count` lines, line(i) each, ending at CR LF (or at `bytes` bytes when more).
template <typename Line> std::string Lines(std::size_t count, Line line, std::size_t bytes = 0) {
    std::string text;
    for (std::size_t i = 0; i < count || text.size() < bytes; ++i)
        text += line(i) + "\r\n";
    return text;
}

// One opcode line of `chars` characters: the numbers 0000, 0001, ... (wrapping past FFFF).
inline std::string LongOpcodeLine(std::size_t chars) {
    std::string line;
    for (uint32_t n = 0; line.size() < chars; ++n)
        line += Hex4(n) + " ";
    return line.substr(0, chars);
}

// A tree of `lines` nodes, each key "k<index>", the levels going 0 1 2 3 0 1 2 3 ...
inline std::string WideTree(std::size_t lines) {
    return Lines(lines,
                 [](std::size_t i) { return std::string(i % 4, '\t') + "k" + std::to_string(i); });
}

// A chain of `levels` nodes, each one level below the one before, all with the key "n".
inline std::string DeepTree(std::size_t levels) {
    return Lines(levels, [](std::size_t level) { return std::string(level, ' ') + "n"; });
}

// `sections` type sections, each naming line 1 of the type lines, with a caption and a
// short caption of `captionLength` characters.
inline std::string TypeInfo(std::size_t sections, std::size_t captionLength) {
    const std::string caption(captionLength, 'c');
    return Lines(sections, [&](std::size_t i) {
        return "[T" + std::to_string(i) + "]\r\nCaption=" + caption +
               "\r\nShortCaption=" + caption + "\r\nOpcodes=1";
    });
}

// The text with each CR LF replaced by `lineEnd` (a lone CR or LF).
inline std::string WithLineEnds(std::string_view text, std::string_view lineEnd) {
    std::string out;
    for (std::size_t at = 0, end; at < text.size(); at = end + 2) {
        out.append(text.substr(at, (end = text.find("\r\n", at)) - at));
        if (end != std::string_view::npos)
            out.append(lineEnd);
        else
            break;
    }
    return out;
}

} // namespace pathological
