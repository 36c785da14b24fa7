#include "tools/klv-check/data_check.h"

#include <array>
#include <filesystem>
#include <utility>

#include "opcodes/files/file_names.h"
#include "tools/klv-check/checks.h"

namespace fs = std::filesystem;

namespace {

// The file as found on disk, relative to the current directory when it lies below it.
std::string DisplayName(const std::string& name) {
    const fs::path resolved = SpelledAsOnDisk(ResolveFileName(name));
    if (resolved.is_relative())
        return GenericName(resolved.lexically_normal());
    const fs::path relative = resolved.lexically_relative(PathOf(CurrentDir()));
    const bool below = !relative.empty() && *relative.begin() != "..";
    return GenericName(below ? relative : resolved);
}

using Check = void (*)(const CheckedFolder&, CheckReport&);

constexpr Check kChecks[] = {
    CheckEncodings,      CheckFilesPresent,    CheckIniLayout,      CheckUnreadKeys,
    CheckOpcodeSections, CheckOpcodeKeys,      CheckCountParts,     CheckTranslations,
    CheckTypeCount,      CheckTypeCaptions,    CheckTreeLevels,     CheckTreeLines,
    CheckNodeSections,   CheckUnnamedSections, CheckLineReferences, CheckLineEnds,
    CheckUnreadText,     CheckNamedLines,      CheckCoverage,       CheckSites,
};

} // namespace

std::string MisplacedFolder(const std::string& folder) {
    const fs::path cd = PathOf(CurrentDir());
    std::error_code ec;
    const std::string named = folder.empty() ? "the current folder" : folder;
    if (const fs::path ini = ResolveEntry(cd, "INI"); fs::is_directory(ini, ec)) {
        // Its files could not be told apart from missing ones: one line says why.
        fs::directory_iterator listing(ini, ec);
        if (!ec)
            return {};
        return "the INI folder of " + named + " cannot be read (" + ec.message() + ")";
    }
    std::string problem = named + " holds no INI folder";
    if (SameEntryName(ResolveEntry(cd.parent_path(), "INI"), cd)) {
        fs::path parent = (PathOf(folder.empty() ? "." : folder) / "..").lexically_normal();
        if (!parent.has_filename() && parent.has_relative_path())
            parent = parent.parent_path();
        return problem + ": it is the INI folder itself; give its parent, " + GenericName(parent);
    }
    return problem + ": give the folder that holds INI/";
}

CheckReport CheckDatabase(const DatabaseFiles& files) {
    const CheckedFolder folder(files);
    CheckReport report;
    for (std::size_t i = 0; i < kDataFileCount; ++i)
        report.fileNames[i] = DisplayName(folder.File(static_cast<DataFile>(i)).name);
    for (Check check : kChecks)
        check(folder, report);
    report.Finish();
    return report;
}
