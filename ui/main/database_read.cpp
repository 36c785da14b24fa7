#include "ui/main/database_read.h"

#include "opcodes/database_files.h"
#include "opcodes/errors.h"
#include "opcodes/files/file_names.h"
#include "opcodes/ini_file.h"

namespace {

// Runs `read`, keeping what it throws in `error`.
template <class Read> void Keep(std::exception_ptr& error, Read read) {
    try {
        read();
    } catch (...) {
        error = std::current_exception();
    }
}

} // namespace

DatabaseRead DatabaseRead::OfCurrentDir() {
    const DatabaseFiles files = DatabaseFiles::ForCurrentDir(CurrentDir());
    DatabaseRead read;
    const TIniFile typeInfo(files.TypeInfo); // the table's types and the type list: one reading
    read.sites = LookupSiteSettings::Read(files.Sites);
    Keep(read.opcodesError, [&] {
        read.opcodes = std::make_unique<TOpcodesList>(files.Opcodes, files.Translation, typeInfo,
                                                      files.TypeLines);
    });
    try {
        ReadCategoryTree(files.Tree, read.treeItems);
    } catch (const ETreeViewError&) {
        read.treeError = std::current_exception();
        read.treeInPart = true;
    } catch (...) {
        read.treeError = std::current_exception();
    }
    if (!read.treeError)
        Keep(read.categoriesError, [&] {
            read.categories = ReadCategories(read.treeItems, files.NodeInfo, files.NodeLines);
        });
    Keep(read.typesError, [&] { read.typeCaptions = ReadTypeCaptions(typeInfo); });
    return read;
}
