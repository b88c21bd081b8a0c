#include "objdefs/ObjectDefinitions.h"

#include <algorithm>
#include <cctype>
#include <pugixml.hpp>
#include <sstream>
#include <stdexcept>

namespace objdefs {

bool SameText(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
    });
}

const char* DataTypeName(DataType type) {
    switch (type) {
        case DataType::Number: return "number";
        case DataType::Date: return "date";
        case DataType::Text: break;
    }
    return "text";
}

namespace {

template <class Record, class Key>
const Record* FindBy(const std::vector<Record>& records, std::string_view wanted, Key key) {
    auto it = std::find_if(records.begin(), records.end(), [&](const Record& r) { return SameText(key(r), wanted); });
    return it == records.end() ? nullptr : &*it;
}

bool Touches(const LinkDef& link, std::string_view type) { return SameText(link.from, type) || SameText(link.to, type); }

}  // namespace

ObjectDefinitions::ObjectDefinitions(DefinitionsContent content, std::shared_ptr<const pugi::xml_document> document,
                                     std::string source)
    : content_(std::move(content)), document_(std::move(document)), source_(std::move(source)) {}

const TypeDef* ObjectDefinitions::FindType(std::string_view name) const {
    return FindBy(content_.types, name, [](const TypeDef& t) -> const std::string& { return t.name; });
}

const TypeDef* ObjectDefinitions::FindTypeByTable(std::string_view table) const {
    if (table.empty()) return nullptr;
    return FindBy(content_.types, table, [](const TypeDef& t) -> const std::string& { return t.table; });
}

const LinkDef* ObjectDefinitions::FindLink(std::string_view name, std::string_view type) const {
    const LinkDef* any = nullptr;
    for (const LinkDef& link : content_.links) {
        if (!SameText(link.name, name)) continue;
        if (type.empty() || Touches(link, type)) return &link;
        if (!any) any = &link;
    }
    return any;
}

const ValueList* ObjectDefinitions::FindValueList(std::string_view name) const {
    return FindBy(content_.valueLists, name, [](const ValueList& v) -> const std::string& { return v.name; });
}

const CategoryDef* ObjectDefinitions::FindCategory(std::string_view name) const {
    return FindBy(content_.categories, name, [](const CategoryDef& c) -> const std::string& { return c.name; });
}

const LinkDef* ObjectDefinitions::LinkBetween(std::string_view from, std::string_view to,
                                              std::string_view linkType) const {
    auto find = [&](std::string_view a, std::string_view b) -> const LinkDef* {
        for (const LinkDef& link : content_.links) {
            if (SameText(link.from, a) && SameText(link.to, b) && (linkType.empty() || SameText(link.linkType, linkType)))
                return &link;
        }
        return nullptr;
    };
    const LinkDef* forward = find(from, to);
    return forward ? forward : find(to, from);
}

const LinkDef* ObjectDefinitions::LinkByTable(std::string_view type, std::string_view table,
                                              std::string_view linkType) const {
    for (const LinkDef& link : content_.links) {
        if (Touches(link, type) && SameText(link.table, table) && (linkType.empty() || SameText(link.linkType, linkType)))
            return &link;
    }
    return nullptr;
}

std::vector<const LinkDef*> ObjectDefinitions::LinksOf(std::string_view type) const {
    std::vector<const LinkDef*> links;
    for (const LinkDef& link : content_.links)
        if (Touches(link, type)) links.push_back(&link);
    return links;
}

std::string ObjectDefinitions::OtherEnd(const LinkDef& link, std::string_view type) const {
    if (SameText(link.from, type)) return link.to;
    if (SameText(link.to, type)) return link.from;
    return {};
}

std::vector<std::string> ObjectDefinitions::KeyNames(std::string_view type) const {
    const TypeDef* def = FindType(type);
    if (!def) return {};
    std::vector<const AttributeDef*> keys;
    for (const AttributeDef& a : def->attributes)
        if (a.keyOrder > 0) keys.push_back(&a);
    std::stable_sort(keys.begin(), keys.end(), [](auto* a, auto* b) { return a->keyOrder < b->keyOrder; });
    std::vector<std::string> names;
    for (const AttributeDef* a : keys) names.push_back(a->name);
    return names;
}

std::vector<std::string> ObjectDefinitions::FieldNames(std::string_view type, bool includeVirtual) const {
    std::vector<std::string> names;
    if (const TypeDef* def = FindType(type)) {
        for (const AttributeDef& a : def->attributes)
            if (includeVirtual || !a.isVirtual) names.push_back(a.name);
    }
    return names;
}

const AttributeDef* ObjectDefinitions::FindAttribute(const std::vector<AttributeDef>& attributes,
                                                     std::string_view name) {
    for (const AttributeDef& a : attributes)
        if (SameText(a.name, name) || SameText(a.shortName, name)) return &a;
    return nullptr;
}

const AttributeDef* ObjectDefinitions::TypeAttribute(std::string_view type, std::string_view attribute) const {
    const TypeDef* def = FindType(type);
    return def ? FindAttribute(def->attributes, attribute) : nullptr;
}

const AttributeDef* ObjectDefinitions::LinkAttribute(std::string_view link, std::string_view attribute,
                                                     std::string_view type) const {
    const LinkDef* def = FindLink(link, type);
    return def ? FindAttribute(def->attributes, attribute) : nullptr;
}

std::optional<std::string> ObjectDefinitions::PreferenceValue(std::string_view name) const {
    const Preference* p = FindBy(content_.preferences, name, [](const Preference& p) -> const std::string& { return p.name; });
    if (!p) return std::nullopt;
    return p->value;
}

bool ObjectDefinitions::HasDefaults() const {
    return std::any_of(content_.types.begin(), content_.types.end(), [](const TypeDef& t) {
        return std::any_of(t.attributes.begin(), t.attributes.end(), [](const AttributeDef& a) { return a.hasDefault; });
    });
}

std::vector<std::string> ObjectDefinitions::Select(const std::string& xpath) const {
    pugi::xpath_node_set nodes;
    try {
        nodes = document_->select_nodes(xpath.c_str());
    } catch (const pugi::xpath_exception& e) {
        throw std::invalid_argument("Invalid XPath '" + xpath + "': " + e.what());
    }
    std::vector<std::string> texts;
    for (const pugi::xpath_node& node : nodes) {
        texts.push_back(node.attribute() ? node.attribute().value() : node.node().child_value());
    }
    return texts;
}

std::string ObjectDefinitions::TypeXml(std::string_view type) const {
    const TypeDef* def = FindType(type);
    if (!def) return {};
    for (pugi::xml_node node : document_->document_element().child("TYPES").children("TYPE")) {
        if (def->name == node.attribute("NAME").value()) {
            std::ostringstream out;
            node.print(out, "", pugi::format_raw);
            return out.str();
        }
    }
    return {};
}

}  // namespace objdefs
