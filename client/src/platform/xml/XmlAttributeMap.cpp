#include "platform/xml/XmlAttributeMap.h"

#include "automation/AutomationError.h"
#include "platform/xml/XmlAttribute.h"
#include "platform/xml/XmlDocument.h"
#include "platform/xml/XmlNode.h"

namespace platform {

using automation::DispatchPtr;

namespace {

DispatchPtr WrapAttribute(XmlNode& element, pugi::xml_attribute attribute) {
    if (!attribute) return nullptr;
    return element.Owner()->Wrap(element.Tree(), pugi::xpath_node(attribute, element.Node()));
}

}  // namespace

const automation::MemberTable<XmlAttributeMap>& XmlAttributeMap::Members() {
    static const automation::MemberTable<XmlAttributeMap> table = [] {
        automation::MemberTable<XmlAttributeMap> t;
        t.Property("length", &XmlAttributeMap::Length)
            .Property("Item", &XmlAttributeMap::Item)
            .Method("getNamedItem", &XmlAttributeMap::GetNamedItem)
            .Method("setNamedItem", &XmlAttributeMap::SetNamedItem)
            .Method("removeNamedItem", &XmlAttributeMap::RemoveNamedItem);
        return t;
    }();
    return table;
}

int32_t XmlAttributeMap::Length() const {
    int32_t count = 0;
    for ([[maybe_unused]] pugi::xml_attribute a : element_->Node().attributes()) ++count;
    return count;
}

DispatchPtr XmlAttributeMap::Item(int32_t index) {
    if (index < 0) return nullptr;
    for (pugi::xml_attribute a : element_->Node().attributes())
        if (index-- == 0) return WrapAttribute(*element_, a);
    return nullptr;
}

DispatchPtr XmlAttributeMap::GetNamedItem(const std::string& name) {
    return WrapAttribute(*element_, element_->Node().attribute(name.c_str()));
}

DispatchPtr XmlAttributeMap::SetNamedItem(const DispatchPtr& attribute) {
    auto moved = std::dynamic_pointer_cast<XmlAttribute>(attribute);
    if (!moved)
        throw automation::AutomationError(automation::errors::kTypeMismatch, "Only an attribute can be set as an attribute.");
    element_->Tree()->MoveAttribute(*moved->Tree(), moved->Attribute(), moved->Element(), element_->Node());
    return attribute;
}

DispatchPtr XmlAttributeMap::RemoveNamedItem(const std::string& name) {
    pugi::xml_attribute found = element_->Node().attribute(name.c_str());
    DispatchPtr removed = WrapAttribute(*element_, found);
    if (found) element_->Tree()->RemoveAttribute(found, element_->Node());
    return removed;
}

}  // namespace platform
