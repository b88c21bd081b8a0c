#include "noxsimplelinks/request/clsUtils.h"

#include <algorithm>
#include <vector>

#include "automation/ObjectFactory.h"
#include "automation/SafeArray.h"
#include "automation/Text.h"
#include "noxsimplelinks/common/clsXmlWrapper.h"
#include "platform/UserInterface.h"

namespace noxsimplelinks {

using automation::AutomationError;
using automation::Bounds;
using automation::SafeArray;
using automation::Variant;

namespace {

constexpr char kQuote = '"';

// Runs a builder; any failure comes out as "error in clsUtils:" + builder + " :Error" with the
// failure's number.
template <class Body>
auto Guarded(const char* builder, Body body) -> decltype(body()) {
    try {
        return body();
    } catch (const std::exception& e) {
        throw AutomationError(AutomationError::From(e).Number(),
                              std::string("error in clsUtils:") + builder + " :" + "Error", "clsUtils");
    }
}

std::string Text(const Variant& value) { return value.TextOr(""); }

// Element i of a one-dimensional array (9 when it has none).
const Variant& At(const Variant& array, int32_t i) { return array.ToArray().At(i); }

std::vector<Variant> Elements(const Variant& array) {
    const SafeArray& a = array.ToArray();
    std::vector<Variant> elements;
    for (int32_t i = a.LBound(); i <= a.UBound(); ++i) elements.push_back(a.At(i));
    return elements;
}

// The names of a field list: column 0 of each row of a two-dimensional array, or each element of
// a one-dimensional one.
std::vector<std::string> FieldNames(const Variant& list) {
    const SafeArray& a = list.ToArray();
    std::vector<std::string> names;
    for (int32_t row = a.LBound(1); row <= a.UBound(1); ++row)
        names.push_back(Text(a.Dimensions() == 2 ? a.At(row, a.LBound(2)) : a.At(row)));
    return names;
}

std::string Element(const std::string& name, const std::string& content) {
    return "<" + name + ">" + content + "</" + name + ">";
}

std::string Quoted(const std::string& value, char quote = kQuote) { return quote + value + quote; }

using automation::Trimmed;
using automation::Upper;

void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
    text = automation::ReplaceAll(text, from, to);
}

// Every place in the text filled with the value. Where a place stands in a CDATA section, each "]]>"
// of the value is split across two sections, so that the section still ends where the text says.
std::string Filled(const std::string& text, std::string_view place, const std::string& value) {
    constexpr std::string_view kOpen = "<![CDATA[", kClose = "]]>";
    const std::string inSection = automation::ReplaceAll(value, kClose, "]]]]><![CDATA[>");
    std::string filled;
    size_t from = 0;
    for (size_t at = text.find(place); at != std::string::npos; at = text.find(place, from)) {
        filled.append(text, from, at - from);
        const size_t opened = text.rfind(kOpen, at), closed = text.rfind(kClose, at);
        const bool inCData = opened != std::string::npos && (closed == std::string::npos || closed < opened);
        filled += inCData ? inSection : value;
        from = at + place.size();
    }
    return filled.append(text, from);
}

// A field list of the builders that wrap one: its selection, then what follows inside OBJECTS.
std::string Objects(const std::string& content) { return "<OBJECTS>" + content + "</OBJECTS>"; }

std::string QueryLink(const std::string& link) { return "<LINK1 ID=" + Quoted(link) + "></LINK1>"; }

}  // namespace

const automation::MemberTable<clsUtils>& clsUtils::Members() {
    static const automation::MemberTable<clsUtils> table = [] {
        automation::MemberTable<clsUtils> t;
        t.Method("getKeysXml", &clsUtils::getKeysXml)
            .Method("getObjByKeysAsXml", &clsUtils::getObjByKeysAsXml)
            .Method("getSeletedFieldsXml", &clsUtils::getSeletedFieldsXml)
            .Method("getQueriedObjectsXml", &clsUtils::getQueriedObjectsXml)
            .Method("getConditionsXml", &clsUtils::getConditionsXml)
            .Method("getObjectsXmlForQueryHistory", &clsUtils::getObjectsXmlForQueryHistory)
            .Method("getObjectsXmlByKeys", &clsUtils::getObjectsXmlByKeys)
            .Method("getObjectsXmlForQueryLinksByKeys", &clsUtils::getObjectsXmlForQueryLinksByKeys)
            .Method("getObjectsXmlForRequestWithCondition", &clsUtils::getObjectsXmlForRequestWithCondition)
            .Method("getObjectsXmlForQueryByKeys", &clsUtils::getObjectsXmlForQueryByKeys)
            .Method("getObjectsXmlForCreateLink", &clsUtils::getObjectsXmlForCreateLink)
            .Method("getZerakEoDetachObjectRequest", &clsUtils::getZerakEoDetachObjectRequest)
            .Method("getObjectsXmlForCreateMultiLink", &clsUtils::getObjectsXmlForCreateMultiLink)
            .Method("GetParamsXmlForPartlistRequest", &clsUtils::GetParamsXmlForPartlistRequest)
            .Method("GetParamsXMLForMultiMethodRequest", &clsUtils::GetParamsXMLForMultiMethodRequest)
            .Method("GetParamsXMLForDeleteObjRequest", &clsUtils::GetParamsXMLForDeleteObjRequest)
            .Method("fillCollectionMethodRequest", &clsUtils::fillCollectionMethodRequest)
            .Method("strXMLEncode", &clsUtils::strXMLEncode);
        return t;
    }();
    return table;
}

