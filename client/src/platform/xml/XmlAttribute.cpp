#include "platform/xml/XmlAttribute.h"

#include "platform/xml/XmlDocument.h"
#include "platform/xml/XmlNodeInfo.h"

namespace platform {

using automation::DispatchPtr;
using automation::Variant;

const automation::MemberTable<XmlAttribute>& XmlAttribute::Members() {
    static const automation::MemberTable<XmlAttribute> table = [] {
        automation::MemberTable<XmlAttribute> t;
        t.Property("Value", &XmlAttribute::Value, &XmlAttribute::SetValue)
            .Property("nodeValue", &XmlAttribute::Value, &XmlAttribute::SetValue)
            .Property("Text", &XmlAttribute::Value, &XmlAttribute::SetValue)
            .Property("name", &XmlAttribute::Name)
            .Property("nodeName", &XmlAttribute::Name)
            .Property("baseName", &XmlAttribute::BaseName)
            .Property("prefix", &XmlAttribute::Prefix)
            .Property("nodeType", [](XmlAttribute&) { return Variant(int32_t{kXmlAttribute}); })
            .Property("xml", &XmlAttribute::Xml)
            .Property("ownerDocument", &XmlAttribute::OwnerDocument)
            .Property("parentNode", [](XmlAttribute&) { return Variant::Nothing(); });
        return t;
    }();
    return table;
}

XmlAttribute::XmlAttribute(std::shared_ptr<XmlDocument> owner, std::shared_ptr<XmlTree> tree, pugi::xml_node element,
                           pugi::xml_attribute attribute)
    : owner_(std::move(owner)), tree_(std::move(tree)), element_(element), attribute_(attribute) {
    tree_->Track(attribute_.internal_object(), this);
}

XmlAttribute::~XmlAttribute() { tree_->Untrack(attribute_.internal_object(), this); }

void XmlAttribute::SetValue(const std::string& value) { attribute_.set_value(value.c_str()); }

std::string XmlAttribute::BaseName() const { return std::string(LocalName(attribute_.name())); }

std::string XmlAttribute::Prefix() const { return std::string(PrefixOf(attribute_.name())); }

std::string XmlAttribute::Xml() const { return MarkupOf(attribute_); }

DispatchPtr XmlAttribute::OwnerDocument() const { return owner_; }

void XmlAttribute::MoveTo(std::shared_ptr<XmlTree> tree, pugi::xml_node node, pugi::xml_attribute attribute) {
    tree_ = std::move(tree);
    element_ = node;
    attribute_ = attribute;
    tree_->Track(attribute_.internal_object(), this);
}

}  // namespace platform
