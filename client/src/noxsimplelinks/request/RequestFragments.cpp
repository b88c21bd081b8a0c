#include "noxsimplelinks/request/RequestFragments.h"

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

}  // namespace noxsimplelinks::RequestFragments
