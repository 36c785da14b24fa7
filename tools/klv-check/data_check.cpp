#include "tools/klv-check/data_check.h"

#include <filesystem>

#include "opcodes/files/file_names.h"
#include "tools/klv-check/checks.h"

namespace fs = std::filesystem;

namespace {

// The file as found on disk, relative to the current directory when it lies below it.
std::string DisplayName(const std::string& name) {
    const fs::path resolved = ResolveFileName(name);
    if (resolved.is_relative()) return resolved.lexically_normal().generic_string();
    const fs::path relative = resolved.lexically_relative(CurrentDir());
    const bool below = !relative.empty() && *relative.begin() != "..";
    return (below ? relative : resolved).generic_string();
}

using Check = void (*)(const CheckedFolder&, CheckReport&);

constexpr Check kChecks[] = {
    CheckFilesPresent,   CheckIniLayout,     CheckOpcodeSections, CheckOpcodeKeys,
    CheckCountParts,     CheckTranslations,  CheckTypeCount,      CheckTypeCaptions,
    CheckTreeLevels,     CheckTreeLines,     CheckNodeSections,   CheckUnnamedSections,
    CheckLineReferences, CheckLineEnds,      CheckNamedLines,     CheckUnusedLines,
    CheckCoverage,       CheckSites,
};

}  // namespace

CheckReport CheckDatabase(const DatabaseFiles& files) {
    const CheckedFolder folder(files);
    CheckReport report;
    for (std::size_t i = 0; i < kDataFileCount; ++i)
        report.fileNames[i] = DisplayName(folder.File(static_cast<DataFile>(i)).name);
    for (Check check : kChecks) check(folder, report);
    report.Sort();
    return report;
}
