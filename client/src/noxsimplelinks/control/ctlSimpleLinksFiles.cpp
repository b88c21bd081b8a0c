// Files and hard copies: viewing, editing and redlining through the file component and the function
// toolkit, locking and unlocking with the hand-built LockTree method, unlinking and deleting, the
// lock information and the storage of a hard copy. The aliases sit in the header.
#include <ctime>

#include "automation/ObjectFactory.h"
#include "automation/SafeArray.h"
#include "automation/Text.h"
#include "noxsimplelinks/common/ModGeneral.h"
#include "noxsimplelinks/common/ReportedCall.h"
#include "noxsimplelinks/control/ctlSimpleLinks.h"
#include "noxsimplelinks/lockinfo/clsLockInformation.h"
#include "noxsimplelinks/metadata/ObjectKeyNames.h"
#include "noxsimplelinks/request/clsUtils.h"
#include "platform/Shell.h"
#include "platform/UserInterface.h"

namespace noxsimplelinks {

using automation::DispatchPtr;
using automation::SafeArray;
using automation::Variant;

namespace {

constexpr const char* kDataset = "DATASET";
constexpr const char* kApplicationKey = "DOC.ORIGINATING_APP";

// Today as the server takes a date: MM/DD/YYYY.
std::string Today() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    return std::string(text, std::strftime(text, sizeof text, "%m/%d/%Y", &local));
}

std::string TextAt(const Variant& array, int32_t offset) {
    if (!array.IsArray()) return {};
    const SafeArray& a = array.ToArray();
    return a.LBound() + offset <= a.UBound() ? a.At(a.LBound() + offset).TextOr("") : "";
}

// The array with one more entry at its end.
Variant Appended(const Variant& array, const std::string& text) {
    SafeArray a = array.ToArray();
    a.ReDim(automation::Bounds{a.LBound(), a.UBound() + 1}, true);
    a.At(a.UBound()) = Variant(text);
    return Variant(std::move(a));
}

std::string WithoutRequestTags(std::string text) {
    for (const std::string tag : {"<Request>", "</Request>"})
        for (size_t at; (at = text.find(tag)) != std::string::npos;) text.erase(at, tag.size());
    return text;
}

}  // namespace

void ctlSimpleLinks::GetFileRowData(Variant& keys, Variant& values, std::string& format, std::string& fileName) {
    keys = GetObjectKeyNames("FILE");
    values = keys.IsArray() ? getValuesFromGrid(keys) : Variant();
    std::string found;
    format = getValueFromGridByKey("FILE.FORMAT", found);
    fileName = getValueFromGridByKey("FILE.FILE_NAME", found);
}

std::string ctlSimpleLinks::BuildLockTreeMethod(const std::string& objectType, const std::vector<std::string>& keys,
                                                const std::vector<std::string>& values, const std::string& action) {
    std::string text = "<Method><Name>LockTree</Name><_ACTION>" + action + "</_ACTION><OBJECT>" + objectType + "</OBJECT>";
    for (size_t i = 0; i < keys.size(); ++i)
        text += "<" + keys[i] + ">" + (i < values.size() ? values[i] : "") + "</" + keys[i] + ">";
    return text + "<DATE>" + Today() + "</DATE><LEVELS>1</LEVELS></Method>";
}

std::string ctlSimpleLinks::WrapInRequest(const std::string& text) {
    std::string connection;
    try {
        connection = automation::CreateObject("noxconn2.IConnect")->Get("ConnectInfo").TextOr("");
    } catch (const std::exception&) {
        connection.clear();  // no connection component: the request goes without the connection text
    }
    return "<Request>" + connection + text + "</Request>";
}

void ctlSimpleLinks::SendFileLock(const std::string& action) {
    Variant keys, values;
    std::string format, fileName;
    GetFileRowData(keys, values, format, fileName);
    SendSingleRequest(WrapInRequest(
        BuildLockTreeMethod(kDataset, {"KEY", "REVISION"}, {TextAt(values, 0), TextAt(values, 1)}, action)));
}

void ctlSimpleLinks::LockFile() {
    ReportedStep("ctlSimpleLinks:LockFile", [&] {
        SendFileLock("LOCK");
        Refresh();
    });
}

