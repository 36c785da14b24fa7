#include "opcodes/categories.h"

#include <algorithm>
#include <unordered_map>

#include "opcodes/cp1251.h"
#include "opcodes/ini_file.h"
#include "opcodes/opcode.h"
#include "opcodes/opcode_lines.h"

const std::string kMissingNodeCaption = Utf8ToCp1251("***НЕ_НАЙДЕНО***  (NodeInfo.ini)");

OpcodeNumbers::OpcodeNumbers(std::vector<int32_t> numbers) : line_(std::make_shared<Line>()) {
    line_->numbers = std::move(numbers);
}

OpcodeNumbers::OpcodeNumbers(std::shared_ptr<const OpcodeLineFile> file, int32_t line)
    : line_(std::make_shared<Line>()) {
    line_->file = std::move(file);
    line_->line = line;
}

const std::vector<int32_t>& OpcodeNumbers::numbers() const {
    Line& line = *line_;
    std::call_once(line.parsed, [&line] {
        if (!line.file) return;
        line.numbers = line.file->ReadLine(line.line, kMaxNodeOpcodes);
        std::erase_if(line.numbers, [](int32_t n) { return !TOpcodesList::IsOpcodeNumber(n); });
        line.file.reset();
    });
    return line.numbers;
}

const std::shared_ptr<OpcodeNumbers::Line>& OpcodeNumbers::Empty() {
    static const auto empty = std::make_shared<Line>();
    return empty;
}

std::vector<CategoryInfo> ReadCategories(const std::vector<TreeItem>& items,
                                         const std::string& nodeInfoFile,
                                         const std::string& nodeLinesFile) {
    std::vector<CategoryInfo> categories;
    if (items.empty()) return categories;

    const auto lines = std::make_shared<const OpcodeLineFile>(OpcodeLineFile::Open(nodeLinesFile));
    const TIniFile nodeInfo(nodeInfoFile);
    std::unordered_map<int32_t, OpcodeNumbers> lineNumbers;  // each line is read once
    categories.reserve(items.size());
    for (const TreeItem& item : items) {
        CategoryInfo info;
        info.Caption = nodeInfo.ReadString(item.Key, "Caption", kMissingNodeCaption);
        const int32_t line = nodeInfo.ReadInteger(item.Key, "Opcodes", -1);
        info.Expanded = nodeInfo.ReadBool(item.Key, "Expanded", false);
        if (line != -1) {
            auto data = std::make_unique<TNodedata>();
            auto [numbers, fresh] = lineNumbers.try_emplace(line);
            if (fresh) numbers->second = OpcodeNumbers(lines, line);
            data->Opcodes = numbers->second;
            data->Name = item.Key;
            data->Note = nodeInfo.ReadString(item.Key, "Note", "");
            info.Data = std::move(data);
        }
        categories.push_back(std::move(info));
    }
    return categories;
}

std::vector<std::string> ReadTypeCaptions(const std::string& typeInfoFile) {
    const TIniFile typeInfo(typeInfoFile);
    std::vector<std::string> captions;
    const std::vector<std::string_view>& sections = typeInfo.SectionNames();
    captions.reserve(std::min(sections.size(), static_cast<std::size_t>(kMaxTypes)));
    for (std::size_t j = 0; j < sections.size() && j < static_cast<std::size_t>(kMaxTypes); ++j)
        captions.emplace_back(typeInfo.ReadStringView(sections[j], "Caption", kMissingTypeCaption));
    return captions;
}
