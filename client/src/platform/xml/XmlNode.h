#pragma once
// A node of a document below the document itself: an element, a text, a comment. Elements also
// answer their attributes. The object follows its node when the node is moved or removed.
#include <memory>

#include "platform/xml/XmlTreeNode.h"

namespace platform {

class XmlNode : public XmlTreeNode<XmlNode>, public XmlTree::Member {
public:
    static constexpr const char* kTypeName = "XmlNode";
    static const automation::MemberTable<XmlNode>& Members();

    XmlNode(std::shared_ptr<XmlDocument> owner, std::shared_ptr<XmlTree> tree, pugi::xml_node node);
    ~XmlNode() override;
    std::string TypeName() const override;

    pugi::xml_node Node() const { return node_; }
    const std::shared_ptr<XmlTree>& Tree() const { return tree_; }
    const std::shared_ptr<XmlDocument>& Owner() const { return owner_; }

    automation::DispatchPtr Attributes();
    automation::DispatchPtr OwnerDocument() const;
    // Element attributes by name; a missing attribute reads as Null.
    automation::Variant GetAttribute(const std::string& name) const;
    void SetAttribute(const std::string& name, const automation::Variant& value);
    void RemoveAttribute(const std::string& name);

    void MoveTo(std::shared_ptr<XmlTree> tree, pugi::xml_node node, pugi::xml_attribute attribute) override;
    automation::DispatchPtr Object() override { return weak_from_this().lock(); }

private:
    pugi::xml_node Element() const;  // the node, raising 438 when it is not an element

    std::shared_ptr<XmlDocument> owner_;
    std::shared_ptr<XmlTree> tree_;
    pugi::xml_node node_;
};

}  // namespace platform