clsXmlWrapper& clsUtils::Xml() {
    if (!xml_) xml_ = std::make_shared<clsXmlWrapper>();
    return *xml_;
}

std::string clsUtils::Encode(const Variant& value) { return Xml().encodeXml(Text(value)); }

std::string clsUtils::getKeysXml(const Variant& keys, const Variant& values) {
    return Guarded("getKeysXml", [&] {
        std::string xml;
        if (!keys.IsArray() || !values.IsArray()) return xml;
        const SafeArray& names = keys.ToArray();
        for (int32_t i = names.LBound(); i <= names.UBound(); ++i)
            xml += Element(Text(names.At(i)), Encode(At(values, i)));
        return xml;
    });
}

std::string clsUtils::getObjByKeysAsXml(const std::string& objectType, const Variant& keys, const Variant& values,
                                        const std::string& role, const std::string& type) {
    return Guarded("getObjByKeysAsXml", [&] {
        return "<" + role + " ID=" + Quoted(objectType) + " TYPE=" + Quoted(type) + ">" + getKeysXml(keys, values) +
               "</" + role + ">";
    });
}

std::string clsUtils::getSeletedFieldsXml(const Variant& fields, const std::string& objectType,
                                          const Variant& includeVirtual) {
    return Guarded("getSeletedFieldsXml", [&] {
        std::vector<std::string> names;
        if (fields.IsArray()) {
            names = FieldNames(fields);
        } else if (fields.IsString() && fields.ToString() == "ALL") {
            bool withVirtual = !includeVirtual.IsMissing() && !includeVirtual.IsEmpty() && includeVirtual.ToBool();
            auto metadata = automation::CreateObject("noxmetadata2.IMetaData");
            Variant all = metadata->Call(withVirtual ? "getObjectFieldsIncludeVirtual" : "getObjectFields", objectType);
            if (all.IsArray()) names = FieldNames(all);
        }
        std::string xml = "<SELECT_FIELDS ID=" + Quoted("") + " TYPE=" + Quoted("SELECT_FIELDS") + ">";
        for (const std::string& name : names) xml += Element(name, "");
        return xml + "</SELECT_FIELDS>";
    });
}

std::string clsUtils::getQueriedObjectsXml(const std::string& objectType, const Variant& links) {
    return Guarded("getQueriedObjectsXml", [&] {
        std::string linkPart;
        if (links.IsArray()) {
            const SafeArray& names = links.ToArray();
            for (int32_t i = names.LBound(); i <= names.UBound(); ++i)
                if (!Text(names.At(i)).empty()) linkPart += Element("Link" + std::to_string(i), Text(names.At(i)));
        } else if (!Text(links).empty()) {
            linkPart = Element("Link", Text(links));
        }
        return "<QUERIEID_OBJECTS_LINKS>" + Element("Object", objectType) + linkPart + "</QUERIEID_OBJECTS_LINKS>";
    });
}

std::string clsUtils::getConditionsXml(const std::string& objectType, const Variant& fields, const Variant& values,
                                       const Variant& links, const Variant& operators, const Variant& relations,
                                       const Variant& categories) {
    return Guarded("getConditionsXml", [&] {
        std::string xml;
        if (!fields.IsArray()) return xml;
        const SafeArray& names = fields.ToArray();
        for (int32_t i = names.LBound(); i <= names.UBound(); ++i) {
            std::string condition = "CONDITION" + std::to_string(i - names.LBound());
            std::string field = Text(names.At(i));
            std::string link = Text(At(links, i));
            std::string prefix = field.substr(0, field.find('.'));
            std::string objectPart = prefix == link ? Element("Link", link) + Element("Object", objectType)
                                                    : Element("Object", prefix);
            std::string category = categories.IsArray() ? Text(At(categories, i)) : "";
            xml += "<" + condition + " TYPE=" + Quoted(category.empty() ? "SIMPLE_CONDITION" : category) + ">" +
                   Element("Relation", Text(At(relations, i))) + objectPart + Element("Field", field) +
                   Element("Condition", Text(At(operators, i))) + Element("Value", Encode(At(values, i))) + "</" +
                   condition + ">";
        }
        return xml;
    });
}

