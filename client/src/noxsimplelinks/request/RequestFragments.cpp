#include "noxsimplelinks/request/RequestFragments.h"

#include <optional>

#include "automation/SafeArray.h"

#include "noxsimplelinks/common/clsXmlWrapper.h"
#include "noxsimplelinks/request/clsUtils.h"

namespace noxsimplelinks::RequestFragments {

using automation::Variant;

std::string HistoryParams() {
    return "<PARAMS><active_version>True</active_version><not_case_sensitive>True</not_case_sensitive></PARAMS>";
}

std::string LinkCriteriaParams(const std::string& criteria) {
    std::string escaped;
    try {
        escaped = clsXmlWrapper().encodeXml(criteria);
    } catch (const std::exception&) {
        escaped.clear();
    }
    return "<PARAMS><LINK_CRITERIA>" + escaped + "</LINK_CRITERIA></PARAMS>";
}

std::string AffectedObjects(clsUtils& utils, const std::string& parentType, const Variant& keys, const Variant& values,
                            const Variant& fields) {
    return "<OBJECTS>" + utils.getObjByKeysAsXml(parentType, keys, values, "IN_OBJECT", "") +
           "<OUT_OBJECT ID='ITEM'/>" + utils.getSeletedFieldsXml(fields, "ITEM", Variant::Missing()) + "</OBJECTS>";
}

std::string TwoObjects(clsUtils& utils, const KeyedObject& first, const KeyedObject& second) {
    return "<OBJECTS>" + utils.getObjByKeysAsXml(first.type, first.keys, first.values, first.role, "") +
           utils.getObjByKeysAsXml(second.type, second.keys, second.values, second.role, "") + "</OBJECTS>";
}

std::string LockParams(const std::string& lock) { return "<PARAMS><LOCK>" + lock + "</LOCK></PARAMS>"; }

std::string RecursiveParams() { return "<PARAMS><Recursive>Yes</Recursive></PARAMS>"; }

std::string ProjectObjects(const std::string& objectType, const std::string& key, const std::string& value,
                           const std::vector<std::string>& projects) {
    std::string objects = "<OBJECTS><IN_OBJECT ID='" + objectType + "'><" + key + ">" + value + "</" + key + "></IN_OBJECT>";
    for (size_t i = 0; i < projects.size(); ++i) {
        const std::string element = "Object" + std::to_string(i);
        objects += "<" + element + " ID='PROJECT' TYPE='PARAM_ARRAY'><id>" + projects[i] + "</id></" + element + ">";
    }
    return objects + "</OBJECTS>";
}

namespace {

std::string Element(const std::string& name, const std::string& value) { return "<" + name + ">" + value + "</" + name + ">"; }

// Entry i of a one-dimensional array counted from its lower bound, as text; none past its end.
std::optional<std::string> EntryText(const Variant& array, int32_t i) {
    if (!array.IsArray()) return std::nullopt;
    const automation::SafeArray& a = array.ToArray();
    if (a.Dimensions() != 1 || a.LBound(1) + i > a.UBound(1)) return std::nullopt;
    return a.At(a.LBound(1) + i).TextOr("");
}

}  // namespace

std::string OrderObjects(const OrderIds& order, const std::string& objectType, const Variant& keys, const Variant& values) {
    std::string objects = "<OBJECTS><IN_OBJECT ID='" + order.type + "'>";
    for (const auto& [name, value] : order.keys) objects += Element(name, value);
    objects += "</IN_OBJECT><IN_OBJECT1 ID='" + objectType + "'>";
    for (int32_t i = 0; i < 2; ++i) {
        const auto key = EntryText(keys, i);
        if (!key) break;
        objects += Element(*key, EntryText(values, i).value_or(""));
    }
    return objects + "</IN_OBJECT1></OBJECTS>";
}

std::string ResponseParams(const std::string& action) { return "<PARAMS><RESPONSE>" + action + "</RESPONSE></PARAMS>"; }

}  // namespace noxsimplelinks::RequestFragments
