#include "opcodes/cp1251.h"

#include <array>
#include <cstdint>
#include <cuchar>

namespace {

// Code points of the bytes 80..FF; the bytes below 80 are ASCII.
constexpr std::array<char16_t, 128> kHighHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039,
    0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408,
    0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB,
    0x0458, 0x0405, 0x0455, 0x0457, 0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F, 0x0420, 0x0421, 0x0422, 0x0423,
    0x0424, 0x0425, 0x0426, 0x0427, 0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437, 0x0438, 0x0439, 0x043A, 0x043B,
    0x043C, 0x043D, 0x043E, 0x043F, 0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F};

struct FoldTable {
    std::array<unsigned char, 256> upper{};
    constexpr FoldTable() {
        for (int b = 0; b < 256; ++b)
            upper[b] = static_cast<unsigned char>(b);
        for (int b = 'a'; b <= 'z'; ++b)
            upper[b] = static_cast<unsigned char>(b - 'a' + 'A');
        // Lower-case letters of the code page beyond ASCII and their capitals.
        constexpr unsigned char pairs[][2] = {
            {0x83, 0x81}, {0x90, 0x80}, {0x9A, 0x8A}, {0x9C, 0x8C}, {0x9D, 0x8D}, {0x9E, 0x8E},
            {0x9F, 0x8F}, {0xA2, 0xA1}, {0xB3, 0xB2}, {0xB4, 0xA5}, {0xB8, 0xA8}, {0xBA, 0xAA},
            {0xBC, 0xA3}, {0xBE, 0xBD}, {0xBF, 0xAF}, {0xE0, 0xC0}, {0xE1, 0xC1}, {0xE2, 0xC2},
            {0xE3, 0xC3}, {0xE4, 0xC4}, {0xE5, 0xC5}, {0xE6, 0xC6}, {0xE7, 0xC7}, {0xE8, 0xC8},
            {0xE9, 0xC9}, {0xEA, 0xCA}, {0xEB, 0xCB}, {0xEC, 0xCC}, {0xED, 0xCD}, {0xEE, 0xCE},
            {0xEF, 0xCF}, {0xF0, 0xD0}, {0xF1, 0xD1}, {0xF2, 0xD2}, {0xF3, 0xD3}, {0xF4, 0xD4},
            {0xF5, 0xD5}, {0xF6, 0xD6}, {0xF7, 0xD7}, {0xF8, 0xD8}, {0xF9, 0xD9}, {0xFA, 0xDA},
            {0xFB, 0xDB}, {0xFC, 0xDC}, {0xFD, 0xDD}, {0xFE, 0xDE}, {0xFF, 0xDF}};
        for (const auto& p : pairs)
            upper[p[0]] = p[1];
    }
};
constexpr FoldTable kFold;

struct ReverseTable {
    // Code points U+0080..U+04FF that need no search; the rest are looked up in kHighHalf.
    std::array<unsigned char, 0x500> byte{};
    constexpr ReverseTable() {
        for (int i = 0; i < 128; ++i)
            if (kHighHalf[i] < 0x500)
                byte[kHighHalf[i]] = static_cast<unsigned char>(0x80 + i);
    }
};
constexpr ReverseTable kReverse;

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

} // namespace

char32_t Cp1251ToUnicode(unsigned char byte) {
    return byte < 0x80 ? char32_t{byte} : char32_t{kHighHalf[byte - 0x80]};
}

std::optional<unsigned char> UnicodeToCp1251(char32_t codePoint) {
    if (codePoint < 0x80)
        return static_cast<unsigned char>(codePoint);
    if (codePoint < kReverse.byte.size()) {
        unsigned char b = kReverse.byte[codePoint];
        if (b != 0)
            return b;
        return std::nullopt;
    }
    for (int i = 0; i < 128; ++i)
        if (kHighHalf[i] == codePoint)
            return static_cast<unsigned char>(0x80 + i);
    return std::nullopt;
}

