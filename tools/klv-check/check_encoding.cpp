#include <cstdio>

#include "opcodes/cp1251.h"
#include "tools/klv-check/checks.h"

namespace {

// What the program shows of a file's texts read as Windows-1251 when they are UTF-8, and
// whether that is an error: Russian texts that no one can read are. The line files hold
// no texts: their bytes outside ASCII are told as numbers.
struct TextUse {
    const char* garbled;
    bool error;
};

const TextUse kTextUse[kDataFileCount] = {
    {"its texts outside ASCII show garbled", false},
    {"every Russian text shows garbled", true},
    {"the type names show garbled", true},
    {nullptr, false},
    {"its keys outside ASCII match no section of a NodeInfo.ini in Windows-1251", false},
    {"the category names and notes show garbled", true},
    {nullptr, false},
    {"the site names show garbled", false},
};

// Commands that mend the file in place: into a file beside it, and over it only when
// that went through. "{}" is the file's name.
constexpr const char* kDropMark = "sed -i '1s/^\\xEF\\xBB\\xBF//' {}";
constexpr const char* kOverIt = " > {}.tmp && mv {}.tmp {}";

std::string Convert(const char* from, bool dropMark) {
    return (dropMark ? "sed '1s/^\\xEF\\xBB\\xBF//' {} | iconv -f UTF-8 -t CP1251"
                     : "iconv -f " + std::string(from) + " -t CP1251 {}") +
           kOverIt;
}

// The section that the mark before line 1 hides, after `lead`.
std::string Hidden(const CheckedFolder& folder, DataFile file, const char* lead) {
    const IniSource* ini = folder.Ini(file);
    const std::string_view section = ini ? ini->SectionBehindMark() : std::string_view();
    return section.empty() ? std::string()
                           : lead + (" section " + Quote(section) + " and its keys");
}

// The characters of a UTF-8 text that Windows-1251 has no byte for, with their lines:
// iconv stops at the first of them.
ShortList Unconvertible(std::string_view utf8) {
    ShortList found;
    int line = 1;
    for (std::size_t i = utf8.starts_with(kUtf8ByteOrderMark) ? 3 : 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        if (lead == '\n' || (lead == '\r' && (i + 1 == utf8.size() || utf8[i + 1] != '\n')))
            ++line;
        const std::size_t length = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t code = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length && i + k < utf8.size(); ++k)
            code = (code << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        if (!UnicodeToCp1251(code)) {
            char hex[16];
            std::snprintf(hex, sizeof hex, "U+%04X", static_cast<unsigned>(code));
            found.Add("line " + std::to_string(line) + " '" + std::string(utf8.substr(i, length)) +
                      "' (" + hex + ")");
        }
        i += length;
    }
    return found;
}

void CheckEncoding(const CheckedFolder& folder, DataFile file, CheckReport& report) {
    const EncodingGuess& guess = folder.encodings[static_cast<std::size_t>(file)];
    const TextUse& use = kTextUse[static_cast<std::size_t>(file)];
    switch (guess.encoding) {
    case TextEncoding::Utf16Le:
    case TextEncoding::Utf16Be: {
        const bool le = guess.encoding == TextEncoding::Utf16Le;
        const std::string without = WithoutFile(file);
        report.Add(file, 0, file == DataFile::Sites ? Severity::Warning : Severity::Error,
                   std::string("the file is UTF-16 text (") +
                       (guess.byteOrderMark ? "byte-order mark" : "NUL bytes") +
                       "), but KLV reads Windows-1251 and reads none of it as written" +
                       (without.empty() ? "" : ": " + without) +
                       " (what follows from that is left out here); convert it in place with ",
                   Convert(guess.byteOrderMark ? "UTF-16"
                           : le                ? "UTF-16LE"
                                               : "UTF-16BE",
                           false));
        report.ToldAsAWhole(file);
        return;
    }
    case TextEncoding::Utf8:
        if (use.garbled) {
            const ShortList unconvertible = Unconvertible(folder.File(file).bytes);
            report.Add(file, 0, use.error ? Severity::Error : Severity::Warning,
                       std::string("the file is UTF-8 text") +
                           (guess.byteOrderMark ? " with a byte-order mark" : "") +
                           ", but KLV reads Windows-1251: " + use.garbled +
                           Hidden(folder, file, ", and the mark hides") + "; " +
                           (unconvertible.Empty()
                                ? std::string()
                                : "first replace what Windows-1251 cannot hold, " +
                                      unconvertible.Text() + ", then ") +
                           "convert it in place with ",
                       Convert("UTF-8", guess.byteOrderMark));
            return;
        }
        break;
    case TextEncoding::Windows1251:
        break;
    }
    if (guess.byteOrderMark)
        report.Add(
            file, 0, Severity::Warning,
            "the file begins with a UTF-8 byte-order mark, which KLV reads as part of line 1 ('п»ї')" +
                Hidden(folder, file, ": it hides") + "; remove it with ",
            kDropMark);
}

} // namespace

void CheckEncodings(const CheckedFolder& folder, CheckReport& report) {
    for (std::size_t i = 0; i < kDataFileCount; ++i)
        CheckEncoding(folder, static_cast<DataFile>(i), report);
}
