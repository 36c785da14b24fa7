#include "opcodes/text_encoding.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {

// The length of the UTF-8 sequence that starts at `at` and its code point, or 0 when none
// starts there (overlong forms, surrogates and code points past U+10FFFF included).
std::size_t Utf8Sequence(std::string_view bytes, std::size_t at, char32_t& code) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(at);
    std::size_t length;
    unsigned char low = 0x80, high = 0xBF; // the range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0;
        if (lead == 0xED)
            high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        if (lead == 0xF4)
            high = 0x8F;
    } else
        return 0;
    if (at + length > bytes.size() || byte(at + 1) < low || byte(at + 1) > high)
        return 0;
    code = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if (byte(at + i) < 0x80 || byte(at + i) > 0xBF)
            return 0;
        code = (code << 6) | (byte(at + i) & 0x3F);
    }
    return length;
}

// The first byte from `at` on that is not ASCII, or the end; 32 bytes at a time, as the
// files are mostly ASCII.
std::size_t SkipAscii(std::string_view bytes, std::size_t at) {
    for (std::uint64_t words[4]; at + sizeof words <= bytes.size(); at += sizeof words) {
        std::memcpy(words, bytes.data() + at, sizeof words);
        if ((words[0] | words[1] | words[2] | words[3]) & 0x8080808080808080u)
            break;
    }
    while (at < bytes.size() && static_cast<unsigned char>(bytes[at]) < 0x80)
        ++at;
    return at;
}

// What a Russian text holds besides ASCII: Cyrillic letters, Latin-1 signs, dashes,
// quotes, the ellipsis, the number sign.
bool RussianTextCharacter(char32_t code) {
    return (code >= 0xA0 && code <= 0xFF) || (code >= 0x400 && code <= 0x45F) ||
           (code >= 0x2010 && code <= 0x2026) || code == 0x2116;
}

// Valid UTF-8 with non-ASCII text in it that reads as Russian text. Windows-1251 Russian
// is hardly ever valid UTF-8, and where a few bytes happen to be, they stand for
// characters of other scripts.
bool IsUtf8Text(std::string_view bytes) {
    std::size_t characters = 0, russian = 0;
    for (std::size_t i = 0; i < bytes.size();) {
        i = SkipAscii(bytes, i);
        if (i == bytes.size())
            break;
        char32_t code = 0;
        const std::size_t length = Utf8Sequence(bytes, i, code);
        if (length == 0)
            return false;
        ++characters;
        russian += RussianTextCharacter(code) ? 1 : 0;
        i += length;
    }
    return characters > 0 && russian * 2 > characters;
}

// UTF-16 without a mark: text of the seven files is mostly ASCII, so one byte of each
// pair is NUL, always the same one; a single-byte file holds no NUL at all.
EncodingGuess ByNulBytes(std::string_view bytes) {
    std::size_t nul[2] = {0, 0};
    for (std::size_t i = 0; i < bytes.size(); ++i)
        if (bytes[i] == '\0')
            ++nul[i % 2];
    const std::size_t pairs = bytes.size() / 2;
    for (int odd = 0; odd < 2; ++odd)
        if (nul[odd] * 8 >= pairs && nul[odd] > 0 && nul[1 - odd] * 10 <= nul[odd])
            return {odd ? TextEncoding::Utf16Le : TextEncoding::Utf16Be, false};
    return {};
}

} // namespace

EncodingGuess GuessEncoding(std::string_view bytes, bool text) {
    // The marks of UTF-16 read "яю" and "юя" in Windows-1251: only with the NUL bytes of
    // its line ends (and of any ASCII) are they taken as such.
    const bool nul = bytes.find('\0') != std::string_view::npos;
    if (nul && bytes.starts_with("\xFF\xFE"))
        return {TextEncoding::Utf16Le, true};
    if (nul && bytes.starts_with("\xFE\xFF"))
        return {TextEncoding::Utf16Be, true};
    const bool mark = bytes.starts_with(kUtf8ByteOrderMark);
    if (mark)
        bytes.remove_prefix(kUtf8ByteOrderMark.size());
    else if (EncodingGuess guess = nul ? ByNulBytes(bytes) : EncodingGuess();
             guess.encoding != TextEncoding::Windows1251)
        return guess;
    return {text && IsUtf8Text(bytes) ? TextEncoding::Utf8 : TextEncoding::Windows1251, mark};
}
