#pragma once
// The index of a UI-definitions document, built once per load: every OBJ by its ID, and below it the
// ATTR elements by ID, the GROUPS element and the LINK_DEF elements (each with its own ATTRs and
// GROUPS) by ID, so that lookups do not search the document. Where an ID occurs twice the first
// element in document order counts, as a first XPath match would.
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include <pugixml.hpp>

namespace noxsimplelinks {

class UiDefIndex {
public:
    // An OBJ or a LINK_DEF with what lies below it.
    struct Entry {
        pugi::xml_node element;
        pugi::xml_node groups;                 // the first GROUPS child; empty when there is none
        std::vector<pugi::xml_node> attrs;     // the ATTR children of its ATTRS, in document order
        std::unordered_map<std::string, pugi::xml_node> attrById;
        pugi::xml_node Attr(const std::string& id) const;
    };
    struct Object : Entry {
        std::vector<pugi::xml_node> links;     // LINK_DEF children of its LINKS, in document order
        std::unordered_map<std::string, Entry> linkById;
    };

    void Build(pugi::xml_node root);
    void Clear();

    const Object* Find(const std::string& object) const;
    const Entry* FindLink(const std::string& object, const std::string& link) const;
    // Every OBJ of the document, in document order.
    const std::vector<pugi::xml_node>& Objects() const { return objects_; }

private:
    static void Fill(Entry& entry, pugi::xml_node element);

    std::vector<pugi::xml_node> objects_;
    std::unordered_map<std::string, Object> byId_;
};

}  // namespace noxsimplelinks
