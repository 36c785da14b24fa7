#include "tools/klv-check/checks.h"

#include "opcodes/categories.h"

namespace {

int TreeLine(std::size_t item) {
    return static_cast<int>(item) + 1;
}

bool EndsWithBlank(std::string_view key) {
    return !key.empty() && (key.back() == ' ' || key.back() == '\t');
}

} // namespace

void CheckTreeLevels(const CheckedFolder& folder, CheckReport& report) {
    for (const TreeLevelError& error : folder.treeErrors)
        report.Stop(
            DataFile::Tree, TreeLine(error.item),
            Printable(error.message, 100) +
                "; start-up stops here (a line may be at most one level deeper than the line before it)");
}

void CheckTreeLines(const CheckedFolder& folder, CheckReport& report) {
    const std::string& bytes = folder.tree.bytes;
    const std::size_t count = folder.treeItems.size();
    // What a category with an empty key shows: the caption of a "[]" section, if any.
    const std::string shows =
        Quote(folder.nodeInfo.ini.ReadString("", "Caption", kMissingNodeCaption));
    if (folder.tree.Blank() && count > 0) {
        report.Warn(
            DataFile::Tree, 1,
            std::string(count == 1 ? "the file holds only a line end"
                                   : "the file holds only empty lines") +
                ": KLV shows " + (count == 1 ? "one category" : Counted(count, "category")) +
                " with an empty key, " + shows + ", and reads no other section of NodeInfo.ini");
        return;
    }
    if (!bytes.empty() && (bytes.front() == ' ' || bytes.front() == '\t'))
        report.Warn(DataFile::Tree, 1,
                    "the first line is indented, but it always makes a top-level category");
    for (std::size_t i = 0; i < count; ++i)
        if (folder.treeItems[i].Key.empty())
            report.Warn(DataFile::Tree, TreeLine(i),
                        "an empty line makes a category with an empty key: it shows " + shows);
}

void CheckNodeSections(const CheckedFolder& folder, CheckReport& report) {
    // A NodeInfo.ini that cannot be read, or only as UTF-16, is told as a whole.
    if (!folder.nodeInfo.file.Readable() || folder.Utf16(DataFile::NodeInfo))
        return;
    const IniSource& nodeInfo = folder.nodeInfo;
    const std::string notFound = Quote(kMissingNodeCaption);
    std::vector<bool> seen(nodeInfo.index.Entries().size());
    for (std::size_t i = 0; i < folder.treeItems.size(); ++i) {
        const std::string& key = folder.treeItems[i].Key;
        if (key.empty())
            continue; // told by CheckTreeLines
        const int section = nodeInfo.index.FindSection(key);
        if (section < 0) {
            report.Warn(DataFile::Tree, TreeLine(i),
                        "category " + Quote(key) + " has no section in NodeInfo.ini" +
                            (EndsWithBlank(key) ? " (the key ends with blanks)" : "") +
                            ": it shows " + notFound + " and lists no opcodes");
            continue;
        }
        if (seen[static_cast<std::size_t>(section)])
            continue;
        seen[static_cast<std::size_t>(section)] = true;
        const int line = nodeInfo.index.Entries()[static_cast<std::size_t>(section)].line;
        if (!nodeInfo.ini.HasKey(key, "Caption") &&
            !MisspelledKey(nodeInfo.index, section, DataFile::NodeInfo, "Caption"))
            report.Warn(DataFile::NodeInfo, line,
                        "section " + Quote(key) + " has no Caption: the category shows " +
                            notFound);
        int32_t expanded;
        const std::string value = nodeInfo.ini.ReadString(key, "Expanded", "0");
        if (!ParseIniInteger(value, expanded))
            report.Warn(DataFile::NodeInfo, nodeInfo.index.KeyLine(key, "Expanded"),
                        "Expanded " + Quote(value) +
                            " is not a number (1 expands): the category starts collapsed");
    }
}

void CheckUnnamedSections(const CheckedFolder& folder, CheckReport& report) {
    // A tree that cannot be read, or holds no key, names none: it is told as a whole.
    if (!folder.tree.Readable() || folder.tree.Blank() || folder.Utf16(DataFile::Tree))
        return;
    const IniIndex& index = folder.nodeInfo.index;
    std::vector<bool> named(index.Entries().size());
    for (const TreeItem& item : folder.treeItems) {
        const int section = index.FindSection(item.Key);
        if (section >= 0)
            named[static_cast<std::size_t>(section)] = true;
    }
    for (std::size_t i = 0; i < index.Entries().size(); ++i) {
        const IniEntry& entry = index.Entries()[i];
        if (entry.kind == IniEntry::Kind::Section && index.IsCounted(static_cast<int>(i)) &&
            !named[i])
            report.Warn(DataFile::NodeInfo, entry.line,
                        "section " + Quote(entry.name) + " is named by no line of Opcodes.tree");
    }
}
