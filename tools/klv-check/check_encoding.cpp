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

constexpr const char* kDropMark = "sed '1s/^\\xEF\\xBB\\xBF//'";

// The section that the mark before line 1 hides, after `lead`.
std::string Hidden(const CheckedFolder& folder, DataFile file, const char* lead) {
    const IniSource* ini = folder.Ini(file);
    const std::string_view section = ini ? ini->SectionBehindMark() : std::string_view();
    return section.empty() ? std::string() : lead + (" section " + Quote(section) + " and its keys");
}

void CheckEncoding(const CheckedFolder& folder, DataFile file, CheckReport& report) {
    const EncodingGuess& guess = folder.encodings[static_cast<std::size_t>(file)];
    const TextUse& use = kTextUse[static_cast<std::size_t>(file)];
    switch (guess.encoding) {
    case TextEncoding::Utf16Le:
    case TextEncoding::Utf16Be: {
        const bool le = guess.encoding == TextEncoding::Utf16Le;
        report.Add(file, 0, file == DataFile::Sites ? Severity::Warning : Severity::Error,
                   std::string("the file is UTF-16 text (") +
                       (guess.byteOrderMark ? "byte-order mark" : "NUL bytes") +
                       "), but KLV reads Windows-1251 and reads none of it as written (what follows "
                       "from that is left out here); convert it with iconv -f " +
                       (guess.byteOrderMark ? "UTF-16" : le ? "UTF-16LE" : "UTF-16BE") + " -t CP1251");
        return;
    }
    case TextEncoding::Utf8:
        if (use.garbled) {
            report.Add(file, 0, use.error ? Severity::Error : Severity::Warning,
                       std::string("the file is UTF-8 text") +
                           (guess.byteOrderMark ? " with a byte-order mark" : "") +
                           ", but KLV reads Windows-1251: " + use.garbled +
                           Hidden(folder, file, ", and the mark hides") + "; convert it with " +
                           (guess.byteOrderMark ? kDropMark + std::string(" | ") : "") +
                           "iconv -f UTF-8 -t CP1251");
            return;
        }
        break;
    case TextEncoding::Windows1251: break;
    }
    if (guess.byteOrderMark)
        report.Warn(file, 0,
                    "the file begins with a UTF-8 byte-order mark, which KLV reads as part of line 1 "
                    "('п»ї')" + Hidden(folder, file, ": it hides") + "; remove it with " + kDropMark);
}

}  // namespace

void CheckEncodings(const CheckedFolder& folder, CheckReport& report) {
    for (std::size_t i = 0; i < kDataFileCount; ++i) CheckEncoding(folder, static_cast<DataFile>(i), report);
}
