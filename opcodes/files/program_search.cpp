#include "opcodes/files/program_search.h"

#include "opcodes/cp1251.h"
#include "opcodes/files/file_names.h"

#ifndef _WIN32
#include <unistd.h>
#endif

#include <string>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// Calls `each` with every piece of `list` between separators, empty ones included, until
// it returns something (true, a path); that is the result, or else nothing (false).
template <typename Each>
auto FirstOfPieces(std::string_view list, char separator, Each each) -> decltype(each(list)) {
    for (std::size_t start = 0; start <= list.size();) {
        std::size_t end = list.find(separator, start);
        if (end == std::string_view::npos)
            end = list.size();
        if (auto found = each(list.substr(start, end - start)))
            return found;
        start = end + 1;
    }
    return {};
}

bool IsProgramFile(const fs::path& file, std::string_view extensions) {
    std::error_code ec;
    if (!fs::is_regular_file(file, ec))
        return false;
    if (!extensions.empty()) {
        const std::string ending = NarrowName(file.extension());
        return !ending.empty() && FirstOfPieces(extensions, ';', [&](std::string_view piece) {
            return EqualsIgnoreCaseCp1251(piece, ending);
        });
    }
#ifdef _WIN32
    return true;
#else
    return ::access(file.c_str(), X_OK) == 0;
#endif
}

// The program in `dir`, when it is there under its name in any case and can be run; a
// name without an extension is tried with each of `extensions`.
std::optional<fs::path> ProgramIn(const fs::path& dir, std::string_view name,
                                  std::string_view extensions) {
    const auto tryName = [&](const std::string& candidate) -> std::optional<fs::path> {
        const fs::path file = ResolveEntry(dir, candidate);
        if (IsProgramFile(file, extensions))
            return file;
        return std::nullopt;
    };
    if (extensions.empty() || PathOf(name).has_extension())
        return tryName(std::string(name));
    return FirstOfPieces(extensions, ';', [&](std::string_view ending) -> std::optional<fs::path> {
        if (ending.empty())
            return std::nullopt;
        return tryName(std::string(name) + std::string(ending));
    });
}

} // namespace

std::optional<fs::path> FindProgram(std::string_view name, const fs::path& executableDir,
                                    const fs::path& currentDir, std::string_view searchPath,
                                    std::string_view programExtensions) {
    if (name.empty())
        return std::nullopt;
    for (const fs::path& dir : {executableDir, currentDir})
        if (!dir.empty())
            if (auto found = ProgramIn(dir, name, programExtensions))
                return found;
    return FirstOfPieces(
        searchPath, kSearchPathSeparator, [&](std::string_view entry) -> std::optional<fs::path> {
            return ProgramIn(entry.empty() ? currentDir : PathOf(entry), name, programExtensions);
        });
}