namespace {

// Converts, counting the characters that needed the replacement.
std::string ConvertUtf8(std::string_view utf8, char replacement, std::size_t& replaced) {
    std::string out;
    out.reserve(utf8.size());
    replaced = 0;
    std::size_t i = 0;
    const auto replace = [&] {
        out += replacement;
        ++replaced;
    };
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        std::size_t extra;
        char32_t c;
        if (lead < 0x80) {
            extra = 0;
            c = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            extra = 1;
            c = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            extra = 2;
            c = lead & 0x0F;
        } else if ((lead & 0xF8) == 0xF0) {
            extra = 3;
            c = lead & 0x07;
        } else {
            replace();
            ++i;
            continue;
        }

        bool valid = i + extra < utf8.size();
        for (std::size_t k = 1; valid && k <= extra; ++k) {
            const auto cont = static_cast<unsigned char>(utf8[i + k]);
            valid = (cont & 0xC0) == 0x80;
            c = (c << 6) | (cont & 0x3F);
        }
        if (!valid) {
            // A broken sequence costs one replacement for its lead byte; resume after it.
            replace();
            ++i;
            continue;
        }
        const auto b = UnicodeToCp1251(c);
        if (b)
            out += static_cast<char>(*b);
        else
            replace();
        i += extra + 1;
    }
    return out;
}

} // namespace

std::string Utf8ToCp1251(std::string_view utf8, char replacement) {
    std::size_t replaced;
    return ConvertUtf8(utf8, replacement, replaced);
}

std::optional<std::string> Utf8ToCp1251Exact(std::string_view utf8) {
    std::size_t replaced;
    std::string bytes = ConvertUtf8(utf8, '?', replaced);
    if (replaced != 0)
        return std::nullopt;
    return bytes;
}

std::string LocaleToCp1251(std::string_view text) {
#ifdef _WIN32
    // The program's texts of the system are UTF-8 there, whatever the C runtime's locale.
    return Utf8ToCp1251(text);
#else
    std::string out;
    out.reserve(text.size());
    std::mbstate_t state{};
    std::size_t i = 0;
    while (i < text.size()) {
        char32_t c = 0;
        const std::size_t n = std::mbrtoc32(&c, text.data() + i, text.size() - i, &state);
        if (n == static_cast<std::size_t>(-1) || n == static_cast<std::size_t>(-2)) {
            // An undecodable byte, or a text that ends inside a character: one "?" for the
            // byte, and the decoding starts afresh after it.
            out += '?';
            state = std::mbstate_t{};
            ++i;
            continue;
        }
        const auto b = UnicodeToCp1251(c);
        out += b ? static_cast<char>(*b) : '?';
        i += n == 0 ? 1 : n; // 0: a NUL byte, which is one byte long
    }
    return out;
#endif
}

std::string Cp1251ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (char ch : bytes)
        AppendUtf8(out, Cp1251ToUnicode(static_cast<unsigned char>(ch)));
    return out;
}

void ToUpperLatin(std::string& bytes) {
    for (char& ch : bytes)
        if (ch >= 'a' && ch <= 'z')
            ch = static_cast<char>(ch - 'a' + 'A');
}

std::string UpperLatin(std::string_view bytes) {
    std::string out(bytes);
    ToUpperLatin(out);
    return out;
}

unsigned char FoldCaseCp1251(unsigned char byte) {
    return kFold.upper[byte];
}

std::size_t FoldedHashCp1251(std::string_view text) {
    std::size_t h = 1469598103934665603ull; // FNV-1a
    for (char ch : text) {
        h ^= kFold.upper[static_cast<unsigned char>(ch)];
        h *= 1099511628211ull;
    }
    return h;
}

bool EqualsIgnoreCaseCp1251(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    if (a == b)
        return true; // names are mostly asked for as they are written
    for (std::size_t i = 0; i < a.size(); ++i)
        if (kFold.upper[static_cast<unsigned char>(a[i])] !=
            kFold.upper[static_cast<unsigned char>(b[i])])
            return false;
    return true;
}
