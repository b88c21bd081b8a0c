#include "platform/xml/XmlTree.h"

#include <algorithm>

#include "automation/AutomationError.h"

namespace platform {
namespace {

// Visits a subtree in document order without recursion; `visit` gets every node of both trees
// when two trees of the same shape are walked together.
template <class Visit>
void WalkTogether(pugi::xml_node root, pugi::xml_node twin, Visit visit) {
    pugi::xml_node a = root, b = twin;
    while (true) {
        visit(a, b);
        if (a.first_child()) {
            a = a.first_child();
            b = b.first_child();
            continue;
        }
        while (a != root && !a.next_sibling()) {
            a = a.parent();
            b = b.parent();
        }
        if (a == root) return;
        a = a.next_sibling();
        b = b.next_sibling();
    }
}

template <class Visit>
void Walk(pugi::xml_node root, Visit visit) {
    WalkTogether(root, root, [&](pugi::xml_node node, pugi::xml_node) { visit(node); });
}

[[noreturn]] void RaiseBadMove() {
    throw automation::AutomationError(automation::errors::kInvalidProcedureCall,
                                      "The node cannot be inserted at this place.");
}

}  // namespace

void XmlTree::Track(const void* handle, Member* member) { members_[handle] = member; }

void XmlTree::Untrack(const void* handle, Member* member) {
    auto it = members_.find(handle);
    if (it != members_.end() && it->second == member) members_.erase(it);
}

XmlTree::Member* XmlTree::Find(const void* handle) const {
    auto it = members_.find(handle);
    return it == members_.end() ? nullptr : it->second;
}

void XmlTree::Watch(Watcher* watcher) { watchers_.push_back(watcher); }

void XmlTree::Unwatch(Watcher* watcher) { std::erase(watchers_, watcher); }

void XmlTree::NotifyWatchers(pugi::xml_node node) {
    if (watchers_.empty()) return;
    Walk(node, [&](pugi::xml_node n) {
        for (Watcher* w : watchers_) {
            w->BeforeDestroy(n.internal_object());
            for (pugi::xml_attribute a : n.attributes()) w->BeforeDestroy(a.internal_object());
        }
    });
}

bool XmlTree::HasMembersIn(pugi::xml_node node) const {
    if (members_.empty()) return false;
    bool found = false;
    Walk(node, [&](pugi::xml_node n) {
        if (found) return;
        found = members_.count(n.internal_object()) > 0;
        for (pugi::xml_attribute a : n.attributes()) found = found || members_.count(a.internal_object()) > 0;
    });
    return found;
}

void XmlTree::RehomeAttribute(pugi::xml_attribute from, XmlTree& to, pugi::xml_node element,
                              pugi::xml_attribute copy) {
    auto it = members_.find(from.internal_object());
    if (it == members_.end()) return;
    Member* member = it->second;
    members_.erase(it);
    member->MoveTo(to.shared_from_this(), element, copy);
}

void XmlTree::Rehome(pugi::xml_node from, XmlTree& to, pugi::xml_node copy) {
    if (members_.empty()) return;
    auto target = to.shared_from_this();
    WalkTogether(from, copy, [&](pugi::xml_node a, pugi::xml_node b) {
        if (auto it = members_.find(a.internal_object()); it != members_.end()) {
            Member* member = it->second;
            members_.erase(it);
            member->MoveTo(target, b, {});
        }
        auto copied = b.attributes_begin();
        for (pugi::xml_attribute attribute : a.attributes()) RehomeAttribute(attribute, to, b, *copied++);
    });
}

void XmlTree::Detach(pugi::xml_node node) {
    if (!HasMembersIn(node)) return;
    auto fresh = std::make_shared<XmlTree>();
    Rehome(node, *fresh, fresh->doc.append_copy(node));
}

void XmlTree::DetachAttribute(pugi::xml_attribute attribute) {
    if (!members_.count(attribute.internal_object())) return;
    auto fresh = std::make_shared<XmlTree>();
    pugi::xml_node holder = fresh->doc.append_child("attribute");
    RehomeAttribute(attribute, *fresh, holder, holder.append_copy(attribute));
}

void XmlTree::RemoveNode(pugi::xml_node node) {
    auto keep = shared_from_this();  // the last object of this tree may be among those that move away
    NotifyWatchers(node);
    Detach(node);
    node.parent().remove_child(node);
}

void XmlTree::RemoveAttribute(pugi::xml_attribute attribute, pugi::xml_node element) {
    auto keep = shared_from_this();
    for (Watcher* w : watchers_) w->BeforeDestroy(attribute.internal_object());
    DetachAttribute(attribute);
    element.remove_attribute(attribute);
}

pugi::xml_node XmlTree::MoveNode(XmlTree& from, pugi::xml_node node, pugi::xml_node parent, pugi::xml_node before) {
    for (pugi::xml_node up = parent; up; up = up.parent())
        if (up == node) RaiseBadMove();
    auto keep = from.shared_from_this();
    if (&from == this) {
        pugi::xml_node moved = before ? parent.insert_move_before(node, before) : parent.append_move(node);
        if (!moved) RaiseBadMove();
        return moved;
    }
    from.NotifyWatchers(node);
    pugi::xml_node copy = before ? parent.insert_copy_before(node, before) : parent.append_copy(node);
    if (!copy) RaiseBadMove();
    from.Rehome(node, *this, copy);
    node.parent().remove_child(node);
    return copy;
}

pugi::xml_attribute XmlTree::MoveAttribute(XmlTree& from, pugi::xml_attribute attribute, pugi::xml_node owner,
                                           pugi::xml_node element) {
    if (owner == element && &from == this) return attribute;
    auto keep = from.shared_from_this();
    if (pugi::xml_attribute same = element.attribute(attribute.name())) RemoveAttribute(same, element);
    pugi::xml_attribute copy = element.append_copy(attribute);
    if (!copy) RaiseBadMove();
    for (Watcher* w : from.watchers_) w->BeforeDestroy(attribute.internal_object());
    from.RehomeAttribute(attribute, *this, element, copy);
    owner.remove_attribute(attribute);
    return copy;
}

}  // namespace platform
