#include "bench/synthetic_db.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <unistd.h>

#include "opcodes/cp1251.h"
#include "opcodes/opcode.h"

namespace fs = std::filesystem;

namespace {

const char* const kWords[] = {"wait",   "actor", "car",    "player", "text",   "pickup",
                              "object", "set",   "get",    "create", "remove", "is",
                              "near",   "point", "sphere", "radar",  "hud",    "flame"};
constexpr int kWordCount = sizeof kWords / sizeof kWords[0];

struct Random {
    uint32_t state = 12345;
    uint32_t Next() { return state = state * 1664525u + 1013904223u; }
    int Below(int n) { return static_cast<int>(Next() % static_cast<uint32_t>(n)); }
};

void WriteFile(const fs::path& file, const std::string& text) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

std::string OpcodeLine(Random& rng, int count) {
    std::string line;
    line.reserve(static_cast<std::size_t>(count) * 5);
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            line += ' ';
        line += OpcodeKey(rng.Below(kOpcodeCount));
    }
    return line;
}

std::string OpcodesIni(Random& rng, bool russian, int fillerSections, int textLength) {
    const std::string translation = Utf8ToCp1251("команда с параметрами ");
    std::string text = "[INFO]\r\nversion=1\r\n\r\n[OPCODES]\r\n";
    for (int n = 0; n < kOpcodeCount; ++n) {
        const int count = n % 50 == 0 ? -1 : rng.Below(13);
        text += OpcodeKey(n) + "=" + std::to_string(count) + ",";
        text += russian ? translation : std::string();
        for (int w = 0; w < 4; ++w) {
            text += kWords[rng.Below(kWordCount)];
            text += w < 3 ? "_" : " ";
        }
        for (int p = 1; p <= (count < 0 ? 3 : count); ++p)
            text += "%" + std::to_string(p) + "d% ";
        for (int length = 0; length < textLength; length += 6)
            text += "wordy ";
        text += "\r\n";
    }
    for (int s = 0; s < fillerSections; ++s) {
        text += "\r\n[FILLER" + std::to_string(s) + "]\r\n";
        for (int n = 0; n < kOpcodeCount; ++n)
            text += "K" + OpcodeKey(n) + "=1,filler value for padding the file\r\n";
    }
    return text;
}

} // namespace

void WriteSyntheticDatabase(const fs::path& dir, const SyntheticDbOptions& options) {
    const fs::path ini = dir / "INI";
    fs::create_directories(ini);
    Random rng;
    WriteFile(ini / "SASCM.ini",
              OpcodesIni(rng, false, options.fillerSections, options.textLength));
    WriteFile(ini / "SASCM_RUS.ini",
              OpcodesIni(rng, true, options.fillerSections, options.textLength));

    std::string typeInfo, typeLines;
    for (int t = 0; t < options.types; ++t) {
        typeInfo += "[Type" + std::to_string(t) + "]\r\nCaption=" + Utf8ToCp1251("Тип ") +
                    std::to_string(t) + "\r\nShortCaption=T" + std::to_string(t) +
                    "\r\nOpcodes=" + std::to_string(t + 1) + "\r\n\r\n";
        typeLines += OpcodeLine(rng, t < 8 ? 400 : 40) + "\r\n";
    }
    for (int line = 0; line < options.extraLines; ++line)
        typeLines += OpcodeLine(rng, 40) + "\r\n";
    WriteFile(ini / "TypeInfo.ini", typeInfo);
    WriteFile(ini / "Types.Opcodes", typeLines);

    // A tree of roots, groups and leaves; every category has a line, the first and every
    // fiftieth one the full 2800 numbers.
    std::string tree, nodeInfo, nodeLines;
    for (int c = 0; c < options.categories; ++c) {
        const int level = c == 0 ? 0 : (c % 3 == 1 ? 1 : 2);
        const std::string key = "node_" + std::to_string(c);
        tree += std::string(static_cast<std::size_t>(level), '\t') + key + "\r\n";
        nodeInfo += "[" + key + "]\r\nCaption=" + Utf8ToCp1251("Категория ") + std::to_string(c) +
                    "\r\nNote=" + Utf8ToCp1251("Заметка о категории ") + std::to_string(c) +
                    "\r\nOpcodes=" + std::to_string(c + 1) + (level < 2 ? "\r\nExpanded=1" : "") +
                    "\r\n\r\n";
        nodeLines += OpcodeLine(rng, c % 50 == 0 ? 2800 : 20 + rng.Below(200)) + "\r\n";
        for (int depth = 1; c == 0 && depth <= options.chainDepth; ++depth)
            tree += std::string(static_cast<std::size_t>(depth), '\t') + "chain\r\n";
    }
    if (options.chainDepth > 0)
        nodeInfo += "[chain]\r\nCaption=" + Utf8ToCp1251("Звено") + "\r\n\r\n";
    char key[16];
    for (int root = 0; root < options.extraRoots; ++root) {
        std::snprintf(key, sizeof key, "key_%08d", root);
        tree += std::string(key) + "\r\n";
    }
    for (int section = 0; section < options.extraNodeSections; ++section)
        nodeInfo += "[unnamed_" + std::to_string(section) +
                    "]\r\nCaption=" + Utf8ToCp1251("Никем не названа") +
                    "\r\nNote=" + Utf8ToCp1251("Заметка") + "\r\nOpcodes=1\r\n\r\n";
    for (int line = 0; line < options.extraLines; ++line)
        nodeLines += OpcodeLine(rng, 40) + "\r\n";
    if (options.extraSiteSections > 0) {
        std::string sites =
            "[OpcodeBase]\r\nCaption=OpcodeBase\r\nAddress=https://opcode-base.org\r\n"
            "[Wiki]\r\nCaption=Wiki\r\nAddress=https://script-wiki.org\r\n"
            "[IniEditor]\r\nCaption=IniEditor\r\nAddress=https://ini-editor.org\r\n";
        for (int section = 0; section < options.extraSiteSections; ++section)
            sites += "[Mirror" + std::to_string(section) +
                     "]\r\nCaption=Mirror\r\nAddress=https://mirror.org\r\n";
        WriteFile(ini / "Sites.ini", sites);
    }
    WriteFile(ini / "Opcodes.tree", tree);
    WriteFile(ini / "NodeInfo.ini", nodeInfo);
    WriteFile(ini / "Nodes.Opcodes", nodeLines);
}

SyntheticFolder::SyntheticFolder(const SyntheticDbOptions& options) {
    // Named by the process too, so that benchmarks run side by side keep apart.
    dir_ = fs::temp_directory_path() / ("kelpra-bench-" + std::to_string(::getpid()) + "-" +
                                        std::to_string(options.fillerSections));
    fs::remove_all(dir_);
    WriteSyntheticDatabase(dir_, options);
    previous_ = fs::current_path();
    fs::current_path(dir_);
}

SyntheticFolder::~SyntheticFolder() {
    fs::current_path(previous_);
    fs::remove_all(dir_);
}
