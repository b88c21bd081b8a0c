#include "noxsimplelinks/metadata/UiDefIndex.h"

#include <cstring>

namespace noxsimplelinks {
namespace {

bool Named(pugi::xml_node node, const char* name) {
    return node.type() == pugi::node_element && std::strcmp(node.name(), name) == 0;
}

}  // namespace

pugi::xml_node UiDefIndex::Entry::Attr(const std::string& id) const {
    auto found = attrById.find(id);
    return found == attrById.end() ? pugi::xml_node() : found->second;
}

void UiDefIndex::Fill(Entry& entry, pugi::xml_node element) {
    entry.element = element;
    for (pugi::xml_node child : element.children()) {
        if (Named(child, "GROUPS") && !entry.groups) entry.groups = child;
        if (!Named(child, "ATTRS")) continue;
        for (pugi::xml_node attr : child.children()) {
            if (!Named(attr, "ATTR")) continue;
            entry.attrs.push_back(attr);
            if (pugi::xml_attribute id = attr.attribute("ID")) entry.attrById.emplace(id.value(), attr);
        }
    }
}

void UiDefIndex::Build(pugi::xml_node root) {
    Clear();
    // Every OBJ element, at whatever depth, as "//OBJ" finds them.
    for (pugi::xml_node node = root.first_child(); node;) {
        if (Named(node, "OBJ")) objects_.push_back(node);
        if (node.first_child() && !Named(node, "OBJ")) {
            node = node.first_child();
            continue;
        }
        while (node && !node.next_sibling() && node != root) node = node.parent();
        if (!node || node == root) break;
        node = node.next_sibling();
    }
    for (pugi::xml_node element : objects_) {
        auto [slot, added] = byId_.try_emplace(element.attribute("ID").value());
        if (!added) continue;
        Object& object = slot->second;
        Fill(object, element);
        for (pugi::xml_node links : element.children("LINKS"))
            for (pugi::xml_node link : links.children("LINK_DEF")) {
                object.links.push_back(link);
                auto [entry, fresh] = object.linkById.try_emplace(link.attribute("ID").value());
                if (fresh) Fill(entry->second, link);
            }
    }
}

void UiDefIndex::Clear() {
    objects_.clear();
    byId_.clear();
}

const UiDefIndex::Object* UiDefIndex::Find(const std::string& object) const {
    auto found = byId_.find(object);
    return found == byId_.end() ? nullptr : &found->second;
}

const UiDefIndex::Entry* UiDefIndex::FindLink(const std::string& object, const std::string& link) const {
    const Object* owner = Find(object);
    if (!owner) return nullptr;
    auto found = owner->linkById.find(link);
    return found == owner->linkById.end() ? nullptr : &found->second;
}

}  // namespace noxsimplelinks
