#pragma once
// The builders of request fragments: the object fragment (<OBJECTS>) and the parameter fragment
// (<PARAMS>) of each server method, written from object types, key names and values, field lists
// and link names. Values from key and condition arrays are escaped; identifiers, link-attribute
// values and the keys of the engineering-order detach fragment are placed as they are. A failing
// builder raises the error again as "error in clsUtils:<builder> :Error" with its number kept.
#include <memory>
#include <string>

#include "automation/Dispatchable.h"

namespace noxsimplelinks {

class clsXmlWrapper;

class clsUtils : public automation::Dispatchable<clsUtils> {
public:
    using Variant = automation::Variant;
    static constexpr const char* kTypeName = "clsUtils";
    static const automation::MemberTable<clsUtils>& Members();

    // "<" key ">" escaped value "</" key ">" per key; "" when either argument is not an array.
    std::string getKeysXml(const Variant& keys, const Variant& values);
    std::string getObjByKeysAsXml(const std::string& objectType, const Variant& keys, const Variant& values,
                                  const std::string& role, const std::string& type);
    // fields: a two-dimensional array with the name in column 0, or "ALL" for every field of the
    // type as the metadata component ("noxmetadata2.IMetaData") lists them.
    std::string getSeletedFieldsXml(const Variant& fields, const std::string& objectType, const Variant& includeVirtual);
    std::string getQueriedObjectsXml(const std::string& objectType, const Variant& links);
    std::string getConditionsXml(const std::string& objectType, const Variant& fields, const Variant& values,
                                 const Variant& links, const Variant& operators, const Variant& relations,
                                 const Variant& categories);

    std::string getObjectsXmlForQueryHistory(const std::string& objectType, const Variant& fields, const Variant& keys,
                                             const Variant& values);
    std::string getObjectsXmlByKeys(const std::string& objectType, const Variant& fields, const Variant& keys,
                                    const Variant& values, const std::string& role);
    std::string getObjectsXmlForQueryLinksByKeys(const std::string& objectType, const Variant& fields,
                                                 const Variant& keys, const Variant& values, const std::string& link);
    Variant getObjectsXmlForRequestWithCondition(const std::string& objectType, const Variant& fields,
                                                 const Variant& keys, const Variant& values, const std::string& link,
                                                 const Variant& conditionFields, const Variant& conditionValues);
    std::string getObjectsXmlForQueryByKeys(const std::string& objectType, const Variant& fields, const Variant& keys,
                                            const Variant& values, const Variant& link);
    std::string getObjectsXmlForCreateLink(const std::string& parentType, const std::string& childType,
                                           const Variant& parentKeys, const Variant& parentValues,
                                           const Variant& childKeys, const Variant& childValues,
                                           const std::string& link, const Variant& linkAttributes);
    // keys and values: arrays whose first two elements are used.
    std::string getZerakEoDetachObjectRequest(const std::string& objectType, const Variant& eoId,
                                              const Variant& routeId, const Variant& keys, const Variant& values);
    Variant getObjectsXmlForCreateMultiLink(const Variant& wizardData, const std::string& parentType,
                                            const std::string& linkedType, const Variant& parentKeys,
                                            const Variant& parentValues, const Variant& referenceKeys,
                                            const Variant& referenceValues, const std::string& linkType);

    std::string GetParamsXmlForPartlistRequest(const Variant& mode, const Variant& date, const Variant& revisionOption);
    std::string GetParamsXMLForMultiMethodRequest(const std::string& requestBody);
    std::string GetParamsXMLForDeleteObjRequest(const Variant& parameter);
    // Fills the places of an "UpdateCollectionObjectsWC" document and drops its Request tags. The key
    // values are an array indexed from 0 (13 for anything else, 9 without an element 0); failures
    // pass unchanged. A "]]>" placed in a CDATA section is split across two sections.
    std::string fillCollectionMethodRequest(const std::string& request, const std::string& categoryMethod,
                                            const Variant& keyValues);
    // Escapes nothing: tells the user to use the XML wrapper's escaping and gives "".
    std::string strXMLEncode(std::string& text);

private:
    std::string Encode(const Variant& value);
    std::string Conditions(const std::string& objectType, const Variant& fields, const Variant& values,
                           const std::string& link);
    clsXmlWrapper& Xml();

    std::shared_ptr<clsXmlWrapper> xml_;
};

}  // namespace noxsimplelinks
