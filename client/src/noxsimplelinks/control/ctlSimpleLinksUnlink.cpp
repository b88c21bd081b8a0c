// Removing links: references, structure links, keywords, customers, objects of a modification,
// objects attached to an engineering order, projects' access; and locking attached objects to their
// order. Each command reads the selection, asks where it must, sends and judges the answer by the
// single-request or the multi-method rules (ctlSimpleLinksChanges.cpp).
#include <optional>

#include "automation/SafeArray.h"
#include "automation/Text.h"
#include "noxsimplelinks/common/ModGeneral.h"
#include "noxsimplelinks/common/ReportedCall.h"
#include "noxsimplelinks/common/clsXmlWrapper.h"
#include "noxsimplelinks/control/ctlSimpleLinks.h"
#include "noxsimplelinks/metadata/ObjectKeyNames.h"
#include "noxsimplelinks/request/RequestFragments.h"
#include "noxsimplelinks/request/clsUtils.h"
#include "platform/UserInterface.h"

namespace noxsimplelinks {

using automation::SafeArray;
using automation::Variant;
using RequestFragments::KeyedObject;

namespace {

constexpr const char* kSendFailed = "Faild to send Request";
constexpr const char* kOwnerProjectCode = "E-140003-ERR_UNAUTH_OWNER_PROJ";

// A link-attribute list of one attribute.
Variant OneAttribute(const std::string& name, const std::string& value) {
    SafeArray list(automation::Bounds{0, 0}, automation::Bounds{0, 1});
    list.At(0, 0) = Variant(name);
    list.At(0, 1) = Variant(value);
    return Variant(std::move(list));
}

std::string FirstText(const Variant& array) {
    if (!array.IsArray() || array.ToArray().UBound(1) < array.ToArray().LBound(1)) return {};
    return array.ToArray().At(array.ToArray().LBound(1)).TextOr("");
}

std::string TextAt(const Variant& array, int32_t index) {
    if (!array.IsArray() || index > array.ToArray().UBound(1)) return {};
    return array.ToArray().At(index).TextOr("");
}

// The first message of the first method answer; none when there is none.
std::optional<Variant> FirstMethodMessage(const Variant& answer) {
    const Variant responses = automation::CallOn(answer, "MethodResponses");
    if (automation::CallOn(responses, "Count").ToLong() < 1) return std::nullopt;
    const Variant messages = automation::CallOn(automation::CallOn(responses, "Item", int32_t{1}), "Messages");
    if (automation::CallOn(messages, "Count").ToLong() < 1) return std::nullopt;
    return automation::CallOn(messages, "Item", int32_t{1});
}

}  // namespace

void ctlSimpleLinks::LinkEnd(const std::string& type, Variant& keys, Variant& values) {
    keys = GetObjectKeyNames(type);
    if (Fg().Call("ColIndex", FirstText(keys)).ToLong() >= 0) {
        values = getValuesFromGrid(keys);
    } else if (automation::SameName(type, parentType_)) {
        keys = parentKeys_;
        values = parentValues_;
    } else {
        values = Variant();
    }
}

std::string ctlSimpleLinks::UnlinkSelected(const std::string& objectType, const std::string& linkName) {
    clsUtils utils;
    return ChangeSelectedRows(objectType, [&](int32_t row) {
        Variant keys, values;
        GetRowKeyValues(row, keys, values);
        if (!keys.IsArray()) return std::string();
        const std::string link = LinkToParent(objectType, linkName);
        return BuildMethodRequest("DeleteLinkWithoutConnection",
                                  utils.getObjectsXmlForCreateLink(parentType_, objectType, parentKeys_, parentValues_,
                                                                   keys, values, link, Variant()));
    });
}

void ctlSimpleLinks::UnlinkReference() {
    ReportedStep("ctlSimpleLinks:UnlinkReference", [&] {
        const bool reference = objectType_ == "MATERIAL" || (objectType_ == "FORMULA" && parentType_ != "FORMULA");
        UnlinkSelected(objectType_, reference ? "REFERENCE_LINK" : "LOGICAL_LINK");
    });
}

void ctlSimpleLinks::UnlinkParentChild() {
    ReportedStep("ctlSimpleLinks:UnlinkParentChild", [&] {
        const std::string link = intName_ == "PARENT" || intName_ == "WHEREUSED" ? "PARENT_LINKS"
                                 : intName_ == "CHILD"                           ? "CHILD_LINKS"
                                                                                 : "REFERENCE_LINK";
        UnlinkSelected(objectType_, link);
    });
}

void ctlSimpleLinks::UnlinkChildParent() {
    ReportedStep("ctlSimpleLinks:UnlinkChildParent", [&] {
        clsUtils utils;
        const int32_t findNoCol = Fg().Call("ColIndex", "PARENT_LINKS.FIND_NO").ToLong();
        ChangeSelectedRows(objectType_, [&](int32_t row) {
            Variant keys, values;
            GetRowKeyValues(row, keys, values);
            if (!keys.IsArray()) return std::string();
            const std::string findNo = findNoCol >= 0 ? Fg().Get("TextMatrix", row, findNoCol).TextOr("") : "";
            return BuildMethodRequest("DeleteLinkWithoutConnection",
                                      utils.getObjectsXmlForCreateLink(parentType_, "ITEM", parentKeys_, parentValues_, keys,
                                                                       values, "PARENT_LINKS",
                                                                       OneAttribute("FIND_NO", findNo)));
        });
    });
}

void ctlSimpleLinks::RemoveKeyWord() {
    ReportedStep("ctlSimpleLinks:RemoveKeyWord", [&] {
        const Variant keys = GetObjectKeyNames("KEY_GLOSS");
        const std::string objects = clsUtils().getObjectsXmlForCreateLink(
            parentType_, "KEY_GLOSS", parentKeys_, parentValues_, keys, getValuesFromGrid(keys), "RELATED_KEYWORD", Variant());
        const std::string request = BuildMethodRequest("DeleteLink", objects);
        if (!request.empty()) {
            SendSingleRequest(request);
            Refresh(Variant(false));
        }
    });
    ModGeneral::SetPointer(ModGeneral::kPointerDefault);
}

void ctlSimpleLinks::UnlinkItemCustomer() {
    ReportedStep("ctlSimpleLinks:UnlinkItemCustomer", [&] {
        if (!ConfirmUnlink(objectType_)) return;
        Variant itemKeys, itemValues, customerKeys, customerValues;
        LinkEnd("ITEM", itemKeys, itemValues);
        LinkEnd("CUSTOMER", customerKeys, customerValues);
        const std::string catalogueNumber = GridCell("Row", "RELATED_CUSTOMER.CUSTOMER_CAT_NO");
        const std::string link =
            automation::CallOn(Variant(Obj_Def()), "getLinkBetween2Obj", "ITEM", "CUSTOMER", "REFERENCE_LINK").TextOr("");
        const std::string objects =
            clsUtils().getObjectsXmlForCreateLink("ITEM", "CUSTOMER", itemKeys, itemValues, customerKeys, customerValues,
                                                  link, OneAttribute("CUSTOMER_CAT_NO", catalogueNumber));
        SendSingleRequest(BuildMethodRequest("DeleteLink", objects));
        Refresh(Variant(false));
    });
}

void ctlSimpleLinks::UnlinkObjectFromModification() {
    ReportedStep("ctlSimpleLinks:UnlinkObjectFromModification", [&] {
        clsUtils utils;
        const Variant keys = GetObjectKeyNames(objectType_);
        const std::string objects =
            RequestFragments::TwoObjects(utils, {"MODIFICATION", parentKeys_, parentValues_, "IN_OBJECT1"},
                                         {objectType_, keys, getValuesFromGrid(keys), "IN_OBJECT2"});
        std::string resultCode;
        Variant messages;
        SendRequest(BuildMethodRequest("UnlinkObjectFromTop", objects), resultCode, messages);
        resultCode = automation::Upper(resultCode);
        if (resultCode == "ERROR" || resultCode == "FAILED") {
            const auto message = FirstMethodMessage(automation::CallOn(Variant(Comm()), "Response"));
            const std::string text = message ? automation::CallOn(*message, "Description").TextOr("") : "";
            platform::Ui().MsgBox(text, 0, ResourceText("LBL_NOX_NAME"));
            return;
        }
        Refresh(Variant(false));
    });
}

void ctlSimpleLinks::UnlinkAttachObject() {
    ReportedStep("ctlSimpleLinks:UnlinkAttachObject", [&] {
        clsUtils utils;
        const Variant orderId(FirstText(parentValues_));
        const Variant routeId(parentType_ == "EO" ? ParamText("EO.ROUTE_ID") : TextAt(parentValues_, 1));
        ChangeSelectedRows(objectType_, [&](int32_t row) {
            Variant keys, values;
            GetRowKeyValues(row, keys, values);
            if (!keys.IsArray()) return std::string();
            return BuildMethodRequest("ZerakEoDetachObjectWithoutInObject",
                                      utils.getZerakEoDetachObjectRequest(objectType_, orderId, routeId, keys, values));
        });
    });
}

void ctlSimpleLinks::LockAttachObject() {
    ReportedStep("ctlSimpleLinks:LockAttachObject", [&] {
        clsUtils utils;
        const int32_t lockCol = Fg().Call("ColIndex", objectType_ + ".LOCK_TYPE").ToLong();
        std::string requests;
        for (int32_t row : SelectedRowList()) {
            Variant keys, values;
            GetRowKeyValues(row, keys, values);
            if (!keys.IsArray()) continue;
            const std::string state = lockCol >= 0 ? Fg().Get("TextMatrix", row, lockCol).TextOr("") : "";
            const std::string lock = state == "Locked" ? "FALSE" : state == "Unlocked" ? "TRUE" : "";
            requests += BuildMethodRequest("EoLockObjectWithoutConnection",
                                           RequestFragments::TwoObjects(utils, {parentType_, parentKeys_, parentValues_, "IN_OBJECT"},
                                                                        {objectType_, keys, values, "IN_OBJECT1"}),
                                           RequestFragments::LockParams(lock));
        }
        if (SendMultiMethodRequest(requests).empty()) return;
        Refresh(Variant(false));
    });
}

void ctlSimpleLinks::UnAuthorizeToProject() {
    ReportedStep("ctlSimpleLinks:UnAuthorizeToProject", [&] {
        const std::string question = ResourceText("MSG_REMOVE_AUTHORIZATION", {ResourceText("LBL_" + parentType_)});
        const int buttons = ModGeneral::kYesNo + ModGeneral::kIconExclamation;
        if (platform::Ui().MsgBox(question, buttons, ResourceText("TTL_REMOVE_AUTHORIZATION")) != platform::kAnswerYes)
            return;
        std::vector<std::string> projects;
        for (int32_t row : SelectedRowList()) {
            Variant keys, values;
            GetRowKeyValues(row, keys, values);
            projects.push_back(FirstText(values));
        }
        const std::string objects = RequestFragments::ProjectObjects(parentType_, FirstText(parentKeys_),
                                                                     FirstText(parentValues_), projects);
        const std::string title = ResourceText("TTL_CANNOT_REMOVE_ACCESS_TO_PROJECT");
        std::string resultCode, answer;
        Variant messages;
        try {
            answer = SendRequest(BuildMethodRequest("UnAuthorizeToProject", objects, RequestFragments::RecursiveParams()),
                                 resultCode, messages);
        } catch (const std::exception&) {
            answer.clear();
        }
        if (answer.empty()) {
            platform::Ui().MsgBox(kSendFailed, ModGeneral::kIconCritical, title);
            return;
        }
        if (const auto message = FirstMethodMessage(automation::CallOn(Variant(Comm()), "Response"))) {
            std::string text = automation::CallOn(*message, "Description").TextOr("");
            if (automation::CallOn(*message, "Code").TextOr("") == kOwnerProjectCode) {
                clsXmlWrapper data;
                std::string error;
                data.loadXmlString(automation::CallOn(*message, "Data").TextOr(""), error);
                auto arg = [&](const std::string& name) {
                    return data.selectNode("//Data/Replace/@" + name) ? data.getNodeText("//Data/Replace/@" + name) : "";
                };
                text = ResourceText("MSG_PROJECT_IS_OWNER_OF_OBJECT",
                                    {arg("Arg1"), ResourceText("LBL_" + arg("Arg2")), arg("Arg3")});
            }
            platform::Ui().MsgBox(text, ModGeneral::kIconCritical, title);
            return;
        }
        RaiseExecuteEvent("SimpleLinkUpdate");
        RaiseExecuteEvent("RefreshPropertyPane");
    });
}

}  // namespace noxsimplelinks
