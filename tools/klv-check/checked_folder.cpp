#include "tools/klv-check/checked_folder.h"

#include <limits>

#include "opcodes/categories.h"

bool SourceFile::Blank() const {
    return Readable() && bytes.find_first_not_of(" \t\r\n") == std::string::npos;
}

namespace {

SourceFile ReadSource(std::string name) {
    SourceFile file{std::move(name), {}, {}};
    file.read = ReadWholeFile(file.name, file.bytes);
    if (!file.Readable()) file.bytes.clear();
    return file;
}

// The line each "Opcodes" key names, read as the program reads it.
LineReference Reference(const IniSource& source, const std::string& section) {
    return {section, source.index.KeyLine(section, kOpcodesKey),
            source.ini.ReadInteger(section, kOpcodesKey, -1)};
}

}  // namespace

IniSource::IniSource(std::string name)
    : file(ReadSource(name)), ini(std::move(name)), index(file.bytes) {}

LineSource::LineSource(std::string name) : file(ReadSource(std::move(name))) {
    if (file.Readable()) lines = OpcodeLineFile::FromBytes(file.bytes);
}

CheckedFolder::CheckedFolder(const DatabaseFiles& files)
    : opcodes(files.Opcodes),
      translation(files.Translation),
      typeInfo(files.TypeInfo),
      nodeInfo(files.NodeInfo),
      sites(files.Sites),
      typeLines(files.TypeLines),
      nodeLines(files.NodeLines),
      tree(ReadSource(files.Tree)) {
    ParseCategoryTreeAll(tree.bytes, treeItems, treeErrors);

    typeSections = typeInfo.ini.ReadSections();
    for (std::size_t j = 0; j < typeSections.size() && j < static_cast<std::size_t>(kMaxTypes); ++j)
        typeRefs.push_back(Reference(typeInfo, typeSections[j]));

    // Nodes that share a key share its section: one reference for each section.
    std::vector<bool> seen(nodeInfo.index.Entries().size());
    for (const TreeItem& item : treeItems) {
        const int section = nodeInfo.index.FindSection(item.Key);
        if (section < 0 || seen[static_cast<std::size_t>(section)]) continue;
        seen[static_cast<std::size_t>(section)] = true;
        nodeRefs.push_back(Reference(nodeInfo, item.Key));
    }

    for (int32_t n = 0; n < kOpcodeCount; ++n)
        if (opcodes.ini.HasKey(kOpcodesSection, OpcodeKey(n))) defined.set(static_cast<std::size_t>(n));
}

const SourceFile& CheckedFolder::File(DataFile file) const {
    switch (file) {
    case DataFile::Opcodes: return opcodes.file;
    case DataFile::Translation: return translation.file;
    case DataFile::TypeInfo: return typeInfo.file;
    case DataFile::TypeLines: return typeLines.file;
    case DataFile::Tree: return tree;
    case DataFile::NodeInfo: return nodeInfo.file;
    case DataFile::NodeLines: return nodeLines.file;
    case DataFile::Sites: return sites.file;
    }
    return tree;
}

std::array<LineFileUse, 2> CheckedFolder::LineFileUses() const {
    return {LineFileUse{DataFile::TypeInfo, DataFile::TypeLines, &typeInfo, &typeLines, &typeRefs,
                        "type", "Types.Opcodes", std::numeric_limits<std::size_t>::max(),
                        typeInfo.file.Readable()},
            LineFileUse{DataFile::NodeInfo, DataFile::NodeLines, &nodeInfo, &nodeLines, &nodeRefs,
                        "category", "Nodes.Opcodes", kMaxNodeOpcodes,
                        nodeInfo.file.Readable() && tree.Readable()}};
}

int32_t LineRead(const LineReference& ref) {
    if (ref.number == -1) return 0;
    return ref.number < 1 ? 1 : ref.number;
}
