#include "platform/files/program_search.h"

#include <unistd.h>

#include <string>
#include <system_error>

namespace fs = std::filesystem;

namespace {

bool IsExecutableFile(const fs::path& file) {
    std::error_code ec;
    return fs::is_regular_file(file, ec) && ::access(file.c_str(), X_OK) == 0;
}

} // namespace

std::optional<fs::path> FindProgram(std::string_view name, const fs::path& executableDir,
                                    const fs::path& currentDir, std::string_view searchPath) {
    if (name.empty())
        return std::nullopt;
    const fs::path program{std::string(name)};
    for (const fs::path& dir : {executableDir, currentDir})
        if (!dir.empty() && IsExecutableFile(dir / program))
            return dir / program;

    std::size_t start = 0;
    while (start <= searchPath.size()) {
        std::size_t end = searchPath.find(':', start);
        if (end == std::string_view::npos)
            end = searchPath.size();
        const std::string_view entry = searchPath.substr(start, end - start);
        const fs::path dir = entry.empty() ? currentDir : fs::path(std::string(entry));
        if (IsExecutableFile(dir / program))
            return dir / program;
        start = end + 1;
    }
    return std::nullopt;
}
