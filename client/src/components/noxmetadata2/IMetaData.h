#pragma once
// The metadata component "noxmetadata2.IMetaData": answers questions about object types, their
// keys and attributes, the links between types, value lists, categories and preferences from the
// object-definitions file (docs/formats.md, "Object-definitions file"). Names compare without
// regard to case; something the file does not define gets an empty answer (Empty, "", false or an
// empty collection); operations whose data the file does not hold raise 0x80040501.
#include <memory>
#include <optional>
#include <string>

#include "automation/Collection.h"
#include "automation/Dispatchable.h"
#include "objdefs/ObjectDefinitions.h"

namespace components {

class IMetaData : public automation::Dispatchable<IMetaData> {
public:
    static constexpr const char* kTypeName = "IMetaData";
    static const automation::MemberTable<IMetaData>& Members();
    static constexpr const char* kFileVariable = "NOX_OBJDEFS_FILE";
    static constexpr const char* kFileName = "objdefs.xml";

    // NOX_OBJDEFS_FILE when set, else objdefs.xml in the download folder.
    static std::string DefaultFile();

    using Variant = automation::Variant;
    using CollectionPtr = std::shared_ptr<automation::Collection>;

    // Loading. The default file is read on first use; a file read once is shared by every instance
    // until it changes on disk.
    void Load();
    bool LoadMetaData(const std::string& strPathPdmMetaData);
    std::string Version();
    bool ifExist();
    bool ifPrefExist();
    bool ifUi_DefExist();
    bool ifDefualtsExist();

    // Types and their attributes. Arrays are 0-based; a list of names is one-dimensional.
    Variant getObjectKeys(const std::string& strobject);
    Variant getObjects();
    Variant getObjectFields(const std::string& strobject);
    Variant getObjectFieldsIncludeVirtual(const std::string& strobject);
    Variant getObjectAttr(const std::string& strobject);
    bool ObjectAttrExist(const std::string& strobject, const std::string& strAttribute);
    Variant getAttrProperties(const std::string& strobject);
    Variant getObjectAttrProperties(const std::string& strobject, const std::string& strAttr);
    std::string getObjectAttrType(const std::string& strobject, const std::string& strAttr);
    bool IsPdmObject(const std::string& strobject);
    std::string GetGridMetadata(const std::string& strobject);
    std::string GetDataOfAttributes(const Variant& strobject, std::string& strRetval);
    Variant GetObjectDefaultValues(const std::string& strobject);
    Variant getDataAsArray(const std::string& XpathPdmMetaData);

    // Links.
    Variant getLinkBetween2Obj(const std::string& strobject, const std::string& strLinkedobject,
                               const std::string& strLinkedType);
    void getLinkTableBetween2Obj(const std::string& strobject, const std::string& strLinkedobject,
                                 const std::string& strPSType, std::string& strLinkedTable, Variant& strLinkedType1,
                                 Variant& strLinkedType2);
    Variant getLinkedObjects();
    Variant getObjectLinks(const std::string& strobject);
    CollectionPtr getLinkAttrs(const std::string& strobject, const std::string& strLink);
    bool LinkAttrExist(const std::string& strobject, const Variant& strLink, const std::string& strAttribute);
    Variant getLinkObjectAttrProperties(const std::string& strobject, const std::string& strLink,
                                        const std::string& strAttr);
    std::string getLinkLabel(const std::string& strobject, const std::string& strLink);
    std::string getLinkReferentLabel(const std::string& strobject, const std::string& strLink,
                                     const std::string& strReferent);
    std::string getLinkObjectFromLink(const std::string& strobject, const std::string& strLink);
    Variant getObjectLinkKeys(const std::string& strobject, const std::string& strLink,
                              const std::string& strLinkObject);
    CollectionPtr getReferentAttrs(const std::string& strReferentObject);

    // Tables and columns of the server.
    std::string GetLinkObjectFromTable(const std::string& strParentObject, const std::string& strLinkTable,
                                       const std::string& strLinkingType);
    Variant getObjectFieldsFromTable(const std::string& strobject, const std::string& strAttribute);
    std::string GetLinkTitle(const std::string& strTable, const std::string& strLinkTable);
    std::string GetZerakField(const std::string& strTable, const std::string& strField, std::optional<bool> bZerakTable);
    std::string GetZerakObject(const std::string& strTable);

    // Value lists, categories, preferences.
    Variant getUdtypeList(const std::string& strAttribute);
    std::string getUdTypeDesc(const std::string& strAttr);
    std::string getUdTypeValueByDesc(const std::string& strAttributeName, const std::string& strDescription);
    Variant getCategories();
    std::string getCategoryAtrrs(const std::string& strCategory);
    std::string getCategoryAttr(const std::string& strCategory, const Variant& attribute, const std::string& strProperty);
    Variant getPreferencesAsArray();
    bool getPrefByNameAndValue(const std::string& strPrefName, const std::string& strPrefValue);
    std::string getPrefValueByName(const std::string& strPrefName);

    // Not held by the file: each raises 0x80040501 naming the operation.
    [[noreturn]] void NotAvailable(const std::string& operation, const std::string& why);

private:
    const objdefs::ObjectDefinitions& Definitions();
    const objdefs::AttributeDef* ResolveAttribute(const std::string& fullName);
    const objdefs::ValueList* ValueListOf(const std::string& attributeOrList);

    std::shared_ptr<const objdefs::ObjectDefinitions> definitions_;
};

}  // namespace components