// One condition per field: the given link, operator "EQU", relation "" first and "AND" after.
std::string clsUtils::Conditions(const std::string& objectType, const Variant& fields, const Variant& values,
                                 const std::string& link) {
    if (!fields.IsArray()) return "";
    const SafeArray& names = fields.ToArray();
    SafeArray links(Bounds{names.LBound(), names.UBound()}), operators = links, relations = links;
    for (int32_t i = names.LBound(); i <= names.UBound(); ++i) {
        links.At(i) = link;
        operators.At(i) = "EQU";
        relations.At(i) = i == names.LBound() ? "" : "AND";
    }
    return getConditionsXml(objectType, fields, values, Variant(links), Variant(operators), Variant(relations),
                            Variant::Missing());
}

std::string clsUtils::getObjectsXmlForQueryHistory(const std::string& objectType, const Variant& fields,
                                                   const Variant& keys, const Variant& values) {
    return Guarded("getObjectsXmlForQueryHistory", [&] {
        return Objects(getSeletedFieldsXml(fields, objectType, Variant::Missing()) +
                       getObjByKeysAsXml(objectType, keys, values, "IN_OBJECT", ""));
    });
}

std::string clsUtils::getObjectsXmlByKeys(const std::string& objectType, const Variant& fields, const Variant& keys,
                                          const Variant& values, const std::string& role) {
    return Guarded("getObjectsXmlByKeys", [&] {
        return Objects(getSeletedFieldsXml(fields, objectType, Variant::Missing()) +
                       getObjByKeysAsXml(objectType, keys, values, role, ""));
    });
}

std::string clsUtils::getObjectsXmlForQueryLinksByKeys(const std::string& objectType, const Variant& fields,
                                                       const Variant& keys, const Variant& values,
                                                       const std::string& link) {
    return Guarded("getObjectsXmlForQueryLinksByKeys", [&] {
        return Objects(getSeletedFieldsXml(fields, objectType, Variant::Missing()) +
                       getObjByKeysAsXml(objectType, keys, values, "IN_OBJECT", "") + QueryLink(link));
    });
}

Variant clsUtils::getObjectsXmlForRequestWithCondition(const std::string& objectType, const Variant& fields,
                                                       const Variant& keys, const Variant& values,
                                                       const std::string& link, const Variant& conditionFields,
                                                       const Variant& conditionValues) {
    return Guarded("getObjectsXmlForRequestWithCondition", [&] {
        return Variant(Objects(getSeletedFieldsXml(fields, objectType, Variant::Missing()) +
                               getObjByKeysAsXml(objectType, keys, values, "IN_OBJECT", "") + QueryLink(link) +
                               Conditions(objectType, conditionFields, conditionValues, link)));
    });
}

std::string clsUtils::getObjectsXmlForQueryByKeys(const std::string& objectType, const Variant& fields,
                                                  const Variant& keys, const Variant& values, const Variant& link) {
    return Guarded("getObjectsXmlForQueryByKeys", [&] {
        return Objects(getSeletedFieldsXml(fields, objectType, Variant::Missing()) +
                       getQueriedObjectsXml(objectType, link) + Conditions(objectType, keys, values, Text(link)));
    });
}

std::string clsUtils::getObjectsXmlForCreateLink(const std::string& parentType, const std::string& childType,
                                                 const Variant& parentKeys, const Variant& parentValues,
                                                 const Variant& childKeys, const Variant& childValues,
                                                 const std::string& link, const Variant& linkAttributes) {
    return Guarded("getObjectsXmlForCreateLink", [&] {
        std::string attributes;
        if (linkAttributes.IsArray()) {
            const SafeArray& rows = linkAttributes.ToArray();
            for (int32_t r = rows.LBound(1); r <= rows.UBound(1); ++r) {
                std::string value = Text(rows.At(r, rows.LBound(2) + 1));
                if (!value.empty()) attributes += Element(Text(rows.At(r, rows.LBound(2))), value);
            }
        }
        return Objects(getObjByKeysAsXml(parentType, parentKeys, parentValues, "PARENT_OBJECT", "") +
                       getObjByKeysAsXml(childType, childKeys, childValues, "CHILD_OBJECT", "") + "<LINK1 " +
                       " ID=" + Quoted(link) + ">" + attributes + " </LINK1>");
    });
}

