#include "tests/ui/crafted_db.h"

#include "tests/support/temp_dir.h"

namespace {

void WriteText(const TempDir& dir, const char* name, const std::optional<std::string>& utf8) {
    if (!utf8)
        return;
    std::string text;
    for (char ch : *utf8) {
        if (ch == '\n')
            text += '\r';
        text += ch;
    }
    dir.WriteCp1251(name, text);
}

} // namespace

void CraftedDb::WriteTo(const TempDir& dir) const {
    WriteText(dir, "INI/SASCM.ini", opcodes);
    WriteText(dir, "INI/SASCM_RUS.ini", translation);
    WriteText(dir, "INI/TypeInfo.ini", typeInfo);
    WriteText(dir, "INI/Types.Opcodes", typeLines);
    WriteText(dir, "INI/Opcodes.tree", tree);
    WriteText(dir, "INI/NodeInfo.ini", nodeInfo);
    WriteText(dir, "INI/Nodes.Opcodes", nodeLines);
}
