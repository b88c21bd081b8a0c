// What the commands that change links share: a row's keys and values, the selected rows, the
// question before links are removed, one method's document, and the two ways an answer is judged —
// the single-request rule (a failure ends the command with 0x800403E8) and the multi-method rules
// (one box per failed method, the status, then the refresh and "SimpleLinkUpdate").
#include "automation/SafeArray.h"
#include "automation/Text.h"
#include "noxsimplelinks/common/ModGeneral.h"
#include "noxsimplelinks/control/ctlSimpleLinks.h"
#include "noxsimplelinks/metadata/ObjectKeyNames.h"
#include "noxsimplelinks/request/clsUtils.h"
#include "platform/UserInterface.h"

namespace noxsimplelinks {

using automation::DispatchPtr;
using automation::Variant;

namespace {

// Entry (row, 0) of a two-dimensional array of messages; "" where there is none.
std::string MessageAt(const automation::SafeArray& messages, int32_t row) {
    if (messages.Dimensions() != 2 || row > messages.UBound(1)) return {};
    return messages.At(row, messages.LBound(2)).TextOr("");
}

// The first message's description of a method answer ("" when it has none).
std::string FirstDescription(const Variant& methodResponse) {
    const Variant messages = automation::CallOn(methodResponse, "Messages");
    if (automation::CallOn(messages, "Count").ToLong() < 1) return {};
    return automation::CallOn(automation::CallOn(messages, "Item", int32_t{1}), "Description").TextOr("");
}

}  // namespace

void ctlSimpleLinks::GetRowKeyValues(int32_t row, Variant& keys, Variant& values) {
    keys = GetObjectKeyNames(objectType_);
    values = keys.IsArray() ? ValuesOfRow(keys, row) : Variant();
}

std::vector<int32_t> ctlSimpleLinks::SelectedRowList() {
    std::vector<int32_t> rows;
    for (int32_t i = 0, count = Fg().Get("SelectedRows").ToLong(); i < count; ++i)
        rows.push_back(Fg().Get("SelectedRow", i).ToLong());
    return rows;
}

bool ctlSimpleLinks::ConfirmUnlink(const std::string& objectType) {
    const std::string text =
        GetSelectionState() == "MRS"
            ? ResourceText("MSG_UNLINK_SELECTED_OBJECTS", {std::to_string(Fg().Get("SelectedRows").ToLong())})
            : ResourceText("MSG_UNLINK_SELECTED_OBJECT", {ResourceText("LBL_" + objectType)});
    return platform::Ui().MsgBox(text, ModGeneral::kYesNo + ModGeneral::kIconQuestion,
                                 ResourceText("MSG_TITLE_ARE_YOU_SURE")) ==
           platform::kAnswerYes;
}

std::string ctlSimpleLinks::BuildMethodRequest(const std::string& method, const std::string& objects,
                                               const std::string& params) {
    const Variant builder(Request());
    // Hidden edge: a builder merges parameters into those it holds, so they are emptied first — and
    // afterwards, so that the refresh a change ends with does not carry this method's parameters.
    automation::CallOn(builder, "setparams", std::string());
    if (!params.empty()) automation::CallOn(builder, "setparams", params);
    automation::CallOn(builder, "setobjects", objects);
    std::string request = automation::CallOn(builder, "buildrequest", method).TextOr("");
    automation::CallOn(builder, "setparams", std::string());
    return request;
}

std::string ctlSimpleLinks::SendRequest(const std::string& request, std::string& resultCode, Variant& messages) {
    automation::Arguments args{Variant(request), Variant(), Variant()};
    const Variant answer = automation::InvokeOn(Variant(Comm()), "SendRequest", automation::InvokeKind::Method, args);
    resultCode = args[1].TextOr("");
    messages = args[2];
    return answer.TextOr("");
}

std::string ctlSimpleLinks::SendSingleRequest(const std::string& request) {
    std::string resultCode;
    Variant messages;
    const std::string answer = SendRequest(request, resultCode, messages);
    resultCode = automation::Upper(resultCode);
    if (resultCode == "OK" || resultCode == "WARNING") return answer;
    std::string text;
    if (resultCode == "FAILED" && messages.IsArray())
        text = "ERROR = [" + MessageAt(messages.ToArray(), 0) + "]" + MessageAt(messages.ToArray(), 1);
    else if (resultCode == "ERROR" && !messages.IsArray())
        text = "ERROR = [" + messages.TextOr("") + "]";
    throw automation::AutomationError(automation::errors::kUserError, text);
}

ctlSimpleLinks::MultiMethodAnswer ctlSimpleLinks::SendMethods(const std::string& requests, const std::string& envelope,
                                                              bool framed) {
    const std::string params = clsUtils().GetParamsXMLForMultiMethodRequest(requests);
    MultiMethodAnswer answer;
    Variant messages;
    SendRequest(BuildMethodRequest(envelope, "", params), answer.resultCode, messages);
    answer.resultCode = automation::Upper(answer.resultCode);
    const Variant responses = automation::CallOn(automation::CallOn(Variant(Comm()), "Response"), "MethodResponses");
    for (int32_t i = 1, count = automation::CallOn(responses, "Count").ToLong(); i <= count; ++i) {
        const Variant response = automation::CallOn(responses, "Item", i);
        if (automation::CallOn(response, "ResultCode").TextOr("") != "FAILED") {
            ++answer.succeeded;
            continue;
        }
        const std::string description = FirstDescription(response);
        platform::Ui().MsgBox(framed ? "ERROR = [" + description + "]" : description,
                              ModGeneral::kOkOnly + ModGeneral::kIconExclamation, ModGeneral::kApplicationName);
        answer.anyFailed = true;
    }
    return answer;
}

std::string ctlSimpleLinks::SendMultiMethodRequest(const std::string& requests, const std::string& envelope) {
    if (requests.empty()) return {};
    const MultiMethodAnswer answer = SendMethods(requests, envelope);
    return answer.Succeeded() || answer.anyFailed ? "OK" : "FAILED";
}

void ctlSimpleLinks::AfterLinkChange(const std::string& status) {
    if (status != "OK") return;
    Refresh(Variant(false));
    RaiseExecuteEvent("SimpleLinkUpdate");
}

std::string ctlSimpleLinks::ChangeSelectedRows(const std::string& objectType,
                                               const std::function<std::string(int32_t)>& requestOfRow) {
    if (!ConfirmUnlink(objectType)) return {};
    std::string requests;
    for (int32_t row : SelectedRowList()) requests += requestOfRow(row);
    const std::string status = SendMultiMethodRequest(requests);
    AfterLinkChange(status);
    return status;
}

std::string ctlSimpleLinks::LinkToParent(const std::string& objectType, const std::string& linkKind) {
    const std::string link =
        automation::CallOn(Variant(Obj_Def()), "getLinkBetween2Obj", parentType_, objectType, linkKind).TextOr("");
    return link.empty() ? linkKind : link;
}

}  // namespace noxsimplelinks
