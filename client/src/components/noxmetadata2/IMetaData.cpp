#include "components/noxmetadata2/IMetaData.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <mutex>
#include <pugixml.hpp>
#include <sstream>

#include "automation/SafeArray.h"
#include "objdefs/ObjectDefinitionsReader.h"
#include "platform/Environment.h"
#include "platform/ProductFolders.h"

namespace components {

namespace {

using automation::AutomationError;
using automation::Bounds;
using automation::SafeArray;
using automation::Variant;
using objdefs::AttributeDef;
using objdefs::LinkDef;
using objdefs::ObjectDefinitions;
using objdefs::SameText;

constexpr int32_t kNotAvailable = static_cast<int32_t>(0x80040501u);
constexpr int32_t kCannotLoad = static_cast<int32_t>(0x80040502u);
constexpr int32_t kBadQuery = static_cast<int32_t>(0x80040503u);

// The columns of an attribute's properties, in the order of the arrays this component returns.
const char* const kPropertyNames[] = {"NAME", "TYPE", "LABEL", "KEY", "VIRTUAL", "LENGTH", "VALUE_LIST", "DEFAULT", "COLUMN"};
constexpr int32_t kPropertyCount = sizeof(kPropertyNames) / sizeof(kPropertyNames[0]);

std::vector<Variant> PropertiesOf(const AttributeDef& a) {
    return {Variant(a.name),          Variant(objdefs::DataTypeName(a.type)), Variant(a.label),
            Variant(a.keyOrder),      Variant(a.isVirtual),                   Variant(a.length),
            Variant(a.valueList),     Variant(a.defaultValue),                Variant(a.column)};
}

Variant Names(const std::vector<std::string>& names) {
    return Variant(SafeArray::Of(std::vector<Variant>(names.begin(), names.end())));
}

// A 0-based table, one row per record, from rows of equal width.
Variant Table(const std::vector<std::vector<Variant>>& rows, int32_t columns) {
    SafeArray table(Bounds{0, static_cast<int32_t>(rows.size()) - 1}, Bounds{0, columns - 1});
    for (size_t r = 0; r < rows.size(); ++r)
        for (int32_t c = 0; c < columns; ++c) table.At(static_cast<int32_t>(r), c) = rows[r][c];
    return Variant(std::move(table));
}

Variant PropertyTable(const std::vector<AttributeDef>& attributes) {
    std::vector<std::vector<Variant>> rows;
    for (const AttributeDef& a : attributes) rows.push_back(PropertiesOf(a));
    return Table(rows, kPropertyCount);
}

std::shared_ptr<automation::Collection> NameCollection(const std::vector<AttributeDef>& attributes) {
    auto collection = std::make_shared<automation::Collection>();
    for (const AttributeDef& a : attributes) collection->Add(Variant(a.name), Variant(a.name));
    return collection;
}

// The label of a link as the given type sees it.
std::string LabelSeenFrom(const LinkDef& link, const std::string& type) {
    return SameText(link.from, type) ? link.label : link.reverseLabel;
}

// Definitions read once per file and version on disk, shared by every instance.
std::shared_ptr<const ObjectDefinitions> Read(const std::string& path) {
    static std::mutex mutex;
    static std::map<std::string, std::pair<std::filesystem::file_time_type, std::shared_ptr<const ObjectDefinitions>>> cache;
    std::error_code error;
    auto stamp = std::filesystem::last_write_time(path, error);
    std::lock_guard lock(mutex);
    auto it = cache.find(path);
    if (!error && it != cache.end() && it->second.first == stamp) return it->second.second;
    auto definitions = objdefs::ObjectDefinitionsReader::ReadFile(path);
    cache[path] = {stamp, definitions};
    return definitions;
}

}  // namespace

std::string IMetaData::DefaultFile() {
    std::string path = platform::Environment::Get(kFileVariable);
    if (!path.empty()) return path;
    return platform::ProductFolders::Directory("DOWNLOAD_DIR") + kFileName;
}

const automation::MemberTable<IMetaData>& IMetaData::Members() {
    static const automation::MemberTable<IMetaData> table = [] {
        using Self = IMetaData;
        automation::MemberTable<IMetaData> t;
        auto unavailable = [](const char* name, const char* why) {
            return [name, why](Self& self, automation::Arguments&) -> Variant { self.NotAvailable(name, why); };
        };
        const char* noDependencies = "the object-definitions file holds no attribute dependencies";
        const char* noServer = "the object definitions are read from a file, not fetched from a server";
        t.Method("DepTypeExists", unavailable("DepTypeExists", noDependencies))
            .Method("GetDependParams", unavailable("GetDependParams", noDependencies))
            .Method("GetDependListByCondition", unavailable("GetDependListByCondition", noDependencies))
            .Method("getUdTListByDependentAttr", unavailable("getUdTListByDependentAttr", noDependencies))
            .Method("getAttrDependencies", unavailable("getAttrDependencies", noDependencies))
            .Method("getObjDefFromServer", unavailable("getObjDefFromServer", noServer))
            .Method("getPrefFromServer", unavailable("getPrefFromServer", noServer))
            .Property("Version", &Self::Version)
            .Method("Load", &Self::Load)
            .Method("LoadMetaData", &Self::LoadMetaData)
            .Method("ifExist", &Self::ifExist)
            .Method("ifPrefExist", &Self::ifPrefExist)
            .Method("ifUi_DefExist", &Self::ifUi_DefExist)
            .Method("ifDefualtsExist", &Self::ifDefualtsExist)
            .Method("getObjectKeys", &Self::getObjectKeys)
            .Method("getObjects", &Self::getObjects)
            .Method("getObjectFields", &Self::getObjectFields)
            .Method("getObjectFieldsIncludeVirtual", &Self::getObjectFieldsIncludeVirtual)
            .Method("getObjectAttr", &Self::getObjectAttr)
            .Method("ObjectAttrExist", &Self::ObjectAttrExist)
            .Method("getAttrProperties", &Self::getAttrProperties)
            .Method("getObjectAttrProperties", &Self::getObjectAttrProperties)
            .Method("getObjectAttrType", &Self::getObjectAttrType)
            .Method("IsPdmObject", &Self::IsPdmObject)
            .Method("GetGridMetadata", &Self::GetGridMetadata)
            .Method("GetDataOfAttributes", &Self::GetDataOfAttributes)
            .Method("GetObjectDefaultValues", &Self::GetObjectDefaultValues)
            .Method("getDataAsArray", &Self::getDataAsArray)
            .Method("getLinkBetween2Obj", &Self::getLinkBetween2Obj)
            .Method("getLinkTableBetween2Obj", &Self::getLinkTableBetween2Obj)
            .Method("getLinkedObjects", &Self::getLinkedObjects)
            .Method("getObjectLinks", &Self::getObjectLinks)
            .Method("getLinkAttrs", &Self::getLinkAttrs)
            .Method("LinkAttrExist", &Self::LinkAttrExist)
            .Method("getLinkObjectAttrProperties", &Self::getLinkObjectAttrProperties)
            .Method("getLinkLabel", &Self::getLinkLabel)
            .Method("getLinkReferentLabel", &Self::getLinkReferentLabel)
            .Method("getLinkObjectFromLink", &Self::getLinkObjectFromLink)
            .Method("getObjectLinkKeys", &Self::getObjectLinkKeys)
            .Method("getReferentAttrs", &Self::getReferentAttrs)
            .Method("GetLinkObjectFromTable", &Self::GetLinkObjectFromTable)
            .Method("getObjectFieldsFromTable", &Self::getObjectFieldsFromTable)
            .Method("GetLinkTitle", &Self::GetLinkTitle)
            .Method("GetZerakField", &Self::GetZerakField)
            .Method("GetZerakObject", &Self::GetZerakObject)
            .Method("getUdtypeList", &Self::getUdtypeList)
            .Method("getUdTypeDesc", &Self::getUdTypeDesc)
            .Method("getUdTypeValueByDesc", &Self::getUdTypeValueByDesc)
            .Method("getCategories", &Self::getCategories)
            .Method("getCategoryAtrrs", &Self::getCategoryAtrrs)
            .Method("getCategoryAttr", &Self::getCategoryAttr)
            .Method("getPreferencesAsArray", &Self::getPreferencesAsArray)
            .Method("getPrefByNameAndValue", &Self::getPrefByNameAndValue)
            .Method("getPrefValueByName", &Self::getPrefValueByName);
        return t;
    }();
    return table;
}

void IMetaData::NotAvailable(const std::string& operation, const std::string& why) {
    throw AutomationError(kNotAvailable, operation + " is not available: " + why, kTypeName);
}

const ObjectDefinitions& IMetaData::Definitions() {
    if (!definitions_) Load();
    return *definitions_;
}

void IMetaData::Load() {
    std::string path = DefaultFile();
    try {
        definitions_ = Read(path);
    } catch (const objdefs::DefinitionsError& e) {
        throw AutomationError(kCannotLoad, std::string("The object definitions cannot be loaded: ") + e.what());
    }
}

bool IMetaData::LoadMetaData(const std::string& strPathPdmMetaData) {
    try {
        definitions_ = Read(strPathPdmMetaData);
        return true;
    } catch (const objdefs::DefinitionsError&) {
        return false;
    }
}

std::string IMetaData::Version() { return Definitions().Version(); }

bool IMetaData::ifExist() {
    try {
        return !Definitions().Types().empty();
    } catch (const AutomationError&) {
        return false;
    }
}

bool IMetaData::ifPrefExist() { return ifExist() && !Definitions().Preferences().empty(); }

bool IMetaData::ifUi_DefExist() {
    return std::filesystem::is_regular_file(platform::ProductFolders::Directory("DOWNLOAD_DIR") + "ui_def.xml");
}

bool IMetaData::ifDefualtsExist() { return ifExist() && Definitions().HasDefaults(); }

Variant IMetaData::getObjectKeys(const std::string& strobject) {
    if (!Definitions().FindType(strobject)) return Variant();
    return Names(Definitions().KeyNames(strobject));
}

Variant IMetaData::getObjects() {
    std::vector<std::string> names;
    for (const objdefs::TypeDef& t : Definitions().Types()) names.push_back(t.name);
    return Names(names);
}

Variant IMetaData::getObjectFields(const std::string& strobject) {
    return Names(Definitions().FieldNames(strobject, false));
}

Variant IMetaData::getObjectFieldsIncludeVirtual(const std::string& strobject) {
    return Names(Definitions().FieldNames(strobject, true));
}

Variant IMetaData::getObjectAttr(const std::string& strobject) {
    std::vector<std::vector<Variant>> rows;
    if (const objdefs::TypeDef* type = Definitions().FindType(strobject))
        for (const AttributeDef& a : type->attributes)
            rows.push_back({Variant(a.name), Variant(objdefs::DataTypeName(a.type)), Variant(a.label)});
    return Table(rows, 3);
}

bool IMetaData::ObjectAttrExist(const std::string& strobject, const std::string& strAttribute) {
    return Definitions().TypeAttribute(strobject, strAttribute) != nullptr;
}

Variant IMetaData::getAttrProperties(const std::string& strobject) {
    const objdefs::TypeDef* type = Definitions().FindType(strobject);
    return PropertyTable(type ? type->attributes : std::vector<AttributeDef>{});
}

Variant IMetaData::getObjectAttrProperties(const std::string& strobject, const std::string& strAttr) {
    const AttributeDef* a = Definitions().TypeAttribute(strobject, strAttr);
    return a ? Variant(SafeArray::Of(PropertiesOf(*a))) : Variant();
}

std::string IMetaData::getObjectAttrType(const std::string& strobject, const std::string& strAttr) {
    const AttributeDef* a = Definitions().TypeAttribute(strobject, strAttr);
    return a ? objdefs::DataTypeName(a->type) : "";
}

bool IMetaData::IsPdmObject(const std::string& strobject) { return Definitions().FindType(strobject) != nullptr; }

std::string IMetaData::GetGridMetadata(const std::string& strobject) {
    const objdefs::TypeDef* type = Definitions().FindType(strobject);
    if (!type) return {};
    pugi::xml_document document;
    pugi::xml_node grid = document.append_child("GRID");
    grid.append_attribute("OBJECT").set_value(type->name.c_str());
    for (const AttributeDef& a : type->attributes) {
        pugi::xml_node column = grid.append_child("COL");
        column.append_attribute("KEY").set_value(a.name.c_str());
        column.append_attribute("LABEL").set_value(a.label.c_str());
        column.append_attribute("TYPE").set_value(objdefs::DataTypeName(a.type));
    }
    std::ostringstream out;
    grid.print(out, "", pugi::format_raw);
    return out.str();
}

std::string IMetaData::GetDataOfAttributes(const Variant& strobject, std::string& strRetval) {
    strRetval = Definitions().TypeXml(strobject.TextOr(""));
    return strRetval;
}

Variant IMetaData::GetObjectDefaultValues(const std::string& strobject) {
    std::vector<std::vector<Variant>> rows;
    if (const objdefs::TypeDef* type = Definitions().FindType(strobject))
        for (const AttributeDef& a : type->attributes)
            if (a.hasDefault) rows.push_back({Variant(a.name), Variant(a.defaultValue)});
    return Table(rows, 2);
}

Variant IMetaData::getDataAsArray(const std::string& XpathPdmMetaData) {
    try {
        return Names(Definitions().Select(XpathPdmMetaData));
    } catch (const std::invalid_argument& e) {
        throw AutomationError(kBadQuery, e.what());
    }
}

Variant IMetaData::getLinkBetween2Obj(const std::string& strobject, const std::string& strLinkedobject,
                                      const std::string& strLinkedType) {
    const LinkDef* link = Definitions().LinkBetween(strobject, strLinkedobject, strLinkedType);
    return Variant(link ? link->name : std::string());
}

void IMetaData::getLinkTableBetween2Obj(const std::string& strobject, const std::string& strLinkedobject,
                                        const std::string& strPSType, std::string& strLinkedTable,
                                        Variant& strLinkedType1, Variant& strLinkedType2) {
    const LinkDef* link = Definitions().LinkBetween(strobject, strLinkedobject, strPSType);
    strLinkedTable = link ? link->table : "";
    strLinkedType1 = link ? link->name : "";
    strLinkedType2 = link ? link->linkType : "";
}

Variant IMetaData::getLinkedObjects() {
    std::vector<std::vector<Variant>> rows;
    for (const LinkDef& l : Definitions().Links())
        rows.push_back({Variant(l.name), Variant(l.from), Variant(l.to), Variant(l.linkType), Variant(l.table)});
    return Table(rows, 5);
}

Variant IMetaData::getObjectLinks(const std::string& strobject) {
    std::vector<std::string> names;
    for (const LinkDef* l : Definitions().LinksOf(strobject))
        if (std::find(names.begin(), names.end(), l->name) == names.end()) names.push_back(l->name);
    return Names(names);
}

IMetaData::CollectionPtr IMetaData::getLinkAttrs(const std::string& strobject, const std::string& strLink) {
    const LinkDef* link = Definitions().FindLink(strLink, strobject);
    return NameCollection(link ? link->attributes : std::vector<AttributeDef>{});
}

bool IMetaData::LinkAttrExist(const std::string& strobject, const Variant& strLink, const std::string& strAttribute) {
    return Definitions().LinkAttribute(strLink.TextOr(""), strAttribute, strobject) != nullptr;
}

Variant IMetaData::getLinkObjectAttrProperties(const std::string& strobject, const std::string& strLink,
                                               const std::string& strAttr) {
    const AttributeDef* a = Definitions().LinkAttribute(strLink, strAttr, strobject);
    return a ? Variant(SafeArray::Of(PropertiesOf(*a))) : Variant();
}

std::string IMetaData::getLinkLabel(const std::string& strobject, const std::string& strLink) {
    const LinkDef* link = Definitions().FindLink(strLink, strobject);
    return link ? LabelSeenFrom(*link, strobject) : "";
}

std::string IMetaData::getLinkReferentLabel(const std::string& strobject, const std::string& strLink,
                                            const std::string& strReferent) {
    const LinkDef* link = Definitions().FindLink(strLink, strobject);
    if (!link || !SameText(Definitions().OtherEnd(*link, strobject), strReferent)) return {};
    return LabelSeenFrom(*link, strobject);
}

std::string IMetaData::getLinkObjectFromLink(const std::string& strobject, const std::string& strLink) {
    const LinkDef* link = Definitions().FindLink(strLink, strobject);
    return link ? Definitions().OtherEnd(*link, strobject) : "";
}

Variant IMetaData::getObjectLinkKeys(const std::string& strobject, const std::string& strLink,
                                     const std::string& strLinkObject) {
    const LinkDef* link = Definitions().FindLink(strLink, strobject);
    if (!link || !SameText(Definitions().OtherEnd(*link, strobject), strLinkObject)) return Variant();
    std::vector<std::string> keys;
    for (const AttributeDef& a : link->attributes)
        if (a.keyOrder > 0) keys.push_back(a.name);
    return Names(keys);
}

IMetaData::CollectionPtr IMetaData::getReferentAttrs(const std::string& strReferentObject) {
    if (const objdefs::TypeDef* type = Definitions().FindType(strReferentObject)) return NameCollection(type->attributes);
    const LinkDef* link = Definitions().FindLink(strReferentObject);
    return NameCollection(link ? link->attributes : std::vector<AttributeDef>{});
}

std::string IMetaData::GetLinkObjectFromTable(const std::string& strParentObject, const std::string& strLinkTable,
                                              const std::string& strLinkingType) {
    const LinkDef* link = Definitions().LinkByTable(strParentObject, strLinkTable, strLinkingType);
    return link ? Definitions().OtherEnd(*link, strParentObject) : "";
}

Variant IMetaData::getObjectFieldsFromTable(const std::string& strobject, const std::string& strAttribute) {
    std::vector<std::string> names;
    if (const objdefs::TypeDef* type = Definitions().FindTypeByTable(strobject))
        for (const AttributeDef& a : type->attributes)
            if (strAttribute.empty() || SameText(a.column, strAttribute)) names.push_back(a.name);
    return Names(names);
}

std::string IMetaData::GetLinkTitle(const std::string& strTable, const std::string& strLinkTable) {
    const objdefs::TypeDef* type = Definitions().FindTypeByTable(strTable);
    const LinkDef* link = type ? Definitions().LinkByTable(type->name, strLinkTable, "") : nullptr;
    return link ? LabelSeenFrom(*link, type->name) : "";
}

std::string IMetaData::GetZerakField(const std::string& strTable, const std::string& strField,
                                     std::optional<bool> bZerakTable) {
    std::string owner = bZerakTable.value_or(false) ? GetZerakObject(strTable) : strTable;
    const objdefs::TypeDef* type = Definitions().FindType(owner);
    const LinkDef* link = type ? nullptr : Definitions().FindLink(owner);
    const std::vector<AttributeDef>* attributes = type ? &type->attributes : link ? &link->attributes : nullptr;
    if (!attributes) return {};
    for (const AttributeDef& a : *attributes)
        if (SameText(a.column, strField)) return a.name;
    return {};
}

std::string IMetaData::GetZerakObject(const std::string& strTable) {
    if (const objdefs::TypeDef* type = Definitions().FindTypeByTable(strTable)) return type->name;
    for (const LinkDef& l : Definitions().Links())
        if (SameText(l.table, strTable)) return l.name;
    return {};
}

const AttributeDef* IMetaData::ResolveAttribute(const std::string& fullName) {
    size_t dot = fullName.find('.');
    if (dot == std::string::npos) return nullptr;
    std::string owner = fullName.substr(0, dot);
    if (const AttributeDef* a = Definitions().TypeAttribute(owner, fullName)) return a;
    return Definitions().LinkAttribute(owner, fullName);
}

// An attribute's value list ("ITEM.STATUS"), or a value list by its own name ("STATUS").
const objdefs::ValueList* IMetaData::ValueListOf(const std::string& attributeOrList) {
    const AttributeDef* a = ResolveAttribute(attributeOrList);
    return Definitions().FindValueList(a ? a->valueList : attributeOrList);
}

Variant IMetaData::getUdtypeList(const std::string& strAttribute) {
    std::vector<std::vector<Variant>> rows;
    if (const objdefs::ValueList* list = ValueListOf(strAttribute))
        for (const objdefs::ListValue& v : list->values) rows.push_back({Variant(v.code), Variant(v.description)});
    return Table(rows, 2);
}

std::string IMetaData::getUdTypeDesc(const std::string& strAttr) {
    const objdefs::ValueList* list = ValueListOf(strAttr);
    return list ? list->description : "";
}

std::string IMetaData::getUdTypeValueByDesc(const std::string& strAttributeName, const std::string& strDescription) {
    if (const objdefs::ValueList* list = ValueListOf(strAttributeName))
        for (const objdefs::ListValue& v : list->values)
            if (SameText(v.description, strDescription)) return v.code;
    return {};
}

Variant IMetaData::getCategories() {
    std::vector<std::string> names;
    for (const objdefs::CategoryDef& c : Definitions().Categories()) names.push_back(c.name);
    return Names(names);
}

std::string IMetaData::getCategoryAtrrs(const std::string& strCategory) {
    std::string joined;
    if (const objdefs::CategoryDef* category = Definitions().FindCategory(strCategory))
        for (const AttributeDef& a : category->attributes) joined += (joined.empty() ? "" : ";") + a.name;
    return joined;
}

std::string IMetaData::getCategoryAttr(const std::string& strCategory, const Variant& attribute,
                                       const std::string& strProperty) {
    const objdefs::CategoryDef* category = Definitions().FindCategory(strCategory);
    const AttributeDef* a = category ? ObjectDefinitions::FindAttribute(category->attributes, attribute.TextOr("")) : nullptr;
    if (!a) return {};
    std::vector<Variant> properties = PropertiesOf(*a);
    for (int32_t i = 0; i < kPropertyCount; ++i)
        if (SameText(kPropertyNames[i], strProperty)) return properties[i].ToString();
    return {};
}

Variant IMetaData::getPreferencesAsArray() {
    std::vector<std::vector<Variant>> rows;
    for (const objdefs::Preference& p : Definitions().Preferences()) rows.push_back({Variant(p.name), Variant(p.value)});
    return Table(rows, 2);
}

bool IMetaData::getPrefByNameAndValue(const std::string& strPrefName, const std::string& strPrefValue) {
    std::optional<std::string> value = Definitions().PreferenceValue(strPrefName);
    return value && SameText(*value, strPrefValue);
}

std::string IMetaData::getPrefValueByName(const std::string& strPrefName) {
    return Definitions().PreferenceValue(strPrefName).value_or("");
}

}  // namespace components
