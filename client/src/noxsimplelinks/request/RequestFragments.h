#pragma once
// The fragments of request documents the library writes beyond clsUtils's builders, each text in one
// place: the fixed parameters of a history query, the link criteria of a query, the objects of an
// affected-objects query, and those of the link commands (two objects side by side, the lock of an
// attached object, the projects whose access is withdrawn) and of the engineering-order steps (an
// order's object, an approval's response).
#include <string>
#include <utility>
#include <vector>

#include "automation/Variant.h"

namespace noxsimplelinks {

class clsUtils;

namespace RequestFragments {

// The parameters of a history query: the active version, names compared without regard to case.
std::string HistoryParams();
// "<PARAMS><LINK_CRITERIA>" + the criteria, escaped, + "</LINK_CRITERIA></PARAMS>"; criteria that
// cannot be escaped are left out.
std::string LinkCriteriaParams(const std::string& criteria);
// The objects of an affected-objects query: the parent as IN_OBJECT, items as OUT_OBJECT, and the
// fields the grid shows.
std::string AffectedObjects(clsUtils& utils, const std::string& parentType, const automation::Variant& keys,
                            const automation::Variant& values, const automation::Variant& fields);

// "<OBJECTS>" + the first object in its role + the second in its role + "</OBJECTS>", each written by
// getObjByKeysAsXml.
struct KeyedObject {
    std::string type;
    automation::Variant keys, values;
    std::string role;
};
std::string TwoObjects(clsUtils& utils, const KeyedObject& first, const KeyedObject& second);
// "<PARAMS><LOCK>" + lock + "</LOCK></PARAMS>".
std::string LockParams(const std::string& lock);
// The withdrawal of projects' access always asks for the object's structure too.
std::string RecursiveParams();
// The object (its type and first key, the value as given) as IN_OBJECT, then each project as
// "Object" + i (from 0) of ID 'PROJECT' and TYPE 'PARAM_ARRAY'.
std::string ProjectObjects(const std::string& objectType, const std::string& key, const std::string& value,
                           const std::vector<std::string>& projects);

// The objects of an engineering-order step operation: the order's identifiers as IN_OBJECT of the
// order's type (each an element named by its key), then the object as IN_OBJECT1 with its first two
// keys; texts as given.
struct OrderIds {
    std::string type;
    std::vector<std::pair<std::string, std::string>> keys;  // element name, value
};
std::string OrderObjects(const OrderIds& order, const std::string& objectType, const automation::Variant& keys,
                         const automation::Variant& values);
// "<PARAMS><RESPONSE>" + action + "</RESPONSE></PARAMS>".
std::string ResponseParams(const std::string& action);

}  // namespace RequestFragments
}  // namespace noxsimplelinks
