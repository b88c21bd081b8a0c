#pragma once
// What an XML document offers callers in this process that read and change its tree directly: its
// document node and the tree that owns the nodes. The library indexes and converts UI definitions
// this way when the document offers it, and reads a copy of its text otherwise.
#include <memory>

#include <pugixml.hpp>

namespace platform {

class XmlTree;

class DomAccess {
public:
    virtual ~DomAccess() = default;
    virtual pugi::xml_node Node() const = 0;
    virtual const std::shared_ptr<XmlTree>& Tree() const = 0;
};

}  // namespace platform
