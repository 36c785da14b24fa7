#include "opcodes/profile_writer.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "opcodes/cp1251.h"
#include "opcodes/errors.h"
#include "opcodes/files/file_io.h"
#include "opcodes/files/file_names.h"
#include "opcodes/line_ends.h"

namespace {

// One line of the file: its text runs from `start` to `textEnd`, its line end (CR LF,
// LF, a lone CR, or none for a last line without one) from `textEnd` to `end`.
struct Line {
    std::size_t start, textEnd, end;
    bool HasEnd() const { return end > textEnd; }
};

// The file split into lines, and the file's own line end for the lines it gains.
struct ProfileFile {
    std::string_view bytes;
    std::vector<Line> lines;
    std::string_view eol = "\r\n";

    explicit ProfileFile(std::string_view fileBytes) : bytes(fileBytes) {
        for (std::size_t start = 0; start < bytes.size();) {
            const std::size_t textEnd = std::min(FindLineEnd(bytes, start), bytes.size());
            const std::size_t end = textEnd < bytes.size() ? SkipLineEnd(bytes, textEnd) : textEnd;
            lines.push_back({start, textEnd, end});
            start = end;
        }
        const auto ended =
            std::find_if(lines.begin(), lines.end(), [](const Line& l) { return l.HasEnd(); });
        if (ended != lines.end())
            eol = bytes.substr(ended->textEnd, ended->end - ended->textEnd);
    }

    std::string_view Text(std::size_t i) const {
        return bytes.substr(lines[i].start, lines[i].textEnd - lines[i].start);
    }

    // The bytes with [from, to) replaced by `insert`.
    std::string Spliced(std::size_t from, std::size_t to, std::string_view insert) const {
        std::string out;
        out.reserve(bytes.size() - (to - from) + insert.size());
        out.append(bytes.substr(0, from)).append(insert).append(bytes.substr(to));
        return out;
    }
};

bool IsBlank(char ch) {
    return ch == ' ' || ch == '\t';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

// The name of a section header line; false when the line is no header.
bool SectionName(std::string_view text, std::string_view& name) {
    text = Trim(text);
    if (text.empty() || text.front() != '[')
        return false;
    text.remove_prefix(1);
    name = Trim(text.substr(0, text.find(']')));
    return true;
}

// The key of a "key=value" line as written there, without the blanks around it.
bool KeyOfLine(std::string_view text, std::string_view& key) {
    const std::size_t eq = text.find('=');
    if (eq == std::string_view::npos)
        return false;
    key = Trim(text.substr(0, eq));
    return true;
}

void CheckEntry(std::string_view section, std::string_view key, std::string_view value) {
    const auto hasBreak = [](std::string_view s) {
        return s.find_first_of("\r\n") != std::string_view::npos;
    };
    if (hasBreak(section) || hasBreak(key) || hasBreak(value))
        throw std::invalid_argument("line break in an INI entry");
    if (Trim(key).empty() || Trim(key).front() == '[' || key.find('=') != std::string_view::npos)
        throw std::invalid_argument("invalid INI key");
    if (section.find(']') != std::string_view::npos)
        throw std::invalid_argument("invalid INI section");
}

// The header line of the first section of that name, or the line count when none.
std::size_t FindSection(const ProfileFile& file, std::string_view section) {
    for (std::size_t i = 0; i < file.lines.size(); ++i) {
        std::string_view name;
        if (SectionName(file.Text(i), name) && EqualsIgnoreCaseCp1251(name, Trim(section)))
            return i;
    }
    return file.lines.size();
}

std::string AppendSection(const ProfileFile& file, std::string_view section,
                          std::string_view entry) {
    std::string added;
    if (!file.lines.empty() && !file.lines.back().HasEnd())
        added.append(file.eol);
    added.append("[").append(section).append("]").append(file.eol);
    added.append(entry).append(file.eol);
    return file.Spliced(file.bytes.size(), file.bytes.size(), added);
}

// Replaces the key's first line in the section, or adds the key after the section's
// last non-blank line (its header when it has none), so blank lines before the next
// section stay where they are.
std::string SetInSection(const ProfileFile& file, std::size_t header, std::string_view key,
                         std::string_view value) {
    std::size_t lastFilled = header;
    for (std::size_t i = header + 1; i < file.lines.size(); ++i) {
        const std::string_view text = file.Text(i);
        std::string_view name, lineKey;
        if (SectionName(text, name))
            break;
        if (Trim(text).empty())
            continue;
        lastFilled = i;
        if (KeyOfLine(text, lineKey) && EqualsIgnoreCaseCp1251(lineKey, Trim(key))) {
            const std::string line = std::string(lineKey) + "=" + std::string(value);
            return file.Spliced(file.lines[i].start, file.lines[i].textEnd, line);
        }
    }
    const Line& after = file.lines[lastFilled];
    std::string added;
    if (!after.HasEnd())
        added.append(file.eol);
    added.append(key).append("=").append(value).append(file.eol);
    return file.Spliced(after.end, after.end, added);
}

} // namespace

std::string WriteProfileString(std::string_view fileBytes, std::string_view section,
                               std::string_view key, std::string_view value) {
    CheckEntry(section, key, value);
    const ProfileFile file(fileBytes);
    const std::size_t header = FindSection(file, section);
    if (header == file.lines.size())
        return AppendSection(file, section, std::string(key) + "=" + std::string(value));
    return SetInSection(file, header, key, value);
}

void SetProfileStringInFile(const std::string& fileName, std::string_view section,
                            std::string_view key, std::string_view value) {
    const auto fail = [&] {
        throw EIniFileException("Unable to write to " + FullFileName(fileName));
    };
    std::string bytes;
    const FileResult read = ReadWholeFile(fileName, bytes);
    if (!read.ok() && read.error != FileError::NotFound)
        fail();
    // The atomic replace goes through the folder, so a read-only file would be replaced
    // regardless: its own protection must stop the write as it stops any other.
    if (read.ok() && !CanWriteFile(fileName))
        fail();
    std::string updated;
    try {
        updated = WriteProfileString(bytes, section, key, value);
    } catch (const std::invalid_argument&) {
        fail();
    }
    if (!ReplaceFileAtomically(fileName, updated).ok())
        fail();
}
