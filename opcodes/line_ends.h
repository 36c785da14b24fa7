#pragma once
// Line splitting shared by the file readers: a line ends at CR, LF or CR LF.

#include <bit>
#include <cstdint>
#include <cstring>
#include <string_view>

#if defined(__SSE2__) && !defined(KELPRA_NO_SIMD)
#include <emmintrin.h>
#define KELPRA_LINE_SCAN_SSE2 1
#endif

// The position after the line end at `end` (CR LF counts as one).
inline std::size_t SkipLineEnd(std::string_view text, std::size_t end) {
    return text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? end + 2 : end + 1;
}

// Goes through a text line by line. The bytes are classified 64 at a time into a bit mask
// of line ends (and one of a mark character, when one is asked for), so that the next line
// costs a few bit operations rather than a scan of its own; a line longer than a block
// costs one classification per block. A line end at the very end of the text starts no
// further line.
class LineSplitter {
  public:
    static constexpr std::size_t npos = std::string_view::npos;

    // Splits `text` from offset `from`, finding the first `mark` of each line when
    // `findMark` is set.
    explicit LineSplitter(std::string_view text, std::size_t from = 0, bool findMark = false,
                          char mark = '\0')
        : text_(text), pos_(from), base_(from), findMark_(findMark), mark_(mark) {
        if (pos_ < text_.size())
            Classify();
    }

    // The next line, without its end; false when none is left. `markAt` is the offset in
    // `line` of its first mark, npos when it has none (or no mark was asked for).
    bool Next(std::string_view& line, std::size_t& markAt) {
        if (pos_ >= text_.size())
            return false;
        const std::size_t end = EndFrom(pos_, markAt);
        line = text_.substr(pos_, end - pos_);
        if (markAt != npos)
            markAt -= pos_;
        pos_ = end == text_.size() ? end : SkipLineEnd(text_, end);
        return true;
    }
    bool Next(std::string_view& line) {
        std::size_t unused;
        return Next(line, unused);
    }

    // The end of the line that starts at `from` (>= the last position handed out):
    // the offset of its CR or LF, or the text's size when it runs to the end.
    std::size_t EndFrom(std::size_t from, std::size_t& markAt) {
        markAt = npos;
        for (;;) {
            const std::size_t shift = from > base_ ? from - base_ : 0;
            const uint64_t below = shift >= 64 ? 0 : ~uint64_t{0} << shift;
            const uint64_t ends = ends_ & below;
            if (markAt == npos && (marks_ & below) != 0) {
                const uint64_t marks = marks_ & below;
                const auto at = static_cast<unsigned>(std::countr_zero(marks));
                if (ends == 0 || at < static_cast<unsigned>(std::countr_zero(ends)))
                    markAt = base_ + at;
            }
            if (ends != 0)
                return base_ + static_cast<std::size_t>(std::countr_zero(ends));
            if (base_ + 64 >= text_.size())
                return text_.size();
            base_ += 64;
            Classify();
        }
    }

  private:
    // The masks of the 64 bytes from base_ (fewer at the text's end: the bits past it stay 0).
    void Classify() {
        const std::size_t left = text_.size() - base_;
        if (left >= 64) {
            Classify(text_.data() + base_);
            return;
        }
        char block[64] = {};
        std::memcpy(block, text_.data() + base_, left);
        Classify(block);
        const uint64_t inside = (uint64_t{1} << left) - 1;
        ends_ &= inside;
        marks_ &= inside;
    }

    void Classify(const char* p) {
#ifdef KELPRA_LINE_SCAN_SSE2
        const auto bits = [p](int i, __m128i& v) {
            v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * i));
            const __m128i ends = _mm_or_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8('\r')),
                                              _mm_cmpeq_epi8(v, _mm_set1_epi8('\n')));
            return uint64_t{static_cast<uint16_t>(_mm_movemask_epi8(ends))} << (16 * i);
        };
        __m128i v0, v1, v2, v3;
        ends_ = bits(0, v0) | bits(1, v1) | bits(2, v2) | bits(3, v3);
        if (findMark_) {
            const __m128i mk = _mm_set1_epi8(mark_);
            const auto marks = [mk](int i, __m128i v) {
                return uint64_t{static_cast<uint16_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(v, mk)))}
                       << (16 * i);
            };
            marks_ = marks(0, v0) | marks(1, v1) | marks(2, v2) | marks(3, v3);
        }
#else
        ends_ = marks_ = 0;
        for (unsigned i = 0; i < 64; ++i) {
            ends_ |= uint64_t{p[i] == '\r' || p[i] == '\n'} << i;
            if (findMark_)
                marks_ |= uint64_t{p[i] == mark_} << i;
        }
#endif
    }

    std::string_view text_;
    std::size_t pos_;  // where the next line starts
    std::size_t base_; // where the classified block starts
    bool findMark_;
    char mark_;
    uint64_t ends_ = 0, marks_ = 0;
};

// The position of the first CR or LF at or after `from`, or npos.
inline std::size_t FindLineEnd(std::string_view text, std::size_t from = 0) {
    if (from >= text.size())
        return std::string_view::npos;
    LineSplitter lines(text, from);
    std::size_t unused;
    const std::size_t end = lines.EndFrom(from, unused);
    return end == text.size() ? std::string_view::npos : end;
}

// The same for a text of long lines (hundreds of bytes), where the library's memchr runs
// faster than the masks: the LF, then a CR before it. They go a kilobyte at a time, since
// scanning the whole rest for an LF on every line would make a file of CR-only lines
// quadratic.
inline std::size_t FindLongLineEnd(std::string_view text, std::size_t from = 0) {
    constexpr std::size_t kBlock = 1024;
    for (std::size_t start = from; start < text.size(); start += kBlock) {
        const char* begin = text.data() + start;
        const std::size_t length = text.size() - start < kBlock ? text.size() - start : kBlock;
        const auto* lf = static_cast<const char*>(std::memchr(begin, '\n', length));
        const std::size_t span = lf ? static_cast<std::size_t>(lf - begin) : length;
        const auto* cr = static_cast<const char*>(std::memchr(begin, '\r', span));
        if (cr)
            return start + static_cast<std::size_t>(cr - begin);
        if (lf)
            return start + span;
    }
    return std::string_view::npos;
}