std::string clsUtils::getZerakEoDetachObjectRequest(const std::string& objectType, const Variant& eoId,
                                                    const Variant& routeId, const Variant& keys,
                                                    const Variant& values) {
    return Guarded("getZerakEoDetachObjectRequest", [&] {
        std::vector<Variant> names = Elements(keys), texts = Elements(values);
        if (names.size() < 2 || texts.size() < 2) automation::Raise(automation::errors::kSubscriptOutOfRange);
        return Objects("<IN_OBJECT ID=" + Quoted("EO", '\'') + ">" + Element("EO.EO_ID", Text(eoId)) +
                       Element("EO.ROUTE_ID", Text(routeId)) + "</IN_OBJECT>" + "<IN_OBJECT1 ID=" +
                       Quoted(objectType, '\'') + ">" + Element(Text(names[0]), Text(texts[0])) +
                       Element(Text(names[1]), Text(texts[1])) + "</IN_OBJECT1>");
    });
}

Variant clsUtils::getObjectsXmlForCreateMultiLink(const Variant& wizardData, const std::string& parentType,
                                                  const std::string& linkedType, const Variant& parentKeys,
                                                  const Variant& parentValues, const Variant& referenceKeys,
                                                  const Variant& referenceValues, const std::string& linkType) {
    return Guarded("getObjectsXmlForCreateMultiLink", [&] {
        std::string parent = getObjByKeysAsXml(parentType, parentKeys, parentValues, "PARENT_OBJECT", "");
        std::string child = getObjByKeysAsXml(linkedType, referenceKeys, referenceValues, "CHILD_OBJECT", "");
        Variant link = automation::CallOn(wizardData, "selectSingleNode", "//LINK1[@ID='" + linkType + "']");
        if (!link.IsObject() || link.IsNothing()) return Variant();
        automation::Arguments none;
        std::string linkXml = automation::InvokeOn(link, "xml", automation::InvokeKind::PropertyGet, none).ToString();
        return Variant(Objects(parent + child + linkXml));
    });
}

std::string clsUtils::GetParamsXmlForPartlistRequest(const Variant& mode, const Variant& date,
                                                     const Variant& revisionOption) {
    return Guarded("GetParamsXmlForPartlistRequest", [&] {
        std::string upper = Upper(Text(mode));
        if (Trimmed(upper) == "WORK-IN-PROGRESS") upper = "WIP";
        std::string revision = Trimmed(Text(revisionOption));
        std::string revisionPart = revision.empty() ? "" : Element("REVISION_OPTION", Text(revisionOption));
        return "<PARAMS>" + Element("Mode", upper) + Element("Date", Text(date)) + revisionPart + "</PARAMS>";
    });
}

std::string clsUtils::GetParamsXMLForMultiMethodRequest(const std::string& requestBody) {
    return Guarded("GetParamsXMLForMultiMethodRequest", [&] {
        std::string escaped = Xml().encodeXml(requestBody);
        std::string xml;
        xml.reserve(escaped.size() + 48);
        xml += "<PARAMS><RequestBody>";
        xml += escaped;
        xml += "</RequestBody></PARAMS>";
        return xml;
    });
}

std::string clsUtils::GetParamsXMLForDeleteObjRequest(const Variant& parameter) {
    return Guarded("GetParamsXMLForDeleteObjRequest",
                   [&] { return "<PARAMS>" + Element("DeleteAll", Text(parameter)) + "</PARAMS>"; });
}

std::string clsUtils::fillCollectionMethodRequest(const std::string& request, const std::string& categoryMethod,
                                                  const Variant& keyValues) {
    const SafeArray& keys = keyValues.ToArray();
    std::string methodId = "ID=" + Text(keys.At(0));
    if (keys.UBound() - keys.LBound() + 1 == 2) methodId += ", REV=" + Text(keys.At(1));
    std::string text = Filled(request, "%CATEGORY_METHOD%", categoryMethod);
    ReplaceAll(text, "<Request>", "");
    ReplaceAll(text, "</Request>", "");
    return Filled(text, "%METHOD_ID%", methodId);
}

std::string clsUtils::strXMLEncode(std::string&) {
    platform::Ui().MsgBox("Old-fashioned function strXMLEncode. Should be replaced with a new one.", 0, "");
    return "";
}

}  // namespace noxsimplelinks
