#pragma once
// Which encoding a data file was saved in. The program reads every data file as
// Windows-1251; an editor's default today is UTF-8, some save UTF-16. The guess tells
// them apart from the bytes alone.

#include <string_view>

enum class TextEncoding {
    Windows1251, // or plain ASCII: read as written
    Utf8,        // non-ASCII text that is valid UTF-8 and unlikely Windows-1251
    Utf16Le,
    Utf16Be,
};

// The UTF-8 byte-order mark, which the program reads as the characters "п»ї".
inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

struct EncodingGuess {
    TextEncoding encoding = TextEncoding::Windows1251;
    bool byteOrderMark = false; // the file begins with one (EF BB BF, FF FE or FE FF)
};

// A file of numbers (`text` false) is only told apart by its marks and as UTF-16: any
// byte outside ASCII is already wrong there.
EncodingGuess GuessEncoding(std::string_view bytes, bool text = true);
