// Engineering-order steps and approvals: the step dialogs and the single-step detach of the workflow
// component, the attachment to every step of the route, and the user's approval or rejection of
// objects in the step of a user task. The order's identifiers come from the parent (an order or a
// user task) and from Params.
#include "automation/ObjectFactory.h"
#include "automation/SafeArray.h"
#include "automation/Text.h"
#include "noxsimplelinks/common/ModGeneral.h"
#include "noxsimplelinks/common/ReportedCall.h"
#include "noxsimplelinks/control/ctlSimpleLinks.h"
#include "noxsimplelinks/metadata/ObjectKeyNames.h"
#include "noxsimplelinks/request/RequestFragments.h"
#include "platform/UserInterface.h"

namespace noxsimplelinks {

using automation::Variant;

namespace {

constexpr const char* kWorkflowProgId = "noxwfattached.Iclswfattached";
constexpr const char* kTopLockCode = "W-009180-TOP-LOCK-OBJ";
constexpr const char* kTaskEo = "EO_USER_TASK.EO_ID";
constexpr const char* kTaskRoute = "EO_USER_TASK.ROUTE_ID";
constexpr const char* kTaskStep = "EO_USER_TASK.STEP_ID";

// Releases the workflow component however the call on it ends.
class WorkflowComponent {
public:
    WorkflowComponent() : component_(automation::CreateObject(kWorkflowProgId)) {}
    ~WorkflowComponent() {
        try {
            automation::CallOn(component_, "CloseMe");
        } catch (const std::exception&) {  // a component that cannot close is only let go
        }
    }
    WorkflowComponent(const WorkflowComponent&) = delete;
    WorkflowComponent& operator=(const WorkflowComponent&) = delete;
    const Variant& operator*() const { return component_; }

private:
    Variant component_;
};

}  // namespace

std::string ctlSimpleLinks::GetParentValueByKey(const std::string& key) {
    if (!parentKeys_.IsArray() || !parentValues_.IsArray()) return {};
    const automation::SafeArray& keys = parentKeys_.ToArray();
    const automation::SafeArray& values = parentValues_.ToArray();
    if (keys.Dimensions() != 1 || values.Dimensions() != 1) return {};
    for (int32_t i = keys.LBound(1); i <= keys.UBound(1); ++i) {
        const int32_t at = values.LBound(1) + (i - keys.LBound(1));
        if (automation::SameName(keys.At(i).TextOr(""), key)) return at <= values.UBound(1) ? values.At(at).TextOr("") : "";
    }
    return {};
}

std::pair<std::string, std::string> ctlSimpleLinks::OrderAndRoute() {
    const std::string order = GetParentValueByKey("EO.EO_ID");
    if (!order.empty()) return {order, ParamText("EO.ROUTE_ID")};
    return {GetParentValueByKey(kTaskEo), GetParentValueByKey(kTaskRoute)};
}

void ctlSimpleLinks::ShowStepDialog(StepDialogMode mode) {
    ReportedStep("ctlSimpleLinks:ShowStepDialog", [&] {
        ModGeneral::SetPointer(ModGeneral::kPointerHourglass);
        const Variant keys = GetObjectKeyNames(objectType_);
        const Variant values = getValuesFromGrid(keys, Variant(int32_t{0}));
        const auto [order, route] = OrderAndRoute();
        WorkflowComponent workflow;
        automation::CallOn(*workflow, "Show", objectType_, keys, values, order, route, int32_t{mode});
    });
    ModGeneral::SetPointer(ModGeneral::kPointerDefault);
}

void ctlSimpleLinks::EoDetachObjFromSingleStep() {
    ReportedStep("ctlSimpleLinks:EoDetachObjFromSingleStep", [&] {
        Variant keys, values;
        GetRowKeyValues(Fg().Get("Row").ToLong(), keys, values);
        bool changed = false;
        {
            WorkflowComponent workflow;
            changed = automation::CallOn(*workflow, "EoDetachObjFromSingleStep", objectType_, keys, values,
                                         Variant(collSelectedObjects()), parentKeys_, parentValues_)
                          .ToBool();
        }
        if (changed) Refresh(Variant(false));
    });
}

void ctlSimpleLinks::EoAttachObjAllSteps() {
    ReportedStep("ctlSimpleLinks:EoAttachObjAllSteps", [&] {
        UpdateToolStates("IN_PROCESS");
        std::string unused;
        const std::string lockType = getValueFromGridByKey("RELATED_" + objectType_ + ".LOCK_TYPE", unused);
        const Variant keys = GetObjectKeyNames(objectType_);
        const RequestFragments::OrderIds order{
            "EO", {{"EO.EO_ID", GetParentValueByKey("EO.EO_ID")}, {"EO.ROUTE_ID", GetParentValueByKey("EO.ROUTE_ID")}}};
        const std::string request = BuildMethodRequest(
            "EoAttachObjectAllSteps", RequestFragments::OrderObjects(order, objectType_, keys, getValuesFromGrid(keys)),
            RequestFragments::LockParams(lockType == "Locked" ? "True" : "False"));
        try {
            SendSingleRequest(request);
        } catch (const automation::AutomationError& e) {
            UpdateToolsForSelection();
            if (e.Description().find(kTopLockCode) == std::string::npos) throw;
            platform::Ui().MsgBox(ResourceText("MSG_MODIFICATION_CANNOT_ATTACH_ITEM_TO_STEP"), ModGeneral::kIconCritical,
                                  ResourceText("TTL_MODIFICATION_CANNOT_ATTACH_ITEM_TO_STEP"));
            return;
        }
        Refresh(Variant(true));
    });
}

std::string ctlSimpleLinks::StepOperationRequest(const std::string& method, const std::string& objectType,
                                                 const std::string& action, const Variant& keys, const Variant& values) {
    const RequestFragments::OrderIds task{"EO_USER_TASK",
                                          {{kTaskEo, GetParentValueByKey(kTaskEo)},
                                           {kTaskRoute, GetParentValueByKey(kTaskRoute)},
                                           {kTaskStep, GetParentValueByKey(kTaskStep)}}};
    return BuildMethodRequest(method, RequestFragments::OrderObjects(task, objectType, keys, values),
                              RequestFragments::ResponseParams(action));
}

void ctlSimpleLinks::ObjectStepOperation(const std::string& strObjectType, const std::string& strAction) {
    ReportedStep("ctlSimpleLinks:ObjectStepOperation", [&] {
        std::string requests;
        for (int32_t row : SelectedRowList()) {
            Variant keys, values;
            GetRowKeyValues(row, keys, values);
            requests += StepOperationRequest("StepObjectResponseWithoutConnection", strObjectType, strAction, keys, values);
        }
        if (requests.empty() || SendMethods(requests, "MultiMethodsRequest", false).succeeded == 0) return;
        Refresh(Variant(false));
        RaiseExecuteEvent("ObjectApproved");
    });
}

void ctlSimpleLinks::ObjectStepOperationOld(const std::string& strObjectType, const std::string& strAction) {
    ReportedStep("ctlSimpleLinks:ObjectStepOperationOld", [&] {
        const Variant keys = GetObjectKeyNames(objectType_);
        SendSingleRequest(StepOperationRequest("StepObjectResponse", strObjectType, strAction, keys, getValuesFromGrid(keys)));
        Refresh();
        RaiseExecuteEvent("ObjectApproved");
    });
}

}  // namespace noxsimplelinks