void ctlSimpleLinks::UnlockFile() {
    ModGeneral::SetPointer(ModGeneral::kPointerHourglass);
    ReportedStep("ctlSimpleLinks:UnlockFile", [&] {
        if (automation::Trimmed(HostText("WorkDirForedit")).empty())
            throw automation::AutomationError(automation::errors::kUserError, ResourceText("MSG_EDIT_FOLDER_NOT_SET"));
        Variant keys, values;
        std::string format, fileName;
        GetFileRowData(keys, values, format, fileName);
        const Variant edited = Host()->Get("EditedFiles");
        const std::string fileId = TextAt(values, 0);
        if (automation::CallOn(edited, "Exists", fileId).ToBool()) {
            if (platform::Ui().MsgBox(ResourceText("MSG_QUA_UNLOCK_FILE"), ModGeneral::kYesNo + ModGeneral::kIconExclamation,
                                      ResourceText("LBL_NOX_TITLE")) != platform::kAnswerYes)
                return;
            automation::CallOn(edited, "Remove", fileId);
        }
        SendFileLock("UNLOCK");
        Refresh(Variant(true));
    });
    ModGeneral::SetPointer(ModGeneral::kPointerDefault);
}

void ctlSimpleLinks::ShowViewFileDlg() {
    ReportedStep("ctlSimpleLinks:ShowViewFileDlg", [&] {
        Variant keys, values;
        GetRowKeyValues(Fg().Get("Row").ToLong(), keys, values);
        std::string parameters = "<OBJECT_TYPE>" + objectType_ + "</OBJECT_TYPE><KEYS>";
        for (int32_t i = 0; keys.IsArray() && i <= keys.ToArray().UBound() - keys.ToArray().LBound(); ++i)
            parameters += "<" + TextAt(keys, i) + ">" + TextAt(values, i) + "</" + TextAt(keys, i) + ">";
        RaiseExecuteEvent("ShowLinksViewFileDlg", parameters + "</KEYS>");
    });
}

DispatchPtr ctlSimpleLinks::FileComponent() {
    DispatchPtr file = automation::CreateObject("noxfile2.iclsfile");
    file->Set("Host", Variant(Host()));
    file->Set("Comm", Variant(Comm()));
    return file;
}

void ctlSimpleLinks::ShowEditFileDlg() {
    ReportedStep("ctlSimpleLinks:ShowEditFileDlg", [&] {
        const DispatchPtr file = FileComponent();
        Variant keys, values;
        GetRowKeyValues(Fg().Get("Row").ToLong(), keys, values);
        if (!keys.IsArray() || !values.IsArray()) return;
        if (!file->Call("Edit", keys, values, Variant::Missing(), objectType_).ToBool()) return;
        const std::string fileId = file->Call("GetAttributeValue", "FILE.FILE_ID").TextOr("");
        const Variant edited = Host()->Get("EditedFiles");
        if (!automation::CallOn(edited, "Exists", fileId).ToBool()) automation::CallOn(edited, "Add", fileId);
    });
}

void ctlSimpleLinks::OpenInIntegration(const char* operation, bool withoutRow) {
    ModGeneral::SetPointer(ModGeneral::kPointerHourglass);
    ReportedStep(std::string("ctlSimpleLinks:") + (withoutRow ? "ViewFileInIntegration" : "EditFileInIntegration"), [&] {
        const int32_t row = Fg().Get("Row").ToLong();
        Variant keys, values;
        if (row >= 1 || !withoutRow) {
            GetRowKeyValues(row, keys, values);
            std::string found;
            const std::string application = getValueFromGridByKey(objectType_ + ".ORIGINATING_APP", found);
            if (!keys.IsArray() || !values.IsArray() || application.empty()) return;
            keys = Appended(keys, kApplicationKey);
            values = Appended(values, application);
        }
        const DispatchPtr toolkit = automation::CreateObject("noxfunctoolkit.iclsfunctoolkit");
        toolkit->Set("CallingClass", Variant(Self()));
        toolkit->Call(operation, objectType_, keys, values);
    });
    ModGeneral::SetPointer(ModGeneral::kPointerDefault);
}

void ctlSimpleLinks::EditFileInIntegration() { OpenInIntegration("Edit", false); }

void ctlSimpleLinks::ViewFileInIntegration() { OpenInIntegration("View", true); }

void ctlSimpleLinks::ViewFileForItemInBrowser() {
    ReportedStep("ctlSimpleLinks:ViewFileForItemInBrowser", [&] {
        const DispatchPtr file = FileComponent();
        Variant keys, values;
        GetRowKeyValues(Fg().Get("Row").ToLong(), keys, values);
        if (keys.IsArray() && values.IsArray()) file->Call("ViewInBrowser", keys, values, Variant::Missing(), objectType_);
    });
}

void ctlSimpleLinks::RunRedline(const char* operation, const char* source) {
    ModGeneral::SetPointer(ModGeneral::kPointerHourglass);
    ReportedStep(source, [&] {
        file_ = FileComponent();
        file_->Events()->Connect([this](std::string_view event, automation::Arguments& args) { OnFileProgress(event, args); });
        Variant keys, values;
        GetRowKeyValues(Fg().Get("Row").ToLong(), keys, values);
        if (keys.IsArray() && values.IsArray()) file_->Call(operation, keys, values, int32_t{0}, objectType_, "DOC", "BP");
    });
    ModGeneral::SetPointer(ModGeneral::kPointerDefault);
    file_ = nullptr;
}

