#include "platform/xml/XmlNode.h"

#include "automation/AutomationError.h"
#include "platform/xml/XmlAttributeMap.h"
#include "platform/xml/XmlDocument.h"
#include "platform/xml/XmlNodeInfo.h"

namespace platform {

using automation::DispatchPtr;
using automation::Variant;

const automation::MemberTable<XmlNode>& XmlNode::Members() {
    static const automation::MemberTable<XmlNode> table = [] {
        automation::MemberTable<XmlNode> t;
        AddNodeMembers(t);
        t.Property("Attributes", &XmlNode::Attributes)
            .Property("ownerDocument", &XmlNode::OwnerDocument)
            .Property("tagName", &XmlNode::NodeName)
            .Method("getAttribute", &XmlNode::GetAttribute)
            .Method("setAttribute", &XmlNode::SetAttribute)
            .Method("removeAttribute", &XmlNode::RemoveAttribute);
        return t;
    }();
    return table;
}

XmlNode::XmlNode(std::shared_ptr<XmlDocument> owner, std::shared_ptr<XmlTree> tree, pugi::xml_node node)
    : owner_(std::move(owner)), tree_(std::move(tree)), node_(node) {
    tree_->Track(node_.internal_object(), this);
}

XmlNode::~XmlNode() { tree_->Untrack(node_.internal_object(), this); }

std::string XmlNode::TypeName() const {
    switch (node_.type()) {
        case pugi::node_element: return "XmlElement";
        case pugi::node_pcdata: return "XmlText";
        case pugi::node_cdata: return "XmlCDataSection";
        case pugi::node_comment: return "XmlComment";
        default: return "XmlProcessingInstruction";
    }
}

void XmlNode::MoveTo(std::shared_ptr<XmlTree> tree, pugi::xml_node node, pugi::xml_attribute) {
    tree_ = std::move(tree);
    node_ = node;
    tree_->Track(node_.internal_object(), this);
}

pugi::xml_node XmlNode::Element() const {
    if (node_.type() != pugi::node_element) automation::Raise(automation::errors::kObjectDoesNotSupportMember);
    return node_;
}

DispatchPtr XmlNode::Attributes() {
    if (node_.type() != pugi::node_element) return nullptr;
    return std::make_shared<XmlAttributeMap>(std::static_pointer_cast<XmlNode>(shared_from_this()));
}

DispatchPtr XmlNode::OwnerDocument() const { return owner_; }

Variant XmlNode::GetAttribute(const std::string& name) const {
    pugi::xml_attribute attribute = Element().attribute(name.c_str());
    return attribute ? Variant(attribute.value()) : Variant::Null();
}

void XmlNode::SetAttribute(const std::string& name, const Variant& value) {
    pugi::xml_node element = Element();
    RequireXmlName(name);
    pugi::xml_attribute attribute = element.attribute(name.c_str());
    if (!attribute) attribute = element.append_attribute(name.c_str());
    attribute.set_value(value.TextOr("").c_str());
}

void XmlNode::RemoveAttribute(const std::string& name) {
    pugi::xml_node element = Element();
    if (pugi::xml_attribute attribute = element.attribute(name.c_str())) tree_->RemoveAttribute(attribute, element);
}

}  // namespace platform
