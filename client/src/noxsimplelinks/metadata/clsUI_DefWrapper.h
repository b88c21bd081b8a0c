#pragma once
// Answers how object types are presented, from the UI-definitions document (ui_def.xml in the
// download folder, short format): attribute properties and flags, labels, groups, field lists, the
// field table of a grid request, and the conversion between the long and the short format. Lookups
// go through an index built at load time; an argument holding a quote is placed into the classic
// XPath query instead, so queries written by hosts keep working. Public operations report their
// failures ("clsUI_DefWrapper:" + operation) and answer empty.
#include <memory>
#include <string>
#include <vector>

#include <pugixml.hpp>

#include "automation/Dispatchable.h"
#include "noxsimplelinks/metadata/UiDefIndex.h"

namespace platform {
class DomAccess;
}

namespace noxsimplelinks {

class clsXmlWrapper;

class clsUI_DefWrapper : public automation::Dispatchable<clsUI_DefWrapper> {
public:
    using Variant = automation::Variant;
    using DispatchPtr = automation::DispatchPtr;
    static constexpr const char* kTypeName = "clsUI_DefWrapper";
    static const automation::MemberTable<clsUI_DefWrapper>& Members();

    // Loads DOWNLOAD_DIR + "ui_def.xml"; raises 0x800403E8 " Can not load file :" + path on failure.
    clsUI_DefWrapper();
    // The same for another file.
    explicit clsUI_DefWrapper(const std::string& path);
    ~clsUI_DefWrapper() override;
    static std::string DefaultPath();
    // Loads another file when the path is not blank; false (and the document kept) when it fails.
    bool Reload(const std::string& path);

    // Single values.
    std::string GetUIAttributeValue(const std::string& objectId, const std::string& attrId, const std::string& name);
    std::string GetUILinkAttributeValue(const std::string& baseObject, const std::string& linkType,
                                        const std::string& attrId, const std::string& name);
    std::string ReturnBooleanUIValue(const std::string& object, const std::string& attrKey,
                                     const std::string& uiAttribute, const std::string& baseClass);
    std::string getobjectGroupLabel(const std::string& object, const std::string& groupName);
    std::string GetObjectLabelByObjectType(const std::string& objectType);
    std::string GetLinkLabelByLinkType(const std::string& objectType, const std::string& linkType);
    bool IsVirtualObject(const std::string& objectType);
    bool isAttrViewable(const Variant&, const Variant&) { return false; }

    // Property collections (Nothing when the node does not exist).
    DispatchPtr GetAttributeValuesCol(const std::string& objectId, const std::string& attrId);
    DispatchPtr GetLinkAttributeValuesCol(const std::string& objectId, const std::string& linkType,
                                          const std::string& attrId);
    DispatchPtr GetAttributeValuesColForCustomization(const std::string& objectId, const std::string& attrId);
    DispatchPtr GetLinkAttributeValuesColForCustomization(const std::string& objectId, const std::string& linkType,
                                                          const std::string& attrId);
    DispatchPtr GetAttrGroupValuesCol(const std::string& objectType, const std::string& groupName);

    // Group arrays: one (ID, label, order) array per group; Empty without a GROUPS element.
    Variant GetAttributeGroupsAsArray(const std::string& objectId);
    Variant GetAttributeGroupsAsArrayForCustomization(const std::string& objectId);
    Variant GetLinkAttrGroupsAsArray(const std::string& objectId, const std::string& linkType);
    Variant GetLinkAttributeGroupsAsArray(const std::string& objectId, const std::string& linkType);

