#include "tools/klv-check/checks.h"

namespace {

// What the program does without the file, when it goes on loading.
const char* kWithoutFile[kDataFileCount] = {
    "every opcode shows \"???\"",
    "no opcode has a Russian text",
    "there are no types",
    "no type lists any opcode",
    "",
    "every category shows '***НЕ_НАЙДЕНО***  (NodeInfo.ini)' and lists no opcodes",
    "no category lists any opcode",
    "the look-up sites are the built-in ones",
};

std::string Unreadable(const SourceFile& file) {
    if (file.read.error == FileError::NotFound || file.read.error == FileError::PathNotFound)
        return "file not found";
    return "cannot be read (" + Printable(file.read.systemMessage) + ")";
}

// Why start-up stops without the file, or empty when it goes on: the tree is always
// opened, a line file as soon as something names a line of it.
std::string StopReason(const CheckedFolder& folder, DataFile file) {
    switch (file) {
    case DataFile::Tree:
        return "start-up stops here";
    case DataFile::TypeLines:
        for (const LineReference& ref : folder.typeRefs)
            if (ref.number != -1)
                return "type " + Quote(ref.section) + " names line " + std::to_string(ref.number) +
                       " of it, so start-up stops here";
        return {};
    case DataFile::NodeLines:
        if (folder.tree.Readable() && !folder.treeItems.empty())
            return "start-up stops here, at the first category";
        return {};
    default:
        return {};
    }
}

} // namespace

const char* WithoutFile(DataFile file) {
    return kWithoutFile[static_cast<std::size_t>(file)];
}

void CheckFilesPresent(const CheckedFolder& folder, CheckReport& report) {
    for (std::size_t i = 0; i < kDataFileCount; ++i) {
        const auto file = static_cast<DataFile>(i);
        const SourceFile& source = folder.File(file);
        // The sites file is optional: only one that is there but cannot be read is told.
        if (file == DataFile::Sites &&
            (source.Readable() || source.read.error == FileError::NotFound ||
             source.read.error == FileError::PathNotFound))
            continue;
        const std::string stop = source.Readable() ? std::string() : StopReason(folder, file);
        if (!stop.empty())
            report.Stop(file, 0, Unreadable(source) + "; " + stop);
        else if (!source.Readable())
            report.Warn(file, 0, Unreadable(source) + ": " + kWithoutFile[i]);
        else if (source.Blank() && (file != DataFile::Tree || folder.treeItems.empty()))
            report.Warn(
                file, 0,
                std::string("the file is empty") +
                    (file == DataFile::Tree
                         ? ": there are no categories, and no section of NodeInfo.ini is read"
                         : ""));
    }
}
