#pragma once
// The attributes of one element, by position (from 0) and by name.
#include <memory>

#include "automation/Dispatchable.h"

namespace platform {

class XmlNode;

class XmlAttributeMap : public automation::Dispatchable<XmlAttributeMap> {
public:
    static constexpr const char* kTypeName = "XmlAttributeMap";
    static const automation::MemberTable<XmlAttributeMap>& Members();

    explicit XmlAttributeMap(std::shared_ptr<XmlNode> element) : element_(std::move(element)) {}

    int32_t Length() const;
    // Nothing when there is no such attribute.
    automation::DispatchPtr Item(int32_t index);
    automation::DispatchPtr GetNamedItem(const std::string& name);
    // Adds the attribute object (from createAttribute or another element), replacing one of the same name.
    automation::DispatchPtr SetNamedItem(const automation::DispatchPtr& attribute);
    automation::DispatchPtr RemoveNamedItem(const std::string& name);

private:
    std::shared_ptr<XmlNode> element_;
};

}  // namespace platform
