#include "opcodes/files/file_names.h"

#include <system_error>
#include <vector>

#include "opcodes/cp1251.h"

namespace fs = std::filesystem;

namespace {

bool SameIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 'a' + 'A');
        if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 'a' + 'A');
        if (x != y) return false;
    }
    return true;
}

std::vector<std::string_view> SplitComponents(std::string_view name) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= name.size(); ++i) {
        if (i == name.size() || name[i] == '\\' || name[i] == '/') {
            if (i > start) parts.push_back(name.substr(start, i - start));
            start = i + 1;
        }
    }
    return parts;
}

}  // namespace

fs::path ResolveEntry(const fs::path& dir, std::string_view name) {
    const fs::path exact = dir / fs::path(std::string(name));
    std::error_code ec;
    if (fs::exists(fs::symlink_status(exact, ec))) return exact;
    for (fs::directory_iterator it(dir.empty() ? fs::path(".") : dir, ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::string entry = it->path().filename().string();
        if (SameIgnoringAsciiCase(entry, name)) return dir / it->path().filename();
    }
    return exact;
}

fs::path ResolveFileName(std::string_view windowsName) {
    const bool absolute = !windowsName.empty() && (windowsName[0] == '\\' || windowsName[0] == '/');
    const std::vector<std::string_view> parts = SplitComponents(windowsName);
    // Mostly every component is written as it stands: a name that exists as written is
    // what the walk below would give (each of its components exists exactly), found with
    // one look at the file system instead of one or a folder listing per component.
    fs::path exact = absolute ? fs::path("/") : fs::path();
    for (std::string_view part : parts) exact /= fs::path(std::string(part));
    std::error_code ec;
    if (fs::exists(fs::symlink_status(exact, ec))) return exact;

    fs::path path = absolute ? fs::path("/") : fs::path();
    for (std::string_view part : parts) {
        if (part == "." || part == "..") {
            path /= fs::path(std::string(part));
            continue;
        }
        path = ResolveEntry(path, part);
    }
    return path;
}

std::string CurrentDir() {
    std::error_code ec;
    const fs::path cd = fs::current_path(ec);
    return ec ? std::string(".") : cd.string();
}

bool FileExists(std::string_view windowsName) {
    std::error_code ec;
    return fs::is_regular_file(ResolveFileName(windowsName), ec);
}

std::string FullFileName(std::string_view windowsName) {
    std::string name(windowsName);
    for (char& ch : name)
        if (ch == '\\') ch = '/';
    if (!name.empty() && name[0] == '/') return LocaleToCp1251(name);
    return LocaleToCp1251(CurrentDir() + "/" + name);
}
