#include "noxsimplelinks/metadata/clsUI_DefWrapper.h"

#include <algorithm>
#include <cctype>

#include "automation/Collection.h"
#include "noxsimplelinks/common/ReportedCall.h"
#include "noxsimplelinks/common/clsXmlWrapper.h"
#include "noxsimplelinks/env/modEnvironment.h"
#include "noxsimplelinks/metadata/UiDefNames.h"
#include "noxsimplelinks/metadata/UiDefValues.h"
#include "noxsimplelinks/common/Quietly.h"
#include "platform/xml/DomAccess.h"
#include "platform/xml/XmlDocument.h"
#include "platform/xml/XmlQuery.h"

namespace noxsimplelinks {

using automation::AutomationError;
using automation::DispatchPtr;
using automation::SafeArray;
using automation::Variant;
namespace names = UiDefNames;

namespace {

std::string Quoted(const std::string& value) { return "'" + value + "'"; }

bool AttributeIs(pugi::xml_node node, const char* name, std::string_view value) {
    return node.attribute(name).value() == value;
}

// A document of another make is read through its text into a document of this platform, which the
// definitions are then read from and converted in.
std::shared_ptr<platform::XmlDocument> CopyOf(const DispatchPtr& document) {
    auto copy = std::make_shared<platform::XmlDocument>();
    std::string error;
    if (!copy->LoadText(document->Get("xml").ToString(), error))
        throw AutomationError(automation::errors::kUserError,
                              "The UI definitions cannot be read from the XML component's document: " + error,
                              "clsUI_DefWrapper");
    return copy;
}

}  // namespace

const automation::MemberTable<clsUI_DefWrapper>& clsUI_DefWrapper::Members() {
    using W = clsUI_DefWrapper;
    static const automation::MemberTable<W> table = [] {
        automation::MemberTable<W> t;
        t.Method("GetUIAttributeValue", &W::GetUIAttributeValue)
            .Method("GetAttributeValuesCol", &W::GetAttributeValuesCol)
            .Method("GetLinkAttributeValuesCol", &W::GetLinkAttributeValuesCol)
            .Method("GetObjectFieldsAsArray", &W::GetObjectFieldsAsArray)
            .Method("GetLinkFieldsAsArray", &W::GetLinkFieldsAsArray)
            .Method("GetUILinkAttributeValue", &W::GetUILinkAttributeValue)
            .Method("ReturnBooleanUIValue", &W::ReturnBooleanUIValue)
            .Method("getFieldsForRequest", &W::getFieldsForRequest)
            .Method("getFieldsForQMRequest", &W::getFieldsForQMRequest)
            .Method("getAttrNodeAsArray", &W::getAttrNodeAsArray)
            .Method("getAttrNodeAsString", &W::getAttrNodeAsString)
            .Method("getRequestFields", &W::getRequestFields)
            .Method("GetObjectLabelByObjectType", &W::GetObjectLabelByObjectType)
            .Method("IsVirtualObject", &W::IsVirtualObject)
            .Method("getObjectsForCustomization", &W::getObjectsForCustomization)
            .Method("getLinksObjectsforCustomization", &W::getLinksObjectsforCustomization)
            .Property("xmlString", &W::xmlString, &W::SetXmlString)
            .Method("GetAttributeGroupsAsArray", &W::GetAttributeGroupsAsArray)
            .Method("GetLinkAttrGroupsAsArray", &W::GetLinkAttrGroupsAsArray)
            .Method("GetLinkAttributeGroupsAsArray", &W::GetLinkAttributeGroupsAsArray)
            .Method("getObjectsForQM", &W::getObjectsForQM)
            .Method("getObjectsListForCustomization", &W::getObjectsListForCustomization)
            .Method("getObjectLinksForCustomization", &W::getObjectLinksForCustomization)
            .Method("getObjectAttrsFilteredByUIAttr", &W::getObjectAttrsFilteredByUIAttr)
            .Method("GetLinkLabelByLinkType", &W::GetLinkLabelByLinkType)
            .Method("getobjectGroupLabel", &W::getobjectGroupLabel)
            .Method("isAttrViewable", &W::isAttrViewable)
            .Method("GetAttrGroupValuesCol", &W::GetAttrGroupValuesCol)
            .Method("getLongName", &W::getLongName)
            .Method("getFlagAttrValue", &W::getFlagAttrValue)
            .Method("getFlagsCollection", &W::getFlagsCollection)
            .Method("GetAttributeValuesColForCustomization", &W::GetAttributeValuesColForCustomization)
            .Method("GetLinkAttributeValuesColForCustomization", &W::GetLinkAttributeValuesColForCustomization)
            .Method("ToShortFormat", &W::ToShortFormat)
            .Method("ToLongFormat", &W::ToLongFormat)
            .Method("addAttrToNode", &W::addAttrToNode)
            .Method("getFlagPosition", &W::getFlagPosition)
            .Method("GetAttributeGroupsAsArrayForCustomization", &W::GetAttributeGroupsAsArrayForCustomization);
        return t;
    }();
    return table;
}

// --- loading ---

clsUI_DefWrapper::clsUI_DefWrapper() : clsUI_DefWrapper(DefaultPath()) {}

clsUI_DefWrapper::clsUI_DefWrapper(const std::string& path) : xml_(std::make_shared<clsXmlWrapper>()) {
    if (!Load(path, false))
        throw AutomationError(automation::errors::kUserError, " Can not load file :" + path, "clsUI_DefWrapper");
}

clsUI_DefWrapper::~clsUI_DefWrapper() = default;

std::string clsUI_DefWrapper::DefaultPath() { return modEnvironment::GetDirectory("DOWNLOAD_DIR") + "ui_def.xml"; }

bool clsUI_DefWrapper::Reload(const std::string& path) {
    if (path.find_first_not_of(" \t") == std::string::npos) return false;
    try {
        return Load(path, false);
    } catch (const std::exception&) {
        return false;
    }
}

bool clsUI_DefWrapper::Load(const std::string& source, bool fromText) {
    auto wrapper = std::make_shared<clsXmlWrapper>();
    std::string error;
    if (!(fromText ? wrapper->loadXmlString(source, error) : wrapper->loadXmlFile(source, error))) return false;
    SetXmlWrapper(std::move(wrapper));
    return true;
}

std::shared_ptr<clsXmlWrapper> clsUI_DefWrapper::XmlWrapper() { return xml_; }

void clsUI_DefWrapper::SetXmlWrapper(std::shared_ptr<clsXmlWrapper> wrapper) {
    DispatchPtr document = wrapper->getDocument();
    if (!document)
        throw AutomationError(automation::errors::kUserError, "The XML utility component holds no document",
                              "clsUI_DefWrapper");
    Quietly([&] { document->Call("setProperty", "SelectionLanguage", "XPath"); });
    auto dom = std::dynamic_pointer_cast<platform::DomAccess>(document);
    if (!dom) {
        auto copy = CopyOf(document);
        dom = copy;
        document = copy;
    }
    xml_ = std::move(wrapper);
    document_ = std::move(document);
    dom_ = std::move(dom);
    indexed_ = false;
    Indexed();
}

pugi::xml_node clsUI_DefWrapper::Root() { return dom_->Node(); }

const UiDefIndex& clsUI_DefWrapper::Indexed() {
    if (!indexed_) {
        index_.Build(dom_->Node());
        indexed_ = true;
    }
    return index_;
}

// --- finding nodes ---

bool clsUI_DefWrapper::NeedsXPath(std::initializer_list<const std::string*> arguments) {
    return std::any_of(arguments.begin(), arguments.end(),
                       [](const std::string* a) { return a->find('\'') != std::string::npos; });
}

pugi::xml_node clsUI_DefWrapper::SelectFirst(const std::string& xpath) {
    return platform::XmlQuery::SelectFirst(pugi::xpath_node(Root()), xpath).node();
}

std::vector<pugi::xml_node> clsUI_DefWrapper::SelectAll(const std::string& xpath) {
    std::vector<pugi::xml_node> nodes;
    for (const pugi::xpath_node& found : platform::XmlQuery::SelectAll(pugi::xpath_node(Root()), xpath))
        nodes.push_back(found.node());
    return nodes;
}

pugi::xml_node clsUI_DefWrapper::ObjectNode(const std::string& object) {
    if (NeedsXPath({&object})) return SelectFirst("//OBJ[@ID=" + Quoted(object) + "]");
    const UiDefIndex::Object* found = Indexed().Find(object);
    return found ? found->element : pugi::xml_node();
}

pugi::xml_node clsUI_DefWrapper::AttrNode(const std::string& object, const std::string& attr) {
    if (NeedsXPath({&object, &attr}))
        return SelectFirst("//OBJ[@ID=" + Quoted(object) + "]/ATTRS/ATTR[@ID=" + Quoted(attr) + "]");
    const UiDefIndex::Object* found = Indexed().Find(object);
    return found ? found->Attr(attr) : pugi::xml_node();
}

pugi::xml_node clsUI_DefWrapper::LinkNode(const std::string& object, const std::string& link) {
    if (NeedsXPath({&object, &link}))
        return SelectFirst("//OBJ[@ID=" + Quoted(object) + "]/LINKS/LINK_DEF[@ID = " + Quoted(link) + "]");
    const UiDefIndex::Entry* found = Indexed().FindLink(object, link);
    return found ? found->element : pugi::xml_node();
}

pugi::xml_node clsUI_DefWrapper::LinkAttrNode(const std::string& object, const std::string& link,
                                              const std::string& attr) {
    if (NeedsXPath({&object, &link, &attr}))
        return SelectFirst("//OBJ[@ID = " + Quoted(object) + "]/LINKS/LINK_DEF[@ID = " + Quoted(link) +
                           "]/ATTRS/ATTR[@ID=" + Quoted(attr) + "]");
    const UiDefIndex::Entry* found = Indexed().FindLink(object, link);
    return found ? found->Attr(attr) : pugi::xml_node();
}

pugi::xml_node clsUI_DefWrapper::GroupsNode(const std::string& object, const std::string& link) {
    if (NeedsXPath({&object, &link}))
        return SelectFirst("//OBJ[@ID = " + Quoted(object) + "]" +
                           (link.empty() ? "" : "/LINKS/LINK_DEF[@ID = " + Quoted(link) + "]") + "/GROUPS");
    const UiDefIndex::Entry* found = link.empty() ? Indexed().Find(object) : Indexed().FindLink(object, link);
    return found ? found->groups : pugi::xml_node();
}

std::vector<pugi::xml_node> clsUI_DefWrapper::AttrsOf(const std::string& object, const std::string& link) {
    if (NeedsXPath({&object, &link}))
        return SelectAll("//OBJ[@ID = " + Quoted(object) + "]" +
                         (link.empty() ? "" : "/LINKS/LINK_DEF[@ID = " + Quoted(link) + "]") + "/ATTRS/ATTR");
    const UiDefIndex::Entry* found = link.empty() ? Indexed().Find(object) : Indexed().FindLink(object, link);
    return found ? found->attrs : std::vector<pugi::xml_node>{};
}

const std::vector<pugi::xml_node>& clsUI_DefWrapper::AllObjects() {
    return Indexed().Objects();
}

std::vector<pugi::xml_node> clsUI_DefWrapper::LinksOf(const std::string& object) {
    if (NeedsXPath({&object})) return SelectAll("//OBJ[@ID=" + Quoted(object) + "]/LINKS/LINK_DEF");
    const UiDefIndex::Object* found = Indexed().Find(object);
    return found ? found->links : std::vector<pugi::xml_node>{};
}

// --- single values ---

std::string clsUI_DefWrapper::GetUIAttributeValue(const std::string& objectId, const std::string& attrId,
                                                  const std::string& name) {
    return ReportedCall<std::string>("clsUI_DefWrapper:GetUIAttributeValue",
                                     [&] { return UiDefValues::PropertyText(AttrNode(objectId, attrId), name); });
}

std::string clsUI_DefWrapper::GetUILinkAttributeValue(const std::string& baseObject, const std::string& linkType,
                                                      const std::string& attrId, const std::string& name) {
    return ReportedCall<std::string>("clsUI_DefWrapper:GetUILinkAttributeValue", [&] {
        return UiDefValues::PropertyText(LinkAttrNode(baseObject, linkType, attrId), name);
    });
}

std::string clsUI_DefWrapper::ReturnBooleanUIValue(const std::string& object, const std::string& attrKey,
                                                   const std::string& uiAttribute, const std::string& baseClass) {
    return ReportedCall<std::string>("clsUI_DefWrapper:ReturnBooleanUIValue", [&] {
        std::string value = object != baseClass ? GetUILinkAttributeValue(baseClass, object, attrKey, uiAttribute)
                                                : GetUIAttributeValue(object, attrKey, uiAttribute);
        return std::string(value == "1" ? "True" : "False");
    });
}

std::string clsUI_DefWrapper::getobjectGroupLabel(const std::string& object, const std::string& groupName) {
    return ReportedCall<std::string>("clsUI_DefWrapper:getobjectGroupLabel", [&] {
        pugi::xml_node owner = ObjectNode(object);
        if (!owner) return std::string();
        pugi::xpath_node found = platform::XmlQuery::SelectFirst(pugi::xpath_node(owner), "GROUPS/" + groupName);
        return UiDefValues::TextOf(found);
    });
}

std::string clsUI_DefWrapper::GetObjectLabelByObjectType(const std::string& objectType) {
    return ReportedCall<std::string>("clsUI_DefWrapper:GetObjectLabelByObjectType",
                                     [&] { return std::string(ObjectNode(objectType).attribute("UI_LABEL").value()); });
}

std::string clsUI_DefWrapper::GetLinkLabelByLinkType(const std::string& objectType, const std::string& linkType) {
    return ReportedCall<std::string>("clsUI_DefWrapper:GetLinkLabelByLinkType", [&] {
        return std::string(LinkNode(objectType, linkType).attribute("UI_LABEL").value());
    });
}

bool clsUI_DefWrapper::IsVirtualObject(const std::string& objectType) {
    return ReportedCall<bool>("clsUI_DefWrapper:IsVirtualObject", [&] {
        pugi::xml_attribute virtualFlag = ObjectNode(objectType).attribute("VIRT_OBJECT");
        return virtualFlag && Variant(std::string(virtualFlag.value())).ToBool();
    });
}

// --- collections ---

DispatchPtr clsUI_DefWrapper::ValuesCollection(pugi::xml_node attr, bool expandFlags) {
    if (!attr) return nullptr;
    auto values = std::make_shared<automation::Collection>();
    auto add = [&](const std::string& key, std::string item) {
        if (!values->Contains(key)) values->Add(Variant(std::move(item)), Variant(key));
    };
    for (pugi::xml_attribute a : attr.attributes()) add(expandFlags ? names::LongName(a.name()) : a.name(), a.value());
    if (expandFlags) {
        std::string flags = attr.attribute(names::kFlagsAttribute).value();
        for (const char* flag : names::kFlags) add(flag, names::FlagCharacter(flags, flag));
    }
    return values;
}

DispatchPtr clsUI_DefWrapper::GetAttributeValuesCol(const std::string& objectId, const std::string& attrId) {
    return ReportedCall<DispatchPtr>("clsUI_DefWrapper:GetAttributeValuesCol",
                                     [&] { return ValuesCollection(AttrNode(objectId, attrId), true); });
}

DispatchPtr clsUI_DefWrapper::GetLinkAttributeValuesCol(const std::string& objectId, const std::string& linkType,
                                                        const std::string& attrId) {
    return ReportedCall<DispatchPtr>("clsUI_DefWrapper:GetLinkAttributeValuesCol",
                                     [&] { return ValuesCollection(LinkAttrNode(objectId, linkType, attrId), true); });
}

DispatchPtr clsUI_DefWrapper::GetAttributeValuesColForCustomization(const std::string& objectId,
                                                                    const std::string& attrId) {
    return ReportedCall<DispatchPtr>("clsUI_DefWrapper:GetAttributeValuesColForCustomization",
                                     [&] { return ValuesCollection(AttrNode(objectId, attrId), false); });
}

DispatchPtr clsUI_DefWrapper::GetLinkAttributeValuesColForCustomization(const std::string& objectId,
                                                                        const std::string& linkType,
                                                                        const std::string& attrId) {
    return ReportedCall<DispatchPtr>("clsUI_DefWrapper:GetLinkAttributeValuesColForCustomization",
                                     [&] { return ValuesCollection(LinkAttrNode(objectId, linkType, attrId), false); });
}

DispatchPtr clsUI_DefWrapper::GetAttrGroupValuesCol(const std::string& objectType, const std::string& groupName) {
    return ReportedCall<DispatchPtr>("clsUI_DefWrapper:GetAttrGroupValuesCol", [&]() -> DispatchPtr {
        pugi::xml_node group = GroupsNode(objectType, "").find_child_by_attribute("GROUP", "ID", groupName.c_str());
        if (!group) return nullptr;
        auto values = std::make_shared<automation::Collection>();
        values->Add(Variant(std::string(group.attribute("UI_L").value())), Variant("UI_LABEL"));
        values->Add(Variant(std::string(group.attribute("UI_O").value())), Variant("UI_ORDER"));
        return values;
    });
}

DispatchPtr clsUI_DefWrapper::getFlagsCollection() {
    auto flags = std::make_shared<automation::Collection>();
    for (const char* flag : names::kFlags) flags->Add(Variant(flag));
    return flags;
}

// --- group arrays ---

Variant clsUI_DefWrapper::GroupsArray(pugi::xml_node groups, bool shortNames) {
    if (!groups) return Variant();
    std::vector<Variant> rows;
    const char* label = shortNames ? "UI_L" : "UI_LABEL";
    const char* order = shortNames ? "UI_O" : "UI_ORDER";
    for (pugi::xml_node group : groups.children())
        if (group.type() == pugi::node_element)
            rows.emplace_back(SafeArray::Of({Variant(std::string(group.attribute("ID").value())),
                                             Variant(std::string(group.attribute(label).value())),
                                             Variant(std::string(group.attribute(order).value()))}));
    return Variant(SafeArray::Of(std::move(rows)));
}

Variant clsUI_DefWrapper::GetAttributeGroupsAsArray(const std::string& objectId) {
    return ReportedCall<Variant>("clsUI_DefWrapper:GetAttributeGroupsAsArray",
                                 [&] { return GroupsArray(GroupsNode(objectId, ""), true); });
}

Variant clsUI_DefWrapper::GetAttributeGroupsAsArrayForCustomization(const std::string& objectId) {
    return ReportedCall<Variant>("clsUI_DefWrapper:GetAttributeGroupsAsArrayForCustomization",
                                 [&] { return GroupsArray(GroupsNode(objectId, ""), false); });
}

Variant clsUI_DefWrapper::GetLinkAttrGroupsAsArray(const std::string& objectId, const std::string& linkType) {
    return ReportedCall<Variant>("clsUI_DefWrapper:GetLinkAttrGroupsAsArray",
                                 [&] { return GroupsArray(GroupsNode(objectId, linkType), true); });
}

Variant clsUI_DefWrapper::GetLinkAttributeGroupsAsArray(const std::string& objectId, const std::string& linkType) {
    return ReportedCall<Variant>("clsUI_DefWrapper:GetLinkAttributeGroupsAsArray",
                                 [&] { return GroupsArray(GroupsNode(objectId, linkType), false); });
}

// --- field and object lists ---

Variant clsUI_DefWrapper::GetObjectFieldsAsArray(const std::string& objectType) {
    return ReportedCall<Variant>("clsUI_DefWrapper:GetObjectFieldsAsArray",
                                 [&] { return xml_->getNodeAsArray("//OBJ[@ID = " + Quoted(objectType) + "]/ATTRS"); });
}

Variant clsUI_DefWrapper::GetLinkFieldsAsArray(const std::string& baseObject, const std::string& linkType) {
    return ReportedCall<Variant>("clsUI_DefWrapper:GetLinkFieldsAsArray", [&] {
        return xml_->getNodeAsArray("//OBJ[@ID = " + Quoted(baseObject) + "]/LINKS/LINK_DEF[@ID = " +
                                    Quoted(linkType) + "]/ATTRS");
    });
}

Variant clsUI_DefWrapper::FilteredAttrs(const std::string& object, const std::string& link,
                                        const std::string& uiAttribute, bool linkRules) {
    std::string name = UiDefValues::Upper(uiAttribute);
    std::string shortName = names::ShortName(name);
    std::vector<std::string> ids;
    for (pugi::xml_node attr : AttrsOf(object, link)) {
        bool selected = names::IsFlag(name) ? UiDefValues::FlagSet(attr, name)
                        : linkRules         ? static_cast<bool>(attr.attribute(shortName.c_str()))
                                            : static_cast<bool>(attr.child(shortName.c_str()));
        if (selected && attr.attribute("ID")) ids.emplace_back(attr.attribute("ID").value());
    }
    return UiDefValues::ListOrEmpty(ids);
}

Variant clsUI_DefWrapper::getObjectAttrsFilteredByUIAttr(const std::string& object, const std::string& uiAttribute) {
    return ReportedCall<Variant>("clsUI_DefWrapper:getObjectAttrsFilteredByUIAttr",
                                 [&] { return FilteredAttrs(object, "", uiAttribute, false); });
}

Variant clsUI_DefWrapper::getLinkAttrsFilteredByUIAttr(const std::string& baseObject, const std::string& linkType,
                                                       const std::string& uiAttribute) {
    return ReportedCall<Variant>("clsUI_DefWrapper:getLinkAttrsFilteredByUIAttr",
                                 [&] { return FilteredAttrs(baseObject, linkType, uiAttribute, true); });
}

Variant clsUI_DefWrapper::getObjectsForQM() {
    return ReportedCall<Variant>("clsUI_DefWrapper:getObjectsForQM", [&] {
        return UiDefValues::IdsWhere(AllObjects(), [](pugi::xml_node n) { return AttributeIs(n, "UI_QM_VISIBLE", "1"); });
    });
}

Variant clsUI_DefWrapper::getSearchObjectsQM() {
    return ReportedCall<Variant>("clsUI_DefWrapper:getSearchObjectsQM", [&] {
        return UiDefValues::IdsWhere(AllObjects(),
                                     [](pugi::xml_node n) { return AttributeIs(n, "UI_QM_SEARCH_OBJ", "1"); });
    });
}

void clsUI_DefWrapper::getObjectsForCustomization(Variant& visibleObjects, Variant& customizableObjects) {
    ReportedCall<bool>("clsUI_DefWrapper:getObjectsForCustomization", [&] {
        const auto& objects = AllObjects();
        visibleObjects = UiDefValues::PairsWhere(objects, [](pugi::xml_node n) { return AttributeIs(n, "UI_VISIBLE", "1"); },
                                                 UiDefValues::ShortLabel);
        customizableObjects = UiDefValues::IdsWhere(
            objects, [](pugi::xml_node n) { return UiDefValues::FlagSet(n, "UI_CUSTOMIZATION_VISIBLE"); });
        return true;
    });
}

Variant clsUI_DefWrapper::getObjectsListForCustomization(Variant& customizableObjects) {
    return ReportedCall<Variant>("clsUI_DefWrapper:getObjectsListForCustomization", [&] {
        customizableObjects = UiDefValues::PairsWhere(
            AllObjects(), [](pugi::xml_node n) { return AttributeIs(n, "UI_CUSTOMIZATION_VISIBLE", "1"); },
            UiDefValues::LongLabel);
        return customizableObjects;
    });
}

void clsUI_DefWrapper::getLinksObjectsforCustomization(const std::string& objectId, Variant& visibleLinks,
                                                       Variant& customizableLinks) {
    ReportedCall<bool>("clsUI_DefWrapper:getLinksObjectsforCustomization", [&] {
        std::vector<pugi::xml_node> links = LinksOf(objectId);
        visibleLinks = UiDefValues::PairsWhere(links, [](pugi::xml_node n) { return UiDefValues::FlagSet(n, "UI_VISIBLE"); },
                                               UiDefValues::ShortLabel);
        customizableLinks = UiDefValues::IdsWhere(
            links, [](pugi::xml_node n) { return UiDefValues::FlagSet(n, "UI_CUSTOMIZATION_VISIBLE"); });
        return true;
    });
}

Variant clsUI_DefWrapper::getObjectLinksForCustomization(const std::string& objectId, Variant& customizableLinks) {
    return ReportedCall<Variant>("clsUI_DefWrapper:getObjectLinksForCustomization", [&] {
        customizableLinks = UiDefValues::PairsWhere(
            LinksOf(objectId), [](pugi::xml_node n) { return AttributeIs(n, "UI_CUSTOMIZATION_VISIBLE", "1"); },
            UiDefValues::LongLabel);
        return customizableLinks;
    });
}

Variant clsUI_DefWrapper::getObjectLinksForMOW(const std::string& objectId) {
    return ReportedCall<Variant>("clsUI_DefWrapper:getObjectLinksForMOW", [&] {
        return UiDefValues::PairsWhere(LinksOf(objectId),
                                       [](pugi::xml_node n) { return AttributeIs(n, "UI_MOW_VISIBLE", "1"); },
                                       UiDefValues::LongLabel);
    });
}

Variant clsUI_DefWrapper::getObjectAttrsforQM(const std::string& objectId) {
    return ReportedCall<Variant>("clsUI_DefWrapper:getObjectAttrsforQM", [&] {
        std::vector<std::pair<std::string, std::string>> rows{{"LINK_EXISTANCE", "LBL_LINK_EXISTANCE"}};
        for (pugi::xml_node attr : AttrsOf(objectId, ""))
            if (UiDefValues::FlagSet(attr, "UI_QM_VISIBLE"))
                rows.emplace_back(attr.attribute("ID").value(), UiDefValues::ShortLabel(attr));
        return UiDefValues::PairsOrEmpty(rows);
    });
}

bool clsUI_DefWrapper::linkIsValid(const std::string& objectId, const std::string& linkType) {
    return ReportedCall<bool>("clsUI_DefWrapper:linkIsValid",
                              [&] { return static_cast<bool>(LinkNode(objectId, linkType)); });
}

bool clsUI_DefWrapper::linkIsValidForQM(const std::string& objectId, const std::string& linkType) {
    return ReportedCall<bool>("clsUI_DefWrapper:linkIsValidForQM",
                              [&] { return AttributeIs(LinkNode(objectId, linkType), "UI_QM_VISIBLE", "1"); });
}

// --- names ---

int16_t clsUI_DefWrapper::getFlagPosition(const std::string& name) { return names::FlagPosition(name); }

std::string clsUI_DefWrapper::getFlagAttrValue(const std::string& value, const std::string& attrName) {
    return names::FlagCharacter(value, attrName);
}

std::string clsUI_DefWrapper::getLongName(const std::string& name) { return names::LongName(name); }

std::string clsUI_DefWrapper::getShortName(const std::string& name) { return names::ShortPredicate(name); }

bool clsUI_DefWrapper::isFlag(const std::string& name) { return names::IsFlag(name); }

}  // namespace noxsimplelinks
