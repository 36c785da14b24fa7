#include "opcodes/opcode_lookup.h"

#include <algorithm>
#include <bitset>
#include <unordered_set>

#include "opcodes/cp1251.h"
#include "opcodes/text_search.h"

namespace {

bool IsHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// The digits of a number (the text after an optional 0x, when it is all hexadecimal
// digits), or nothing when the text is no number.
std::optional<std::string_view> HexDigits(std::string_view what) {
    std::string_view digits = what;
    if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X'))
        digits.remove_prefix(2);
    if (digits.empty() || !std::all_of(digits.begin(), digits.end(), IsHexDigit))
        return std::nullopt;
    return digits;
}

void Append(std::string& out, std::string_view label, std::string_view value) {
    out.append(label).append(value).append("\n");
}

} // namespace

LookupParse ParseLookup(std::string_view what) {
    if (what.empty())
        return {std::nullopt, "the opcode or text to look up is empty"};
    if (what.find_first_of("\r\n") != std::string_view::npos)
        return {std::nullopt, "the text to look up holds a line break"};
    LookupQuery query;
    if (const std::optional<std::string_view> digits = HexDigits(what)) {
        const std::string_view significant =
            digits->substr(std::min(digits->find_first_not_of('0'), digits->size()));
        if (significant.size() > 4)
            return {std::nullopt, std::string(what) + " is beyond FFFF, the highest opcode number"};
        query.kind = LookupQuery::Kind::Number;
        query.number = 0;
        for (const char c : significant)
            query.number = query.number * 16 + (c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10);
        return {query, {}};
    }
    query.text = Utf8ToCp1251Exact(what).value_or(std::string());
    return {query, {}};
}

bool LookupMatches(const LookupQuery& query, int32_t number, const TOpcode& op) {
    if (query.kind == LookupQuery::Kind::Number)
        return number == query.number;
    return ContainsUpperLatin(op.Text, query.text);
}

std::optional<LookupHit> FindFirstListed(std::span<const TNodedata* const> categories,
                                         const TOpcodesList& opcodes, const TypeTicks& ticked,
                                         const LookupQuery& query) {
    // The records that would show as a hit, decided once: then a category's line costs a
    // table look-up per number, and a query that no listed row can meet costs no line.
    std::bitset<kOpcodeCount> wanted;
    for (int32_t n = 0; n < kOpcodeCount; ++n) {
        const TOpcode& op = opcodes.GetItem(n);
        wanted[static_cast<std::size_t>(n)] =
            ShownByFilter(op, ticked) && LookupMatches(query, n, op);
    }
    if (wanted.none())
        return std::nullopt;
    // Many nodes may share one line: a line searched in vain is not searched again.
    std::unordered_set<const void*> searched;
    for (std::size_t c = 0; c < categories.size(); ++c) {
        const TNodedata* node = categories[c];
        if (node == nullptr || !searched.insert(node->Opcodes.Identity()).second)
            continue;
        int row = 0;
        for (const int32_t number : node->Opcodes) {
            if (!TOpcodesList::IsOpcodeNumber(number))
                continue;
            if (wanted[static_cast<std::size_t>(number)])
                return LookupHit{c, row};
            if (ShownByFilter(opcodes.GetItem(number), ticked))
                ++row;
        }
    }
    return std::nullopt;
}

std::vector<int32_t> MatchingOpcodes(const TOpcodesList& opcodes, const LookupQuery& query) {
    std::vector<int32_t> numbers;
    for (int32_t n = 0; n < kOpcodeCount; ++n)
        if (opcodes.Defined(n) && LookupMatches(query, n, opcodes.GetItem(n)))
            numbers.push_back(n);
    return numbers;
}

std::string LookupRecord(const TOpcodesList& opcodes, int32_t number,
                         const std::vector<std::string>& typeCaptions,
                         const std::vector<CategoryInfo>& categories) {
    const TOpcode& op = opcodes.GetItem(number);
    std::string record;
    Append(record, "", op.Text);
    Append(record, "Parameters: ",
           op.ParamCount < 0 ? std::string("variable") : std::to_string(op.ParamCount));
    Append(record, "Russian: ", op.RusText);
    std::string types;
    for (std::size_t t = 0; t < typeCaptions.size(); ++t)
        if (op.Types[t])
            types.append(types.empty() ? "" : ", ").append(typeCaptions[t]);
    Append(record, "Types: ", types);
    std::string lists;
    for (const CategoryInfo& category : categories)
        if (category.Data && std::find(category.Data->Opcodes.begin(), category.Data->Opcodes.end(),
                                       number) != category.Data->Opcodes.end())
            lists.append(lists.empty() ? "" : ", ").append(category.Caption);
    Append(record, "Categories: ", lists);
    return record;
}
