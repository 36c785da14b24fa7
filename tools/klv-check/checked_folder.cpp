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
    if (!file.Readable())
        file.bytes.clear();
    return file;
}

// The line each "Opcodes" key names, read as the program reads it.
LineReference Reference(const IniSource& source, const std::string& section) {
    return {section, source.index.KeyLine(section, kOpcodesKey),
            source.ini.ReadInteger(section, kOpcodesKey, -1)};
}

} // namespace

IniSource::IniSource(std::string name)
    : file(ReadSource(name)), ini(std::move(name)), index(file.bytes) {}

std::string_view IniSource::SectionBehindMark() const {
    const std::vector<IniEntry>& entries = index.Entries();
    const std::string marked = std::string(kUtf8ByteOrderMark) + "[";
    if (entries.empty() || entries.front().kind != IniEntry::Kind::Other ||
        !entries.front().value.starts_with(marked))
        return {};
    const std::string_view inner = entries.front().value.substr(marked.size());
    return TrimIniBlanks(inner.substr(0, inner.find(']')));
}

LineSource::LineSource(std::string name) : file(ReadSource(std::move(name))) {
    if (!file.Readable())
        return;
    lines = OpcodeLineFile::FromBytes(file.bytes);
    const std::size_t eof = file.bytes.find('\x1A');
    if (eof == std::string::npos || eof + 1 == file.bytes.size())
        return;
    const char before = eof == 0 ? '\n' : file.bytes[eof - 1];
    hiddenFrom =
        static_cast<int32_t>(lines->LineCount()) + (before == '\r' || before == '\n' ? 1 : 0);
    hidden = OpcodeLineFile::FromBytes(file.bytes.substr(eof + 1));
}

bool LineSource::HiddenLine(int32_t number) const {
    return hidden && number > static_cast<int32_t>(lines->LineCount()) &&
           number - hiddenFrom < static_cast<int32_t>(hidden->LineCount());
}

CheckedFolder::CheckedFolder(const DatabaseFiles& files)
    : opcodes(files.Opcodes), translation(files.Translation), typeInfo(files.TypeInfo),
      nodeInfo(files.NodeInfo), sites(files.Sites), typeLines(files.TypeLines),
      nodeLines(files.NodeLines), tree(ReadSource(files.Tree)) {
    ParseCategoryTreeAll(tree.bytes, treeItems, treeErrors);

    typeSections = typeInfo.ini.ReadSections();
    for (std::size_t j = 0; j < typeSections.size() && j < static_cast<std::size_t>(kMaxTypes); ++j)
        typeRefs.push_back(Reference(typeInfo, typeSections[j]));

    // Nodes that share a key share its section: one reference for each section.
    std::vector<bool> seen(nodeInfo.index.Entries().size());
    for (const TreeItem& item : treeItems) {
        const int section = nodeInfo.index.FindSection(item.Key);
        if (section < 0 || seen[static_cast<std::size_t>(section)])
            continue;
        seen[static_cast<std::size_t>(section)] = true;
        nodeRefs.push_back(Reference(nodeInfo, item.Key));
    }

    for (int32_t n = 0; n < kOpcodeCount; ++n)
        if (opcodes.ini.HasKey(kOpcodesSection, OpcodeKey(n)))
            defined.set(static_cast<std::size_t>(n));
    for (std::size_t i = 0; i < kDataFileCount; ++i) {
        const auto file = static_cast<DataFile>(i);
        encodings[i] = GuessEncoding(File(file).bytes,
                                     file != DataFile::TypeLines && file != DataFile::NodeLines);
    }
}

bool CheckedFolder::Utf16(DataFile file) const {
    const TextEncoding encoding = encodings[static_cast<std::size_t>(file)].encoding;
    return encoding == TextEncoding::Utf16Le || encoding == TextEncoding::Utf16Be;
}

const SourceFile& CheckedFolder::File(DataFile file) const {
    if (const IniSource* ini = Ini(file))
        return ini->file;
    switch (file) {
    case DataFile::TypeLines:
        return typeLines.file;
    case DataFile::NodeLines:
        return nodeLines.file;
    default:
        return tree;
    }
}

const IniSource* CheckedFolder::Ini(DataFile file) const {
    switch (file) {
    case DataFile::Opcodes:
        return &opcodes;
    case DataFile::Translation:
        return &translation;
    case DataFile::TypeInfo:
        return &typeInfo;
    case DataFile::NodeInfo:
        return &nodeInfo;
    case DataFile::Sites:
        return &sites;
    default:
        return nullptr;
    }
}

std::array<LineFileUse, 2> CheckedFolder::LineFileUses() const {
    return {LineFileUse{DataFile::TypeInfo, DataFile::TypeLines, &typeInfo, &typeLines, &typeRefs,
                        "type", "Types.Opcodes", std::numeric_limits<std::size_t>::max(),
                        typeInfo.file.Readable() && !Utf16(DataFile::TypeInfo)},
            LineFileUse{DataFile::NodeInfo, DataFile::NodeLines, &nodeInfo, &nodeLines, &nodeRefs,
                        "category", "Nodes.Opcodes", kMaxNodeOpcodes,
                        nodeInfo.file.Readable() && !Utf16(DataFile::NodeInfo) && tree.Readable() &&
                            !tree.Blank() && !Utf16(DataFile::Tree)}};
}

int32_t LineRead(const LineReference& ref) {
    if (ref.number == -1)
        return 0;
    return ref.number < 1 ? 1 : ref.number;
}

std::vector<bool> NamedLines(const LineFileUse& use) {
    std::vector<bool> named(use.lines->lines->LineCount() + 1);
    for (const LineReference& ref : *use.refs) {
        const int32_t line = LineRead(ref);
        if (line > 0 && static_cast<std::size_t>(line) < named.size())
            named[static_cast<std::size_t>(line)] = true;
    }
    return named;
}
