// Opening objects of the pane in new workspaces of the host: the selected objects (or every listed
// one) in a collection, the current object in a structure, a revision named by a history row, and the
// engineering orders of history rows. Each sends the host one workspace description (AddWorkspace).
#include "automation/SafeArray.h"
#include "automation/Text.h"
#include "noxsimplelinks/common/ModGeneral.h"
#include "noxsimplelinks/common/PdmObjectElement.h"
#include "noxsimplelinks/common/ReportedCall.h"
#include "noxsimplelinks/common/clsXmlWrapper.h"
#include "noxsimplelinks/control/ctlSimpleLinks.h"
#include "noxsimplelinks/metadata/ObjectKeyNames.h"
#include "noxsimplelinks/request/clsUtils.h"
#include "platform/UserInterface.h"

namespace noxsimplelinks {

using automation::DispatchPtr;
using automation::SafeArray;
using automation::Variant;

namespace {

std::string Element(const std::string& name, const std::string& text) { return "<" + name + ">" + text + "</" + name + ">"; }

// The type of a new workspace for the pane's objects: files open in document spaces.
std::string SpaceType(const std::string& objectType, const std::string& kind) {
    return (objectType == "FILE" ? std::string("DOC") : objectType) + "_" + kind;
}

std::string FirstText(const Variant& array) {
    if (!array.IsArray() || array.ToArray().UBound(1) < array.ToArray().LBound(1)) return {};
    return array.ToArray().At(array.ToArray().LBound(1)).TextOr("");
}

}  // namespace

std::string ctlSimpleLinks::BuildWorkspaceInfo(const std::string& spaceType, const std::string& elements,
                                               const std::string& mode, const std::string& date, const std::string& from,
                                               const std::string& thru) {
    return "<NOX_WORKSPACE_INFO>" + Element("TYPE", spaceType) + Element("WORKSPACE_MODE", mode) +
           Element("EFFECTIVITY_DATE", date) + Element("EFFECTIVITY_FROM", from) + Element("EFFECTIVITY_THRU", thru) +
           Element("ROOT_OBJECTS", elements) + "</NOX_WORKSPACE_INFO>";
}

void ctlSimpleLinks::AddWorkspace(const std::string& description) { Host()->Call("AddWorkspace", description); }

std::string ctlSimpleLinks::createXmlBySelectedObject(const std::string& objectType, const Variant& keys,
                                                      const Variant& values) {
    return ReportedCall<std::string>("ctlSimpleLinks:createXmlBySelectedObject", [&] {
        if (!keys.IsArray()) return std::string();
        const SafeArray& names = keys.ToArray();
        std::vector<NamedValue> pairs;
        for (int32_t i = names.LBound(1); i <= names.UBound(1); ++i)
            pairs.push_back({names.At(i).TextOr(""), values.ToArray().At(i).TextOr("")});
        return PdmObjectElement(objectType, pairs);
    });
}

std::string ctlSimpleLinks::createXmlBySelectedObjectCollection(const std::string& objectType, const DispatchPtr& selected) {
    return ReportedCall<std::string>("ctlSimpleLinks:createXmlBySelectedObjectCollection", [&] {
        const Variant collection(selected);
        const int32_t count = automation::CallOn(collection, "Count").ToLong();
        const Variant keys = automation::CallOn(collection, "Item", int32_t{1});
        std::string elements;
        for (int32_t i = 2; i <= count; ++i)
            elements += createXmlBySelectedObject(objectType, keys, automation::CallOn(collection, "Item", i));
        return elements;
    });
}

void ctlSimpleLinks::OpenInCollection(const Variant& /*arrKeys*/, const Variant& /*arrValues*/) {
    ReportedStep("ctlWorkspace:OpenInCollection", [&] {
        const std::string elements = createXmlBySelectedObjectCollection(objectType_, collSelectedObjects());
        if (!elements.empty()) AddWorkspace(BuildWorkspaceInfo(SpaceType(objectType_, "COLLECTION"), elements, "", "", "", ""));
    });
}

void ctlSimpleLinks::OpenAllInCollection() {
    ReportedStep("ctlWorkspace:OpenInCollection", [&] {
        const Variant keys = GetObjectKeyNames(objectType_);
        std::string elements;
        for (int32_t row = Fg().Get("FixedRows").ToLong(), rows = Fg().Get("Rows").ToLong(); row < rows; ++row)
            elements += createXmlBySelectedObject(objectType_, keys, ValuesOfRow(keys, row));
        if (!elements.empty()) AddWorkspace(BuildWorkspaceInfo(objectType_ + "_COLLECTION", elements, "", "", "", ""));
    });
}

void ctlSimpleLinks::OpenInStructure(const Variant& arrKeys, const Variant& arrValues, const Variant& /*strMode*/) {
    ReportedStep("ctlWorkspace:OpenInStructure", [&] {
        Variant keys = arrKeys, values = arrValues;
        if (!arrKeys.IsArray()) {
            keys = GetObjectKeyNames(objectType_);
            values = getValuesFromGrid(keys);
        }
        const std::string element = createXmlBySelectedObject(objectType_, keys, values);
        std::string found;
        const std::string status = getValueFromGridByKey(objectType_ + ".STATUS", found);
        const std::string mode = status == "UNDER_CHANGE" || status == "RELEASED" ? "Released" : "Work-in-progress";
        AddWorkspace(BuildWorkspaceInfo(SpaceType(objectType_, "STRUCTURE"), element, mode, "", "", ""));
    });
}

std::string ctlSimpleLinks::HistoryCell(int32_t row, const std::string& column) {
    const Variant col = Fg().Call("ColIndex", objectType_ + "_VAULT_HISTORY." + column);
    return Fg().Get("TextMatrix", Variant(row), col).TextOr("");
}

Variant ctlSimpleLinks::RevisionValues(const Variant& keys, int32_t row, const std::string& revisionColumn) {
    SafeArray values(automation::Bounds{0, 1});
    values.At(0) = Variant(ParamText(FirstText(keys)));
    if (row > 0) values.At(1) = Variant(HistoryCell(row, revisionColumn));
    return Variant(std::move(values));
}

std::pair<std::string, std::string> ctlSimpleLinks::getRequestObjectByKeys(const Variant& keys, const Variant& values) {
    std::pair<std::string, std::string> statusAndDate;
    ReportedStep("clsMainPane:getRequestObjectByKeys", [&] {
        const std::string status = objectType_ + ".STATUS", effective = objectType_ + ".DATE_EFF_FROM";
        const Variant fields(SafeArray::Of({Variant(status), Variant(effective)}));
        DispatchPtr request = Request();
        automation::CallOn(Variant(request), "setparams", std::string());
        automation::CallOn(Variant(request), "setobjects",
                           clsUtils().getObjectsXmlForQueryByKeys(objectType_, fields, keys, values, Variant(std::string())));
        automation::Arguments args{automation::CallOn(Variant(request), "buildrequest", "ZerakQuery"), Variant(), Variant()};
        Variant answer = Comm()->Invoke("SendRequest", automation::InvokeKind::Method, args);
        const std::string resultCode = automation::Upper(args[1].TextOr(""));
        if (resultCode != "OK" && resultCode != "WARNING")
            throw automation::AutomationError(automation::errors::kUserError,
                                              "ERROR = [" + (args[2].IsArray() ? FirstText(args[2]) : args[2].TextOr("")) + "]");
        DispatchPtr rows = clsXmlWrapper().getRecordset(answer.TextOr(""));
        if (!rows || rows->Get("EOF").ToBool()) return;
        statusAndDate = {rows->Get("Collect", status).TextOr(""), rows->Get("Collect", effective).TextOr("")};
    });
    return statusAndDate;
}

void ctlSimpleLinks::OpenHistoryObjectInNewSpace(const std::string& revisionColumn, const std::string& spaceKind) {
    ReportedStep("ctlSimpleLinks:OpenHistoryObjectInNewSpace", [&] {
        const Variant keys = GetObjectKeyNames(objectType_);
        std::string mode, date;
        if ((objectType_ == "FOLDER" || objectType_ == "DOC" || objectType_ == "ITEM") && spaceKind == "STRUCTURE") {
            const auto [status, effective] =
                getRequestObjectByKeys(keys, RevisionValues(keys, Fg().Get("Row").ToLong(), revisionColumn));
            mode = status == "UNDEFINED" ? "Work-in-progress" : "Released";
            date = effective;
        }
        std::string elements;
        for (int32_t i = 0, count = Fg().Get("SelectedRows").ToLong(); i < count; ++i)
            elements += createXmlBySelectedObject(objectType_, keys,
                                                  RevisionValues(keys, Fg().Get("SelectedRow", i).ToLong(), revisionColumn));
        AddWorkspace(BuildWorkspaceInfo(objectType_ + "_" + spaceKind, elements, mode, date, "", ""));
    });
}

void ctlSimpleLinks::OpenEO() {
    ReportedStep("ctlSimpleLinks:OpenEO", [&] {
        const Variant keys = GetObjectKeyNames("EO");
        const int32_t row = Fg().Get("Row").ToLong();
        if (row > 0 && automation::Trimmed(HistoryCell(row, "EO_ID")).empty()) {
            const std::string checkType = HistoryCell(row, "CHECK_TYPE");
            platform::Ui().MsgBox(ResourceText("MSG_CANNOT_OPEN_BP_IN_COLLECTION", {checkType}), ModGeneral::kIconExclamation,
                                  ResourceText("TTL_CANNOT_OPEN_BP_IN_COLLECTION"));
            return;
        }
        std::string elements;
        for (int32_t i = 0, count = Fg().Get("SelectedRows").ToLong(); i < count; ++i) {
            const std::string order = HistoryCell(Fg().Get("SelectedRow", i).ToLong(), "EO_ID");
            if (!automation::Trimmed(order).empty())
                elements += createXmlBySelectedObject("EO", keys, Variant(SafeArray::Of({Variant(order)})));
        }
        if (!elements.empty()) AddWorkspace(BuildWorkspaceInfo("EO_COLLECTION", elements, "", "", "", ""));
    });
}

}  // namespace noxsimplelinks
