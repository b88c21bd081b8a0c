#pragma once
// The parsed content of one document, shared by the document object and every node object taken
// from it. Node objects and node lists register here, so that a node about to be destroyed (removed,
// replaced, its text overwritten) first moves into a copy of its own and no object is left pointing
// into freed memory.
#include <memory>
#include <unordered_map>
#include <vector>

#include <pugixml.hpp>

#include "automation/Dispatch.h"

namespace platform {

class XmlTree : public std::enable_shared_from_this<XmlTree> {
public:
    // A node object: one per node or attribute at a time.
    class Member {
    public:
        virtual ~Member() = default;
        // The node this object stands for now lives elsewhere; for an attribute, `node` is the
        // element that holds it.
        virtual void MoveTo(std::shared_ptr<XmlTree> tree, pugi::xml_node node, pugi::xml_attribute attribute) = 0;
        // The object itself, or null while it is being destroyed.
        virtual automation::DispatchPtr Object() = 0;
    };
    // A node list that holds nodes without objects of their own.
    class Watcher {
    public:
        virtual ~Watcher() = default;
        // Called before `handle` (a node or an attribute) is destroyed.
        virtual void BeforeDestroy(const void* handle) = 0;
    };

    pugi::xml_document doc;

    // Handles are the pugixml internal objects of a node or an attribute.
    void Track(const void* handle, Member* member);
    void Untrack(const void* handle, Member* member);
    Member* Find(const void* handle) const;
    void Watch(Watcher* watcher);
    void Unwatch(Watcher* watcher);

    // Removes a node with its subtree, or an attribute of `element`; their objects keep working on
    // copies.
    void RemoveNode(pugi::xml_node node);
    void RemoveAttribute(pugi::xml_attribute attribute, pugi::xml_node element);
    // Moves a node from its tree (this one or another) under `parent` of this tree, before `before`
    // when that is given; the node's objects follow it. Returns the node at its new place.
    pugi::xml_node MoveNode(XmlTree& from, pugi::xml_node node, pugi::xml_node parent, pugi::xml_node before = {});
    // The same for an attribute of `owner`, which replaces an attribute of the same name of `element`.
    pugi::xml_attribute MoveAttribute(XmlTree& from, pugi::xml_attribute attribute, pugi::xml_node owner,
                                      pugi::xml_node element);

private:
    void NotifyWatchers(pugi::xml_node node);
    bool HasMembersIn(pugi::xml_node node) const;
    void Rehome(pugi::xml_node from, XmlTree& to, pugi::xml_node copy);
    void RehomeAttribute(pugi::xml_attribute from, XmlTree& to, pugi::xml_node element, pugi::xml_attribute copy);
    // Gives the objects of a subtree a copy of their own in a fresh tree.
    void Detach(pugi::xml_node node);
    void DetachAttribute(pugi::xml_attribute attribute);

    std::unordered_map<const void*, Member*> members_;
    std::vector<Watcher*> watchers_;
};

}  // namespace platform