void ctlSimpleLinks::ViewWithRedlineFile() { RunRedline("ViewWithRedline", "ctlSimpleLinks:ViewWithRedlineFile"); }

void ctlSimpleLinks::RedlineFileInBrowser() { RunRedline("RedlineInBrowser", "ctlSimpleLinks:RedlineFileInBrowser"); }

void ctlSimpleLinks::OnFileProgress(std::string_view event, automation::Arguments& args) {
    if (!automation::SameName(event, "ProgEvent") || args.empty()) return;
    const std::string mode = args.front().TextOr("");
    if (mode != "VIEW" && mode != "REDLINE_MARKUP" && mode != "VIEW_REDLINE_MARKUP") return;
    platform::SystemShell().OpenDocument(args.back().TextOr(""));
}

std::string ctlSimpleLinks::DeleteRequestOfRow(const std::string& objectType, int32_t row) {
    Variant keys, values;
    GetRowKeyValues(row, keys, values);
    if (!keys.IsArray()) return {};
    const std::string objects = clsUtils().getObjectsXmlForCreateLink(parentType_, objectType, parentKeys_, parentValues_,
                                                                      keys, values, "REFERENCE_LINK", Variant());
    const bool file = objectType == "FILE" || objectType == "HARD_COPY";
    return WithoutRequestTags(BuildMethodRequest(file ? "UnlinkAndDeleteFile" : "UnlinkAndDeleteObject", objects));
}

bool ctlSimpleLinks::DeleteSelectedRows(const std::string& objectType) {
    std::string requests;
    for (int32_t row : SelectedRowList()) {
        if (platform::Ui().MsgBox(ResourceText("MSG_CONFIRM_DELETE", {ResourceText("LBL_" + objectType)}),
                                  ModGeneral::kOkCancel + ModGeneral::kIconExclamation,
                                  ResourceText("MSG_CONFIRM_DELETE_TITLE")) != platform::kAnswerOk)
            continue;
        requests += DeleteRequestOfRow(objectType, row);
    }
    if (requests.empty() || !SendMethods(requests, "MultiMethodsRequest").Succeeded()) return false;
    Refresh(Variant(false));
    return true;
}

void ctlSimpleLinks::UnlinkAndDeleteFile() {
    ReportedStep("ctlSimpleLinks:UnlinkAndDeleteFile", [&] {
        if (DeleteSelectedRows("FILE")) RaiseExecuteEvent("SimpleLinkUpdate");
    });
}

void ctlSimpleLinks::UnlinkAndDeleteHardCopy() {
    ReportedStep("ctlSimpleLinks:UnlinkAndDeleteHardCopy", [&] {
        const std::vector<int32_t> rows = SelectedRowList();
        if (rows.empty()) return;
        const std::string question = rows.size() == 1
                                         ? ResourceText("MSG_CONFIRM_DELETE", {ResourceText("LBL_HARD_COPY")})
                                         : ResourceText("MSG_CONFIRM_DELETE_SELECTED", {ResourceText("LBL_HARD_COPIES")});
        if (platform::Ui().MsgBox(question, ModGeneral::kOkCancel + ModGeneral::kIconExclamation,
                                  ResourceText("MSG_CONFIRM_DELETE_TITLE")) != platform::kAnswerOk)
            return;
        bool sent = false;
        for (int32_t row : rows) {
            const std::string request = DeleteRequestOfRow("HARD_COPY", row);
            if (request.empty()) continue;
            SendMethods(request, "GeneralRequest");
            sent = true;
        }
        // Rows were deleted, or a failure was shown: either way the grid shows the server's state again.
        if (sent) Refresh(Variant(true));
    });
}

void ctlSimpleLinks::DisplayLockInfo() {
    ReportedStep("ctlSimpleLinks:DisplayLockInfo", [&] {
        auto information = std::make_shared<clsLockInformation>();
        information->SetCallingClass(Variant(Self()));
        information->SetTabName(SectionName());
        information->DisplayLockInfo();
    });
}

void ctlSimpleLinks::DisplayStorage() {
    ReportedStep("ctlSimpleLinks:DisplayStorage", [&] {
        const Variant keys = GetObjectKeyNames("STORTREE");
        std::string found;
        const std::string storage = getValueFromGridByKey("HARD_COPY.STORAGE_ID", found);
        automation::CreateObject("noxAttrs.IclsAttributes")
            ->Call("ShowByObject", "STORTREE", int32_t{3}, Variant::Missing(), keys, Variant(SafeArray::Of({Variant(storage)})));
    });
}

}  // namespace noxsimplelinks
