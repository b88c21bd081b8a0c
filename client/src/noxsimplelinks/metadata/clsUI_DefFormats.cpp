// clsUI_DefWrapper: the document as text, and its conversion between the long format (one attribute
// per property and per flag) and the short format (short property names, the flags in UI_FLAGS).
#include "automation/Dispatch.h"
#include "noxsimplelinks/common/ModGeneral.h"
#include "noxsimplelinks/common/ReportedCall.h"
#include "noxsimplelinks/common/clsXmlWrapper.h"
#include "noxsimplelinks/metadata/UiDefNames.h"
#include "noxsimplelinks/metadata/UiDefValues.h"
#include "noxsimplelinks/metadata/clsUI_DefWrapper.h"
#include "platform/xml/DomAccess.h"
#include "platform/xml/XmlTree.h"
#include "platform/xml/XmlQuery.h"

namespace noxsimplelinks {

using automation::Variant;
namespace names = UiDefNames;

namespace {

// Renames every attribute of the element by the rule, in place; an attribute already holding the new
// name gives way.
template <class Rule>
void RenameAttributes(platform::XmlTree& tree, pugi::xml_node element, Rule rule) {
    for (pugi::xml_attribute a = element.first_attribute(); a; a = a.next_attribute()) {
        std::string renamed = rule(a.name());
        if (renamed == a.name()) continue;
        if (pugi::xml_attribute taken = element.attribute(renamed.c_str())) tree.RemoveAttribute(taken, element);
        a.set_name(renamed.c_str());
    }
}

// Runs a conversion with the hourglass showing.
template <class F>
bool WithHourglass(F&& conversion) {
    ModGeneral::SetMousePointer(Variant(int32_t{ModGeneral::kPointerHourglass}));
    struct Restore {
        ~Restore() { ModGeneral::SetMousePointer(Variant(int32_t{ModGeneral::kPointerDefault})); }
    } restore;
    return conversion();
}

}  // namespace

std::string clsUI_DefWrapper::xmlString() {
    return ReportedCall<std::string>("clsUI_DefWrapper:xmlString", [&] { return document_->Get("xml").ToString(); });
}

void clsUI_DefWrapper::SetXmlString(const std::string& xml) {
    ReportedCall<bool>("clsUI_DefWrapper:xmlString", [&] {
        if (!Load(xml, true))
            throw automation::AutomationError(automation::errors::kUserError,
                                              "The text is not a UI-definitions document; the document is kept");
        return true;
    });
}

bool clsUI_DefWrapper::ToShortFormat() {
    return ReportedCall<bool>("clsUI_DefWrapper:ToShortFormat", [&] { return WithHourglass([&] { return ToShort(); }); });
}

bool clsUI_DefWrapper::ToLongFormat() {
    return ReportedCall<bool>("clsUI_DefWrapper:ToLongFormat", [&] { return WithHourglass([&] { return ToLong(); }); });
}

bool clsUI_DefWrapper::HasPackedFlags() {
    return static_cast<bool>(platform::XmlQuery::SelectFirst(pugi::xpath_node(Root()), "//ATTR/@UI_FLAGS"));
}

bool clsUI_DefWrapper::ToShort() {
    if (HasPackedFlags()) return true;
    platform::XmlTree& tree = *dom_->Tree();
    for (pugi::xml_node attr : SelectAll("//ATTR")) {
        std::string flags;
        for (const char* flag : names::kFlags) {
            pugi::xml_attribute value = attr.attribute(flag);
            std::string text = value ? UiDefValues::Trimmed(value.value()) : std::string();
            flags += text.empty() ? '0' : text.front();
            if (value) tree.RemoveAttribute(value, attr);
        }
        attr.append_attribute(names::kFlagsAttribute).set_value(flags.c_str());
        RenameAttributes(tree, attr, names::ShortName);
    }
    for (pugi::xml_node group : SelectAll("//GROUP")) RenameAttributes(tree, group, names::ShortName);
    return true;
}

bool clsUI_DefWrapper::ToLong() {
    if (!HasPackedFlags()) return true;
    platform::XmlTree& tree = *dom_->Tree();
    for (pugi::xml_node attr : SelectAll("//ATTR")) {
        RenameAttributes(tree, attr, names::LongName);
        pugi::xml_attribute packed = attr.attribute(names::kFlagsAttribute);
        if (!packed) continue;
        std::string flags = packed.value();
        for (const char* flag : names::kFlags) {
            std::string character = names::FlagCharacter(flags, flag);
            pugi::xml_attribute target = attr.attribute(flag);
            if (!target) target = attr.append_attribute(flag);
            target.set_value(character.empty() ? "0" : character.c_str());
        }
        tree.RemoveAttribute(attr.attribute(names::kFlagsAttribute), attr);
    }
    for (pugi::xml_node group : SelectAll("//GROUP")) RenameAttributes(tree, group, names::LongName);
    return true;
}

void clsUI_DefWrapper::addAttrToNode(const Variant& node, const std::string& attrName, const std::string& value) {
    ReportedCall<bool>("clsUI_DefWrapper:addAttrToNode", [&] {
        automation::Arguments none;
        Variant owner = automation::InvokeOn(node, "ownerDocument", automation::InvokeKind::PropertyGet, none);
        Variant attribute = automation::CallOn(owner, "createAttribute", attrName);
        attribute.ToObject()->Let("Value", Variant(value));
        Variant attributes = automation::InvokeOn(node, "Attributes", automation::InvokeKind::PropertyGet, none);
        automation::CallOn(attributes, "setNamedItem", attribute);
        if (attrName == "ID") indexed_ = false;
        return true;
    });
}

}  // namespace noxsimplelinks
