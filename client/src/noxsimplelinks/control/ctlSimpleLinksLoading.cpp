// Loading and displaying the links: Refresh, the synchronous and asynchronous sends, the answer
// into the grid, the selection state, and the attributes of the selected objects.
#include <chrono>

#include "automation/ObjectFactory.h"
#include "automation/SafeArray.h"
#include "automation/Text.h"
#include "noxsimplelinks/common/ModGeneral.h"
#include "noxsimplelinks/common/ReportedCall.h"
#include "noxsimplelinks/control/ctlSimpleLinks.h"
#include "noxsimplelinks/grid/clsGrid.h"
#include "platform/UserInterface.h"

namespace noxsimplelinks {

using automation::AutomationError;
using automation::DispatchPtr;
using automation::Variant;

namespace {

// Runs a step and adds its duration in milliseconds to the counter.
template <class Fn>
void Timed(double& milliseconds, Fn step) {
    const auto start = std::chrono::steady_clock::now();
    try {
        step();
    } catch (...) {
        milliseconds += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        throw;
    }
    milliseconds += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

using automation::Upper;

// The first message of an answer: an array's first element, or the text itself.
std::string FirstMessage(const Variant& messages) {
    if (!messages.IsArray()) return messages.TextOr("");
    const automation::SafeArray& list = messages.ToArray();
    if (list.UBound(1) < list.LBound(1)) return {};
    return list.At(list.LBound(1)).TextOr("");
}

}  // namespace

bool ctlSimpleLinks::Refresh(const Variant& /*bRestore: not examined*/) {
    if (requestPending_) return true;
    try {
        Cbars()->Set("ToolBar", Variant(toolbar_));
        ModGeneral::SetMousePointer(Variant(int32_t{ModGeneral::kPointerHourglass}));
        if (!attributes_) automation::Raise(automation::errors::kObjectVariableNotSet);
        attributes_->Let("ObjectType", Variant(objectType_));
        attributes_->Set("Grid", Variant(grid_));
        if (!parentType_.empty() && !objectType_.empty() && HasParentKeyValues()) {
            times_ = {};
            std::string request;
            Timed(times_.build, [&] { request = BuildLinksRequest(); });
            if (!request.empty()) {
                if (Comm()->TypeName() == "XMLRequestPars") SendSynchronously(request);
                else SendAsynchronously(request);
            }
        }
        ModGeneral::SetMousePointer(Variant(int32_t{ModGeneral::kPointerDefault}));
    } catch (const std::exception& e) {
        platform::Ui().SetMousePointer(ModGeneral::kPointerDefault);
        platform::Ui().MsgBox(AutomationError::From(e).Description(), ModGeneral::kIconCritical, kTypeName);
    }
    return false;
}

void ctlSimpleLinks::SendSynchronously(const std::string& request) {
    automation::Arguments args{Variant(request), Variant(), Variant()};
    Variant answer;
    Timed(times_.send, [&] { answer = Comm()->Invoke("SendRequest", automation::InvokeKind::Method, args); });
    const std::string resultCode = Upper(args[1].TextOr(""));
    if (resultCode == "OK" || resultCode == "WARNING") {
        Timed(times_.fill, [&] { FillGrid(answer.IsString() ? std::move(answer) : Variant(answer.TextOr(""))); });
        Timed(times_.tools, [&] { UpdateToolStates(GetSelectionState()); });
    } else if (resultCode == "FAILED" || resultCode == "ERROR") {
        platform::Ui().MsgBox("ERROR = [" + FirstMessage(args[2]) + "]", ModGeneral::kIconExclamation, kTypeName);
    }
}

void ctlSimpleLinks::SendAsynchronously(const std::string& request) {
    DispatchPtr comm = AsyncComm();
    requestPending_ = true;
    comm->Call("SendAsyncRequest", request);
}

DispatchPtr ctlSimpleLinks::AsyncComm() {
    if (asyncComm_) return asyncComm_;
    // Hidden edge: a load that does not wait goes through the control's own wrapper, not through
    // Comm. The wrapper is opened on the server Comm talks to when Comm names it ("Server"); else its
    // component finds the server in the connection settings.
    DispatchPtr wrapper = automation::CreateObject("noxsimplelinks.clsCommWrapperAsync");
    const std::string server = CommServer();
    if (!server.empty() && !wrapper->Call("Init", server, int32_t{0}, std::string(), "noxcomm2.Icomm").ToBool()) {
        const DispatchPtr failure = wrapper->Get("LastCommError").ToObject();
        throw AutomationError(failure->Get("Number").ToLong(), failure->Get("Description").TextOr(""),
                              failure->Get("Source").TextOr(""));
    }
    asyncCommCookie_ = automation::EventsOf(wrapper).On("RequestResult",
                                             [this](int32_t id, int32_t hr, std::string errors, std::string response) {
                                                 OnRequestResult(id, hr, errors, std::move(response));
                                             });
    asyncComm_ = wrapper;
    return asyncComm_;
}

std::string ctlSimpleLinks::CommServer() {
    try {
        return Comm()->Get("Server").TextOr("");
    } catch (...) {
        return {};  // a communication object that does not name its server
    }
}

void ctlSimpleLinks::OnRequestResult(int32_t /*requestId*/, int32_t /*result*/, const std::string& errors,
                                     std::string response) {
    try {
        if (errors.empty()) {
            Timed(times_.fill, [&] { FillGrid(std::move(response)); });
            Timed(times_.tools, [&] { UpdateToolStates(GetSelectionState()); });
        }
    } catch (...) {
        // The answer's handler reports nothing; the grid stays as FillGrid left it.
    }
    requestPending_ = false;
}

clsGrid& ctlSimpleLinks::GridClass() {
    if (!gridClass_) {
        gridClass_ = std::make_shared<clsGrid>();
        gridClass_->SetResource(Resource());
    }
    return *gridClass_;
}

void ctlSimpleLinks::FillGrid(Variant answer) {
    ReportedStep("ctlSimpleLinks:FillGrid", [&] {
        const Variant columns(SectionNode("GRID_COLS"));
        clsGrid& grid = GridClass();
        grid.SetCachePrefix(cacheFilePrefix());
        grid.LoadGridLayout(Variant(grid_), columns, Variant(UIDef()));
        grid.FillGrid(Variant(grid_), std::move(answer));
        if (Fg().Get("Row").ToLong() != -1) Fg().Let("Row", Variant(int32_t{-1}));
    });
}

std::string ctlSimpleLinks::GetSelectionState() {
    automation::Dispatch& grid = Fg();
    if (grid.Get("Row").ToLong() == -1) return "NEW_EMPTY";
    if (intName_ != "ITEM_AFFECTED") {
        const int32_t selected = grid.Get("SelectedRows").ToLong();
        return selected == 0 ? "NEW_EMPTY" : selected == 1 ? "ROW_SELECTED" : "MRS";
    }
    return grid.Get("RowSel").ToLong() > grid.Get("FixedRows").ToLong() - 1 ? "ROW_SELECTED" : "NEW_EMPTY";
}

bool ctlSimpleLinks::HasParentKeyValues() {
    if (parentType_ == "FILE") return true;
    try {
        Variant keys, values;
        getParentKeysAndValues(keys, values);
        if (!values.IsArray()) return false;
        const automation::SafeArray& list = values.ToArray();
        return list.UBound(1) >= list.LBound(1) && !list.At(list.LBound(1)).TextOr("").empty();
    } catch (...) {
        return false;
    }
}

void ctlSimpleLinks::getParentKeysAndValues(Variant& keys, Variant& values) {
    ReportedStep("ctlSimpleLinks:getParentKeysAndValues", [&] {
        keys = Obj_Def()->Call("getObjectKeys", parentType_);
        if (!keys.IsArray()) return;
        const automation::SafeArray& names = keys.ToArray();
        automation::SafeArray found(automation::Bounds{names.LBound(1), names.UBound(1)});
        for (int32_t i = names.LBound(1); i <= names.UBound(1); ++i) {
            found.At(i) = Variant(std::string());
            if (!parentKeys_.IsArray() || !parentValues_.IsArray()) continue;
            const automation::SafeArray& parentKeys = parentKeys_.ToArray();
            for (int32_t k = parentKeys.LBound(1); k <= parentKeys.UBound(1); ++k) {
                if (parentKeys.At(k).TextOr("") != names.At(i).TextOr("")) continue;
                found.At(i) = parentValues_.ToArray().At(k);
                break;
            }
        }
        values = Variant(std::move(found));
    });
}

void ctlSimpleLinks::Display() {
    UpdateToolStates("IN_PROCESS");
    ReportedStep("ctlSimpleLinks:Display", [&] {
        const Variant attributes(attributes_);
        automation::CallOn(attributes, "Init");
        automation::Arguments buffer{Variant(Params())};
        automation::InvokeOn(attributes, "Buffer", automation::InvokeKind::PropertySet, buffer);
        automation::CallOn(attributes, "Display", Variant(Comm()), Variant(Host()));
    });
    UpdateToolsForSelection();
}

void ctlSimpleLinks::Update() {
    UpdateToolStates("IN_PROCESS");
    bool changed = false;
    ReportedStep("ctlSimpleLinks:Update", [&] {
        const Variant attributes(attributes_);
        automation::CallOn(attributes, "Init");
        automation::Arguments buffer{Variant(Params())};
        automation::InvokeOn(attributes, "Buffer", automation::InvokeKind::PropertySet, buffer);
        changed = automation::CallOn(attributes, "Update", Variant(Comm()), Variant(Host()), Variant(collSelectedObjects())).ToBool();
    });
    if (changed) {
        Refresh(Variant(true));
        RaiseExecuteEvent("SimpleLinkUpdate");
    } else {
        UpdateToolsForSelection();
    }
}

}  // namespace noxsimplelinks
