#include "opcodes/files/file_names.h"

#include <system_error>
#include <vector>

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#endif

#include "opcodes/cp1251.h"

namespace fs = std::filesystem;

#ifdef _WIN32

fs::path PathOf(std::string_view name) {
    if (name.empty())
        return {};
    const int size = static_cast<int>(name.size());
    std::wstring wide(
        static_cast<std::size_t>(::MultiByteToWideChar(CP_UTF8, 0, name.data(), size, nullptr, 0)),
        L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, name.data(), size, wide.data(),
                          static_cast<int>(wide.size()));
    return fs::path(std::move(wide));
}

namespace {
std::string Utf8Of(const std::wstring& wide) {
    if (wide.empty())
        return {};
    const int size = static_cast<int>(wide.size());
    std::string name(static_cast<std::size_t>(::WideCharToMultiByte(CP_UTF8, 0, wide.data(), size,
                                                                    nullptr, 0, nullptr, nullptr)),
                     '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, name.data(), static_cast<int>(name.size()),
                          nullptr, nullptr);
    return name;
}
} // namespace

std::string NarrowName(const fs::path& path) {
    return Utf8Of(path.native());
}
std::string GenericName(const fs::path& path) {
    return Utf8Of(path.generic_wstring());
}

bool SameEntryName(const fs::path& a, const fs::path& b) {
    const std::wstring x = fs::path(a).make_preferred().native(),
                       y = fs::path(b).make_preferred().native();
    return ::CompareStringOrdinal(x.c_str(), static_cast<int>(x.size()), y.c_str(),
                                  static_cast<int>(y.size()), TRUE) == CSTR_EQUAL;
}

fs::path SpelledAsOnDisk(const fs::path& path) {
    // The longest part of the path that exists, as the system spells it, then the rest.
    fs::path existing = path, rest;
    for (; existing.has_relative_path(); existing = existing.parent_path()) {
        const DWORD size = ::GetLongPathNameW(existing.c_str(), nullptr, 0);
        if (size == 0) {
            rest = rest.empty() ? existing.filename() : existing.filename() / rest;
            continue;
        }
        std::wstring spelled(size, L'\0');
        spelled.resize(::GetLongPathNameW(existing.c_str(), spelled.data(), size));
        if (!spelled.empty())
            return rest.empty() ? fs::path(spelled) : fs::path(spelled) / rest;
    }
    return path;
}

#else

fs::path SpelledAsOnDisk(const fs::path& path) {
    return path;
}
fs::path PathOf(std::string_view name) {
    return fs::path(std::string(name));
}
std::string NarrowName(const fs::path& path) {
    return path.string();
}
std::string GenericName(const fs::path& path) {
    return path.generic_string();
}
bool SameEntryName(const fs::path& a, const fs::path& b) {
    return a == b;
}

#endif

namespace {

bool IsSeparator(char ch) {
    return ch == '\\' || ch == '/';
}

// The root a name begins with, and how many of its characters that root takes.
struct Root {
    fs::path path;
    std::size_t length = 0;
};

Root RootOf(std::string_view name) {
#ifdef _WIN32
    if (name.size() >= 2 && IsSeparator(name[0]) && IsSeparator(name[1])) { // \\server\share
        std::size_t end = 2;
        for (int part = 0; part < 2 && end < name.size(); ++part) {
            while (end < name.size() && !IsSeparator(name[end]))
                ++end;
            if (part == 0 && end < name.size())
                ++end;
        }
        std::string root(name.substr(0, end));
        for (char& ch : root)
            if (ch == '/')
                ch = '\\';
        return {PathOf(root + '\\'), end};
    }
    const bool drive = name.size() >= 2 && name[1] == ':' &&
                       ((name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= 'a' && name[0] <= 'z'));
    if (drive) {
        const bool absolute = name.size() > 2 && IsSeparator(name[2]);
        return {PathOf(std::string(name.substr(0, 2)) + (absolute ? "\\" : "")),
                absolute ? 3u : 2u};
    }
    if (!name.empty() && IsSeparator(name[0]))
        return {fs::path(L"\\"), 1};
#else
    if (!name.empty() && IsSeparator(name[0]))
        return {fs::path("/"), 1};
#endif
    return {};
}

bool SameIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'a' && x <= 'z')
            x = static_cast<char>(x - 'a' + 'A');
        if (y >= 'a' && y <= 'z')
            y = static_cast<char>(y - 'a' + 'A');
        if (x != y)
            return false;
    }
    return true;
}

std::vector<std::string_view> SplitComponents(std::string_view name) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= name.size(); ++i) {
        if (i == name.size() || IsSeparator(name[i])) {
            if (i > start)
                parts.push_back(name.substr(start, i - start));
            start = i + 1;
        }
    }
    return parts;
}

} // namespace

fs::path ResolveEntry(const fs::path& dir, std::string_view name) {
    const fs::path exact = dir / PathOf(name);
    std::error_code ec;
    if (fs::exists(fs::symlink_status(exact, ec)))
        return exact;
    for (fs::directory_iterator it(dir.empty() ? fs::path(".") : dir, ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::string entry = NarrowName(it->path().filename());
        if (SameIgnoringAsciiCase(entry, name))
            return dir / it->path().filename();
    }
    return exact;
}

fs::path ResolveFileName(std::string_view windowsName) {
    const Root root = RootOf(windowsName);
    const std::vector<std::string_view> parts = SplitComponents(windowsName.substr(root.length));
    // Mostly every component is written as it stands: a name that exists as written is
    // what the walk below would give (each of its components exists exactly), found with
    // one look at the file system instead of one or a folder listing per component.
    fs::path exact = root.path;
    for (std::string_view part : parts)
        exact /= PathOf(part);
    std::error_code ec;
    if (fs::exists(fs::symlink_status(exact, ec)))
        return exact;

    fs::path path = root.path;
    for (std::string_view part : parts) {
        if (part == "." || part == "..") {
            path /= PathOf(part);
            continue;
        }
        path = ResolveEntry(path, part);
    }
    return path;
}

std::string CurrentDir() {
    std::error_code ec;
    const fs::path cd = fs::current_path(ec);
    return ec ? std::string(".") : NarrowName(cd);
}

bool FileExists(std::string_view windowsName) {
    std::error_code ec;
    return fs::is_regular_file(ResolveFileName(windowsName), ec);
}

std::string FullFileName(std::string_view windowsName) {
    std::string name(windowsName);
    for (char& ch : name)
        if (IsSeparator(ch))
            ch = kFolderSeparator;
    if (RootOf(name).length > 0)
        return LocaleToCp1251(name);
    return LocaleToCp1251(CurrentDir() + kFolderSeparator + name);
}
