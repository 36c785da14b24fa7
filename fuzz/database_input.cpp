#include "fuzz/database_input.h"

#include <iterator>
#include <string>

#include "fuzz/fuzz_support.h"

namespace {

constexpr const char* kFiles[] = {"INI/SASCM.ini",     "INI/SASCM_RUS.ini", "INI/TypeInfo.ini",
                                  "INI/Types.Opcodes", "INI/Opcodes.tree",  "INI/NodeInfo.ini",
                                  "INI/Nodes.Opcodes"};

} // namespace

void LayOutDatabase(std::string_view bytes) {
    std::size_t file = 0;
    for (bool more = true; file < std::size(kFiles) && more; ++file) {
        const std::size_t cut = bytes.find(kDatabaseFileMarker);
        WriteScratchFile(kFiles[file], bytes.substr(0, cut));
        more = cut != std::string_view::npos;
        if (more)
            bytes.remove_prefix(cut + kDatabaseFileMarker.size());
    }
    for (; file < std::size(kFiles); ++file)
        RemoveScratchFile(kFiles[file]);
}

DatabaseFiles ScratchDatabaseFiles() {
    const std::string cd = ScratchDir().string();
    DatabaseFiles files = DatabaseFiles::ForCurrentDir(cd);
    for (std::string* relative : {&files.TypeLines, &files.Tree, &files.NodeLines})
        *relative = cd + "\\" + *relative;
    return files;
}
