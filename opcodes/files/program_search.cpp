#include "opcodes/files/program_search.h"

#include "opcodes/files/file_names.h"

#include <unistd.h>

#include <string>
#include <system_error>

namespace fs = std::filesystem;

namespace {

bool IsExecutableFile(const fs::path& file) {
    std::error_code ec;
    return fs::is_regular_file(file, ec) && ::access(file.c_str(), X_OK) == 0;
}

// The program in `dir`, when it is there under its name in any case and can be run.
std::optional<fs::path> ProgramIn(const fs::path& dir, std::string_view name) {
    const fs::path file = ResolveEntry(dir, name);
    if (IsExecutableFile(file))
        return file;
    return std::nullopt;
}

} // namespace

std::optional<fs::path> FindProgram(std::string_view name, const fs::path& executableDir,
                                    const fs::path& currentDir, std::string_view searchPath) {
    if (name.empty())
        return std::nullopt;
    for (const fs::path& dir : {executableDir, currentDir})
        if (!dir.empty())
            if (auto found = ProgramIn(dir, name))
                return found;

    std::size_t start = 0;
    while (start <= searchPath.size()) {
        std::size_t end = searchPath.find(':', start);
        if (end == std::string_view::npos)
            end = searchPath.size();
        const std::string_view entry = searchPath.substr(start, end - start);
        const fs::path dir = entry.empty() ? currentDir : fs::path(std::string(entry));
        if (auto found = ProgramIn(dir, name))
            return found;
        start = end + 1;
    }
    return std::nullopt;
}
