#include "noxsimplelinks/metadata/ObjDefOperation.h"

#include "automation/AutomationError.h"
#include "automation/Dispatch.h"

namespace noxsimplelinks {

const std::vector<ObjDefOperation>& ObjDefOperations() {
    using P = ObjDefOperation::Param;
    using R = ObjDefOperation::Result;
    using K = ObjDefOperation::Kind;
    const P T = P::Text;
    static const std::vector<ObjDefOperation> operations = {
        {"DepTypeExists", {T, T}, R::Boolean},
        {"GetDependParams", {T, T}, R::Value},
        {"GetDependListByCondition", {T, T, P::Value, P::Value}, R::Value},
        {"Version", {}, R::Text, K::Property},
        {"Load", {}, R::None},
        {"getPreferencesAsArray", {}, R::Value},
        {"getObjectKeys", {T}, R::Value},
        {"getUdTListByDependentAttr", {T, T, T}, R::Value},
        {"getUdTypeDesc", {T}, R::Text},
        {"getUdTypeValueByDesc", {T, T}, R::Text},
        {"getLinkTableBetween2Obj", {T, T, T, P::Out, P::OptionalOut, P::OptionalOut}, R::None},
        {"getLinkBetween2Obj", {T, T, T}, R::Value},
        {"GetDataOfAttributes", {P::Value, P::Out}, R::Text},
        {"getCategories", {}, R::Value},
        {"getDataAsArray", {T}, R::Value},
        {"GetGridMetadata", {T}, R::Text},
        {"IsPdmObject", {T}, R::Boolean},
        {"getUdtypeList", {T}, R::Value},
        {"getLinkedObjects", {}, R::Value},
        {"getObjectLinks", {T}, R::Value},
        {"getObjects", {}, R::Value},
        {"getObjectAttr", {T}, R::Value},
        {"getObjectFields", {T}, R::Value},
        {"getObjectFieldsIncludeVirtual", {T}, R::Value},
        {"ObjectAttrExist", {T, T}, R::Boolean},
        {"getAttrProperties", {T}, R::Value},
        {"getAttrDependencies", {T, T}, R::Value},
        {"getLinkReferentLabel", {T, T, T}, R::Text},
        {"getReferentAttrs", {T}, R::Collection},
        {"getObjectAttrProperties", {T, T}, R::Value},
        {"getLinkObjectAttrProperties", {T, T, T}, R::Value},
        {"getLinkLabel", {T, T}, R::Text},
        {"getLinkAttrs", {T, T}, R::Collection},
        {"getLinkObjectFromLink", {T, T}, R::Text},
        {"getObjectLinkKeys", {T, T, T}, R::Value},
        {"ifExist", {}, R::Boolean},
        {"ifPrefExist", {}, R::Boolean},
        {"ifUi_DefExist", {}, R::Boolean},
        {"ifDefualtsExist", {}, R::Boolean},
        {"getObjDefFromServer", {T}, R::Text},
        {"getPrefFromServer", {}, R::Text},
        {"LoadMetaData", {T}, R::Boolean},
        {"GetObjectDefaultValues", {T}, R::Value},
        {"GetLinkObjectFromTable", {T, T, T}, R::Text},
        {"getObjectFieldsFromTable", {T, T}, R::Value},
        {"GetLinkTitle", {T, T}, R::Text},
        {"GetZerakField", {T, T, P::OptionalBool}, R::Text},
        {"GetZerakObject", {T}, R::Text},
        {"getPrefByNameAndValue", {T, T}, R::Boolean},
        {"getPrefValueByName", {T}, R::Text},
        {"LinkAttrExist", {T, P::Value, T}, R::Boolean},
        {"getCategoryAtrrs", {T}, R::Text, K::Internal},
        {"getCategoryAttr", {T, P::Value, T}, R::Text, K::Internal},
        {"getObjectAttrType", {T, T}, R::Text, K::Internal},
    };
    return operations;
}

const ObjDefOperation& FindObjDefOperation(std::string_view name) {
    for (const ObjDefOperation& operation : ObjDefOperations())
        if (automation::SameName(operation.name, name)) return operation;
    automation::Raise(automation::errors::kObjectDoesNotSupportMember);
}

}  // namespace noxsimplelinks
