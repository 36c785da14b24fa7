#include "opcodes/categories.h"

#include <algorithm>
#include <unordered_map>

#include "opcodes/cp1251.h"
#include "opcodes/ini_file.h"
#include "opcodes/opcode.h"
#include "opcodes/opcode_lines.h"

const std::string kMissingNodeCaption = Utf8ToCp1251("***НЕ_НАЙДЕНО***  (NodeInfo.ini)");

namespace {

// The first 2800 numbers of the line; numbers without a record are left out.
OpcodeNumbers ReadNodeLine(const OpcodeLineFile& lines, int32_t line) {
    std::vector<uint16_t> numbers;
    lines.ReadLine(line, numbers, kMaxNodeOpcodes);
    std::erase_if(numbers, [](uint16_t n) { return !TOpcodesList::IsOpcodeNumber(n); });
    return OpcodeNumbers::Of(std::move(numbers));
}

} // namespace

OpcodeNumbers::OpcodeNumbers(const std::vector<int32_t>& numbers) {
    std::vector<uint16_t> kept(numbers.size());
    std::transform(numbers.begin(), numbers.end(), kept.begin(), [](int32_t n) {
        return TOpcodesList::IsOpcodeNumber(n) ? static_cast<uint16_t>(n) : kNoRecord;
    });
    numbers_ = std::make_shared<const std::vector<uint16_t>>(std::move(kept));
}

std::vector<CategoryInfo> ReadCategories(const std::vector<TreeItem>& items,
                                         const std::string& nodeInfoFile,
                                         const std::string& nodeLinesFile) {
    std::vector<CategoryInfo> categories;
    if (items.empty())
        return categories;

    const OpcodeLineFile lines = OpcodeLineFile::Open(nodeLinesFile);
    const TIniFile nodeInfo(nodeInfoFile);
    std::unordered_map<int32_t, OpcodeNumbers> lineNumbers; // each line is read once
    categories.reserve(items.size());
    for (const TreeItem& item : items) {
        CategoryInfo info;
        info.Caption = nodeInfo.ReadString(item.Key, "Caption", kMissingNodeCaption);
        const int32_t line = nodeInfo.ReadInteger(item.Key, "Opcodes", -1);
        info.Expanded = nodeInfo.ReadBool(item.Key, "Expanded", false);
        if (line != -1) {
            auto data = std::make_unique<TNodedata>();
            auto [known, fresh] = lineNumbers.try_emplace(line);
            if (fresh)
                known->second = ReadNodeLine(lines, line);
            data->Opcodes = known->second;
            data->Name = item.Key;
            data->Note = nodeInfo.ReadString(item.Key, "Note", "");
            info.Data = std::move(data);
        }
        categories.push_back(std::move(info));
    }
    return categories;
}

std::vector<std::string> ReadTypeCaptions(const std::string& typeInfoFile) {
    return ReadTypeCaptions(TIniFile(typeInfoFile));
}

std::vector<std::string> ReadTypeCaptions(const TIniFile& typeInfo) {
    std::vector<std::string> captions;
    const std::vector<std::string_view>& sections = typeInfo.SectionNames();
    captions.reserve(std::min(sections.size(), static_cast<std::size_t>(kMaxTypes)));
    for (std::size_t j = 0; j < sections.size() && j < static_cast<std::size_t>(kMaxTypes); ++j)
        captions.emplace_back(typeInfo.ReadStringView(sections[j], "Caption", kMissingTypeCaption));
    return captions;
}
