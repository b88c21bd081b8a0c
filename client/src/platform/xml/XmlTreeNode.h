#pragma once
// The members every node of a document tree answers by name, the document itself included:
// names, text, markup, children, XPath selection and child insertion. A node class derives from
// XmlTreeNode<Self> and provides Node(), Tree() and Owner().
#include <memory>
#include <string>

#include <pugixml.hpp>

#include "automation/Dispatchable.h"
#include "platform/xml/XmlTree.h"

namespace platform {

class XmlDocument;

template <class Self>
class XmlTreeNode : public automation::Dispatchable<Self> {
public:
    std::string Text() const;
    void SetText(const std::string& text);
    std::string Xml() const;
    std::string BaseName() const;
    std::string NodeName() const;
    std::string Prefix() const;
    int32_t NodeType() const;
    automation::Variant NodeValue() const;

    automation::DispatchPtr ChildNodes();
    automation::DispatchPtr FirstChild();
    automation::DispatchPtr LastChild();
    automation::DispatchPtr ParentNode();
    automation::DispatchPtr NextSibling();
    automation::DispatchPtr PreviousSibling();
    bool HasChildNodes() const;

    // The first match of an XPath from this node, or nothing; all matches in document order.
    automation::DispatchPtr SelectSingleNode(const std::string& xpath);
    automation::DispatchPtr SelectNodes(const std::string& xpath);

    // Moves the child here (from wherever it was, this document or another) and returns it.
    automation::DispatchPtr AppendChild(const automation::DispatchPtr& child);
    automation::DispatchPtr InsertBefore(const automation::DispatchPtr& child, const automation::Variant& reference);
    automation::DispatchPtr RemoveChild(const automation::DispatchPtr& child);

protected:
    static void AddNodeMembers(automation::MemberTable<Self>& table);

private:
    const Self& Me() const { return static_cast<const Self&>(*this); }
    Self& Me() { return static_cast<Self&>(*this); }
    automation::DispatchPtr Wrap(pugi::xml_node node);
};

}  // namespace platform
