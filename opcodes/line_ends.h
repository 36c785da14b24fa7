#pragma once
// Line splitting shared by the file readers: a line ends at CR, LF or CR LF.

#include <bit>
#include <cstring>
#include <string_view>

#if defined(__SSE2__) && !defined(KELPRA_NO_SIMD)
#include <emmintrin.h>
#define KELPRA_LINE_SCAN_SSE2 1
#endif

namespace line_scan {

// Without vector instructions, or for a text shorter than one vector: two memchr scans,
// the LF, then a CR before it. They go block by block, since scanning the whole rest for
// an LF on every line would make a file of CR-only lines quadratic.
inline std::size_t FindEndByBlocks(std::string_view text, std::size_t from) {
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

// The line end at or after `from`; with kMark, `markAt` is where the first `mark` before
// it stands (npos when none). The first bytes go sixteen at a time, one pass finding
// both, so that a usual short line costs a few steps instead of two or three library
// calls; a line still going after kShortLine bytes is left to memchr, quicker on long runs.
template <bool kMark>
std::size_t FindEnd(std::string_view text, std::size_t from, char mark, std::size_t& markAt) {
    constexpr std::size_t npos = std::string_view::npos;
    markAt = npos;
    if (from >= text.size()) return npos;
    std::size_t rest = from;  // where the scan by blocks starts
#ifdef KELPRA_LINE_SCAN_SSE2
    constexpr std::size_t kWidth = 16, kShortLine = 4 * kWidth;
    if (text.size() >= kWidth) {
        const __m128i cr = _mm_set1_epi8('\r'), lf = _mm_set1_epi8('\n'), mk = _mm_set1_epi8(mark);
        const std::size_t stop = text.size() - from > kShortLine ? from + kShortLine : text.size();
        for (std::size_t at = from; at < stop; at += kWidth) {
            // The last step at the text's end reads its last sixteen bytes and passes over
            // those already read.
            unsigned seen = 0;
            if (at > text.size() - kWidth) {
                seen = static_cast<unsigned>(at - (text.size() - kWidth));
                at = text.size() - kWidth;
            }
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + at));
            const auto ends = static_cast<unsigned>(
                _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(v, cr), _mm_cmpeq_epi8(v, lf))));
            const unsigned endBits = ends >> seen << seen;
            if constexpr (kMark) {
                if (markAt == npos) {
                    const auto marks =
                        static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(v, mk)));
                    const unsigned markBits = marks >> seen << seen;
                    if (markBits != 0)
                        markAt = at + static_cast<std::size_t>(std::countr_zero(markBits));
                }
            }
            if (endBits != 0) {
                const std::size_t end = at + static_cast<std::size_t>(std::countr_zero(endBits));
                if (markAt > end) markAt = npos;
                return end;
            }
        }
        if (stop == text.size()) return npos;
        rest = stop;
    }
#endif
    const std::size_t end = FindEndByBlocks(text, rest);
    if constexpr (kMark) {
        if (markAt == npos) {
            const std::size_t length = (end == npos ? text.size() : end) - rest;
            const auto* found =
                static_cast<const char*>(std::memchr(text.data() + rest, mark, length));
            if (found) markAt = static_cast<std::size_t>(found - text.data());
        }
    }
    return end;
}

}  // namespace line_scan

// The position of the first CR or LF at or after `from`, or npos.
inline std::size_t FindLineEnd(std::string_view text, std::size_t from = 0) {
    std::size_t unused;
    return line_scan::FindEnd<false>(text, from, '\0', unused);
}

// The same, and where the first `mark` before the line end stands (npos when none).
inline std::size_t FindLineEnd(std::string_view text, std::size_t from, char mark,
                               std::size_t& markAt) {
    return line_scan::FindEnd<true>(text, from, mark, markAt);
}

// The position after the line end at `end` (CR LF counts as one).
inline std::size_t SkipLineEnd(std::string_view text, std::size_t end) {
    return text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? end + 2 : end + 1;
}
