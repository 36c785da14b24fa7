#pragma once
// Line splitting shared by the file readers: a line ends at CR, LF or CR LF.

#include <cstring>
#include <string_view>

// The position of the first CR or LF at or after `from`, or npos.
inline std::size_t FindLineEnd(std::string_view text, std::size_t from = 0) {
    // Two memchr scans beat a byte loop: find the LF, then a CR before it. They go block
    // by block, since scanning the whole rest for an LF on every line would make a file
    // of CR-only lines quadratic.
    constexpr std::size_t kBlock = 1024;
    for (std::size_t start = from; start < text.size(); start += kBlock) {
        const char* begin = text.data() + start;
        const std::size_t length = text.size() - start < kBlock ? text.size() - start : kBlock;
        const auto* lf = static_cast<const char*>(std::memchr(begin, '\n', length));
        const std::size_t span = lf ? static_cast<std::size_t>(lf - begin) : length;
        const auto* cr = static_cast<const char*>(std::memchr(begin, '\r', span));
        if (cr) return start + static_cast<std::size_t>(cr - begin);
        if (lf) return start + span;
    }
    return std::string_view::npos;
}

// The position after the line end at `end` (CR LF counts as one).
inline std::size_t SkipLineEnd(std::string_view text, std::size_t end) {
    return text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? end + 2 : end + 1;
}