    // Field and object lists; Empty when nothing matches.
    Variant GetObjectFieldsAsArray(const std::string& objectType);
    Variant GetLinkFieldsAsArray(const std::string& baseObject, const std::string& linkType);
    Variant getObjectAttrsFilteredByUIAttr(const std::string& object, const std::string& uiAttribute);
    Variant getLinkAttrsFilteredByUIAttr(const std::string& baseObject, const std::string& linkType,
                                         const std::string& uiAttribute);
    Variant getObjectsForQM();
    Variant getSearchObjectsQM();
    void getObjectsForCustomization(Variant& visibleObjects, Variant& customizableObjects);
    Variant getObjectsListForCustomization(Variant& customizableObjects);
    void getLinksObjectsforCustomization(const std::string& objectId, Variant& visibleLinks, Variant& customizableLinks);
    Variant getObjectLinksForCustomization(const std::string& objectId, Variant& customizableLinks);
    Variant getObjectLinksForMOW(const std::string& objectId);
    Variant getObjectAttrsforQM(const std::string& objectId);
    bool linkIsValid(const std::string& objectId, const std::string& linkType);
    bool linkIsValidForQM(const std::string& objectId, const std::string& linkType);

    // Grid request support; nodeGrid is the grid-definition element (a node object).
    std::string getAttrNodeAsString(const Variant& node, const std::string& attrName);
    Variant getAttrNodeAsArray(const Variant& node, const std::string& attrName);
    Variant getFieldsForRequest(const Variant& nodeGrid);
    Variant getFieldsForQMRequest(const Variant& nodeGrid);
    Variant getRequestFields(const Variant& nodeGrid);

    // Flags and names.
    int16_t getFlagPosition(const std::string& name);
    std::string getFlagAttrValue(const std::string& value, const std::string& attrName);
    DispatchPtr getFlagsCollection();
    std::string getLongName(const std::string& name);
    std::string getShortName(const std::string& name);
    bool isFlag(const std::string& name);
    void addAttrToNode(const Variant& node, const std::string& attrName, const std::string& value);

    // Document access.
    std::string xmlString();
    void SetXmlString(const std::string& xml);
    bool ToShortFormat();
    bool ToLongFormat();
    // The XML wrapper holding the document; replacing it re-indexes.
    std::shared_ptr<clsXmlWrapper> XmlWrapper();
    void SetXmlWrapper(std::shared_ptr<clsXmlWrapper> wrapper);

private:
    bool Load(const std::string& path, bool fromText);
    // The index of the document, built on first use after a load.
    const UiDefIndex& Indexed();
    pugi::xml_node Root();
    // The classic query when an argument holds a quote (a host's XPath), else null and the index counts.
    static bool NeedsXPath(std::initializer_list<const std::string*> arguments);
    pugi::xml_node SelectFirst(const std::string& xpath);
    pugi::xml_node ObjectNode(const std::string& object);
    pugi::xml_node AttrNode(const std::string& object, const std::string& attr);
    pugi::xml_node LinkNode(const std::string& object, const std::string& link);
    pugi::xml_node LinkAttrNode(const std::string& object, const std::string& link, const std::string& attr);
    pugi::xml_node GroupsNode(const std::string& object, const std::string& link);
    std::vector<pugi::xml_node> AttrsOf(const std::string& object, const std::string& link);
    std::vector<pugi::xml_node> LinksOf(const std::string& object);
    const std::vector<pugi::xml_node>& AllObjects();
    std::vector<pugi::xml_node> SelectAll(const std::string& xpath);

    DispatchPtr ValuesCollection(pugi::xml_node attr, bool expandFlags);
    Variant GroupsArray(pugi::xml_node groups, bool shortNames);
    Variant FilteredAttrs(const std::string& object, const std::string& link, const std::string& uiAttribute,
                          bool linkRules);
    Variant FieldsForRequest(const Variant& nodeGrid, const std::string& requiredName);
    Variant RequestFields(const Variant& nodeGrid);
    void RequestFieldRow(automation::SafeArray& table, int32_t row, const std::string& id, const Variant& nodeGrid,
                         const std::string& baseObject, const std::vector<std::string>& related);
    bool HasPackedFlags();
    bool ToShort();
    bool ToLong();

    std::shared_ptr<clsXmlWrapper> xml_;
    DispatchPtr document_;                      // the document the definitions are read from
    std::shared_ptr<platform::DomAccess> dom_;  // its tree
    UiDefIndex index_;
    bool indexed_ = false;
};

}  // namespace noxsimplelinks
