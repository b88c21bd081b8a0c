#pragma once
// The object definitions as read from one file: what the client and the reference server know
// about object types, their keys and attributes, the links between types, value lists, categories
// and preferences. Immutable once read; shared between threads as a const object.
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "objdefs/ObjectModel.h"

namespace pugi {
class xml_document;
}

namespace objdefs {

struct DefinitionsContent {
    std::string version;
    std::vector<TypeDef> types;
    std::vector<LinkDef> links;
    std::vector<ValueList> valueLists;
    std::vector<CategoryDef> categories;
    std::vector<Preference> preferences;
};

class ObjectDefinitions {
public:
    ObjectDefinitions(DefinitionsContent content, std::shared_ptr<const pugi::xml_document> document,
                      std::string source);

    const std::string& Version() const { return content_.version; }
    // Where the definitions came from (a file path, or a name given by the caller).
    const std::string& Source() const { return source_; }
    const std::vector<TypeDef>& Types() const { return content_.types; }
    const std::vector<LinkDef>& Links() const { return content_.links; }
    const std::vector<ValueList>& ValueLists() const { return content_.valueLists; }
    const std::vector<CategoryDef>& Categories() const { return content_.categories; }
    const std::vector<Preference>& Preferences() const { return content_.preferences; }

    // Names compare without regard to case; nullptr when there is none.
    const TypeDef* FindType(std::string_view name) const;
    const TypeDef* FindTypeByTable(std::string_view table) const;
    // A link by name; the one touching the type when several pairs share the name.
    const LinkDef* FindLink(std::string_view name, std::string_view type = {}) const;
    const ValueList* FindValueList(std::string_view name) const;
    const CategoryDef* FindCategory(std::string_view name) const;
    // The link of the given link type (any when empty) between two types: defined from `from` to
    // `to`, else defined the other way round.
    const LinkDef* LinkBetween(std::string_view from, std::string_view to, std::string_view linkType) const;
    // The link with that table (and link type, when not empty) that starts or ends at the type.
    const LinkDef* LinkByTable(std::string_view type, std::string_view table, std::string_view linkType) const;
    // Every link that starts or ends at the type, in file order.
    std::vector<const LinkDef*> LinksOf(std::string_view type) const;
    // The type at the other end of the link, seen from `type`; empty when the link does not touch it.
    std::string OtherEnd(const LinkDef& link, std::string_view type) const;

    // Full key attribute names in key order; empty for an unknown type.
    std::vector<std::string> KeyNames(std::string_view type) const;
    // Full attribute names in file order, the virtual ones only when asked.
    std::vector<std::string> FieldNames(std::string_view type, bool includeVirtual) const;
    // An attribute of a type or a link, by full or short name.
    const AttributeDef* TypeAttribute(std::string_view type, std::string_view attribute) const;
    const AttributeDef* LinkAttribute(std::string_view link, std::string_view attribute,
                                      std::string_view type = {}) const;
    static const AttributeDef* FindAttribute(const std::vector<AttributeDef>& attributes, std::string_view name);

    std::optional<std::string> PreferenceValue(std::string_view name) const;
    bool HasDefaults() const;

    // The texts of the nodes an XPath selects in the definitions document (attribute values, element
    // texts). A malformed XPath raises std::invalid_argument.
    std::vector<std::string> Select(const std::string& xpath) const;
    // The XML text of the type's element, empty for an unknown type.
    std::string TypeXml(std::string_view type) const;

private:
    DefinitionsContent content_;
    std::shared_ptr<const pugi::xml_document> document_;
    std::string source_;
};

bool SameText(std::string_view a, std::string_view b);

}  // namespace objdefs
