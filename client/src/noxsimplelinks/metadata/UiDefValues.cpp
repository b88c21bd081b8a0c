#include "noxsimplelinks/metadata/UiDefValues.h"

#include <cctype>

#include "automation/SafeArray.h"
#include "noxsimplelinks/metadata/UiDefNames.h"
#include "platform/xml/XmlNodeInfo.h"
#include "automation/Text.h"

namespace noxsimplelinks::UiDefValues {

using automation::Bounds;
using automation::SafeArray;
using automation::Variant;

std::string PropertyText(pugi::xml_node attr, const std::string& name) {
    if (UiDefNames::IsFlag(name))
        return UiDefNames::FlagCharacter(attr.attribute(UiDefNames::kFlagsAttribute).value(), name);
    return attr.attribute(UiDefNames::ShortName(name).c_str()).value();
}

std::string TextOf(const pugi::xpath_node& found) {
    if (found.attribute()) return found.attribute().value();
    return found.node() ? platform::TextOf(found.node()) : std::string();
}

bool FlagSet(pugi::xml_node node, const std::string& flag) {
    return UiDefNames::FlagCharacter(node.attribute(UiDefNames::kFlagsAttribute).value(), flag) == "1";
}

std::string ShortLabel(pugi::xml_node node) { return node.attribute("UI_L").value(); }

std::string LongLabel(pugi::xml_node node) { return node.attribute("UI_LABEL").value(); }

std::string LongNamed(pugi::xml_node node, const std::string& longName) {
    for (pugi::xml_attribute a : node.attributes())
        if (UiDefNames::LongName(a.name()) == longName) return a.value();
    return {};
}

int32_t IntegerOr(const std::string& text, int32_t fallback) {
    if (text.find_first_not_of(" \t") == std::string::npos) return fallback;
    try {
        return Variant(text).ToLong();
    } catch (const std::exception&) {
        return fallback;
    }
}

std::string Trimmed(const std::string& text) { return automation::Trimmed(text, " \t\r\n"); }

std::vector<std::string> SplitList(const std::string& text) {
    std::vector<std::string> pieces;
    for (size_t start = 0;;) {
        size_t comma = text.find(',', start);
        pieces.push_back(text.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
        if (comma == std::string::npos) return pieces;
        start = comma + 1;
    }
}

Variant ListOrEmpty(const std::vector<std::string>& texts) {
    if (texts.empty()) return Variant();
    std::vector<Variant> values(texts.begin(), texts.end());
    return Variant(SafeArray::Of(std::move(values)));
}

Variant PairsOrEmpty(const std::vector<std::pair<std::string, std::string>>& rows) {
    if (rows.empty()) return Variant();
    SafeArray table(Bounds{0, static_cast<int32_t>(rows.size()) - 1}, Bounds{0, 1});
    for (int32_t r = 0; r < static_cast<int32_t>(rows.size()); ++r) {
        table.At(r, 0) = Variant(rows[static_cast<size_t>(r)].first);
        table.At(r, 1) = Variant(rows[static_cast<size_t>(r)].second);
    }
    return Variant(std::move(table));
}

Variant IdsWhere(const std::vector<pugi::xml_node>& nodes, const NodeTest& test) {
    std::vector<std::string> ids;
    for (pugi::xml_node node : nodes)
        if (test(node) && node.attribute("ID")) ids.emplace_back(node.attribute("ID").value());
    return ListOrEmpty(ids);
}

Variant PairsWhere(const std::vector<pugi::xml_node>& nodes, const NodeTest& test, const NodeText& label) {
    std::vector<std::pair<std::string, std::string>> rows;
    for (pugi::xml_node node : nodes)
        if (test(node)) rows.emplace_back(node.attribute("ID").value(), label(node));
    return PairsOrEmpty(rows);
}

}  // namespace noxsimplelinks::UiDefValues
