#pragma once
// An attribute of an element, as a node object: its name and its value. The object follows its
// attribute when the attribute is moved or removed.
#include <memory>
#include <string>

#include "automation/Dispatchable.h"
#include "platform/xml/XmlTree.h"

namespace platform {

class XmlDocument;

class XmlAttribute : public automation::Dispatchable<XmlAttribute>, public XmlTree::Member {
public:
    static constexpr const char* kTypeName = "XmlAttribute";
    static const automation::MemberTable<XmlAttribute>& Members();

    XmlAttribute(std::shared_ptr<XmlDocument> owner, std::shared_ptr<XmlTree> tree, pugi::xml_node element,
                 pugi::xml_attribute attribute);
    ~XmlAttribute() override;

    std::string Value() const { return attribute_.value(); }
    void SetValue(const std::string& value);
    std::string Name() const { return attribute_.name(); }
    std::string BaseName() const;
    std::string Prefix() const;
    std::string Xml() const;
    automation::DispatchPtr OwnerDocument() const;

    pugi::xml_attribute Attribute() const { return attribute_; }
    pugi::xml_node Element() const { return element_; }
    const std::shared_ptr<XmlTree>& Tree() const { return tree_; }

    void MoveTo(std::shared_ptr<XmlTree> tree, pugi::xml_node node, pugi::xml_attribute attribute) override;
    automation::DispatchPtr Object() override { return weak_from_this().lock(); }

private:
    std::shared_ptr<XmlDocument> owner_;
    std::shared_ptr<XmlTree> tree_;
    pugi::xml_node element_;
    pugi::xml_attribute attribute_;
};

}  // namespace platform
