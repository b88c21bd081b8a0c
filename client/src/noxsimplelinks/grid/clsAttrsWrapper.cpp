#include "noxsimplelinks/grid/clsAttrsWrapper.h"

#include "automation/ObjectFactory.h"
#include "automation/SafeArray.h"
#include "noxsimplelinks/common/ReportedCall.h"
#include "noxsimplelinks/grid/AttrsUpdate.h"
#include "noxsimplelinks/metadata/clsResWrapper.h"
#include "platform/UserInterface.h"
#include "platform/grid/LateGrid.h"

namespace noxsimplelinks {

using automation::Arguments;
using automation::Bounds;
using automation::SafeArray;
using automation::Variant;

namespace {

constexpr int32_t kCreateMode = 1;
constexpr int32_t kUpdateMode = 2;
constexpr int32_t kDisplayMode = 3;
constexpr int kOmittedInTheMiddle = 6;

Variant Property(const automation::DispatchPtr& target, const char* name) {
    Arguments none;
    return target->Invoke(name, automation::InvokeKind::PropertyGet, none);
}

}  // namespace

const automation::MemberTable<clsAttrsWrapper>& clsAttrsWrapper::Members() {
    using W = clsAttrsWrapper;
    static const automation::MemberTable<W> table = [] {
        automation::MemberTable<W> t;
        t.Method("Init", &W::Init)
            .Method("Create", &W::Create)
            .Method("Display", &W::Display)
            .Method("Display2History", &W::Display2History)
            .Method("Update", &W::Update)
            .Method("getMultiSelectedObjects", &W::getMultiSelectedObjects)
            .ObjectProperty("Grid", &W::Grid, &W::SetGrid)
            .Property("ObjectType", &W::ObjectType, &W::SetObjectType)
            .ObjectProperty("CallingControl", &W::CallingControl, &W::SetCallingControl)
            .ObjectProperty("Resource", &W::Resource, &W::SetResource)
            .Property("objData", &W::objData)
            .ObjectProperty("Buffer", &W::Buffer, &W::SetBuffer);
        return t;
    }();
    return table;
}

void clsAttrsWrapper::Init() { component_ = automation::CreateObject(kComponentProgId); }

automation::DispatchPtr clsAttrsWrapper::Component() {
    if (!component_) Init();
    return component_;
}

automation::DispatchPtr clsAttrsWrapper::Resource() {
    if (!resource_) resource_ = std::make_shared<clsResWrapper>();
    return resource_;
}

std::string clsAttrsWrapper::Text(const std::string& key, std::vector<std::string> parameters) {
    Arguments args{Variant(key)};
    for (std::string& parameter : parameters) args.emplace_back(std::move(parameter));
    return Resource()->Invoke("strResString", automation::InvokeKind::Method, args).ToString();
}

Variant clsAttrsWrapper::objData() { return Property(Component(), "objData"); }

Variant clsAttrsWrapper::Buffer() { return Property(Component(), "Buffer"); }

void clsAttrsWrapper::SetBuffer(const Variant& buffer) { Component()->Set("Buffer", buffer); }

Variant clsAttrsWrapper::Create() {
    return ReportedCall<Variant>("clsAttrsWrapper:Create", [&] {
        return Component()->Call("ShowByObject", objectType_, Variant(kCreateMode), "UI_ENABLED_CREATE");
    });
}

bool clsAttrsWrapper::ShowForSelection(int32_t mode, const Variant& flag, const Variant& comm, const Variant& host) {
    Arguments args{Variant(objectType_), Variant(mode), flag, comm, host};
    args.insert(args.end(), kOmittedInTheMiddle, Variant::Missing());
    args.push_back(Variant(grid_));
    args.push_back(Variant(caller_));
    return Component()->Invoke("ShowByObject", automation::InvokeKind::Method, args).ToBool();
}

bool clsAttrsWrapper::Display(const Variant& comm, const Variant& host) {
    return ReportedCall<bool>("clsAttrsWrapper:Display",
                              [&] { return ShowForSelection(kDisplayMode, Variant::Missing(), comm, host); });
}

bool clsAttrsWrapper::Display2History(const std::string& objectType, const Variant& keys, const Variant& values) {
    return ReportedCall<bool>("clsAttrsWrapper:Display2History", [&] {
        return Component()
            ->Call("ShowByObject", objectType, Variant(kDisplayMode), Variant::Missing(), keys, values)
            .ToBool();
    });
}

bool clsAttrsWrapper::Update(const Variant& comm, const Variant& host, const Variant&) {
    return ReportedCall<bool>("clsAttrsWrapper:Update", [&] {
        if (platform::LateGrid(Variant(grid_)).Long("SelectedRows") > 1) return UpdateSeveral(comm, host);
        return ShowForSelection(kUpdateMode, Variant("UI_ENABLED_UPDATE"), comm, host);
    });
}

Variant clsAttrsWrapper::getMultiSelectedObjects() {
    platform::LateGrid grid{Variant(grid_)};
    int32_t first = grid.Long("FixedCols"), columns = grid.Long("Cols") - first;
    int32_t selected = grid.Long("SelectedRows");
    SafeArray data(Bounds{0, selected}, Bounds{0, columns - 1});
    for (int32_t c = 0; c < columns; ++c) data.At(0, c) = Variant(grid.Text("ColKey", first + c));
    for (int32_t i = 0; i < selected; ++i) {
        int32_t row = grid.Long("SelectedRow", i);
        for (int32_t c = 0; c < columns; ++c) data.At(i + 1, c) = Variant(grid.Cell(row, first + c));
    }
    return Variant(std::move(data));
}

bool clsAttrsWrapper::UpdateSeveral(const Variant& comm, const Variant& host) {
    automation::DispatchPtr dialog = Component();
    if (!dialog->Call("ShowByData", getMultiSelectedObjects(), "UI_ENABLED_MULTI").ToBool()) return false;

    AttrsUpdate update(objectType_, Property(dialog, "arrGridData"), Variant(grid_));
    std::string categoryMethod = dialog->Get("MethodBuffer", "STEPS_METHOD").TextOr("");
    bool changed = update.Send(comm, host, categoryMethod, Text("LBL_NOX_TITLE"));
    const std::vector<std::string>& released = update.Released();
    if (!released.empty()) {
        std::string names;
        for (const std::string& name : released) names += (names.empty() ? "" : ", ") + name;
        std::string label = Text("LBL_" + objectType_ + (released.size() > 1 ? "S" : ""));
        platform::Ui().MsgBox(Text("MSG_CAN_NOT_UPDATE_RELEASED_OBJECTS", {names, label}), ModGeneral::kIconCritical,
                              Text("TTL_CAN_NOT_UPDATE_RELEASED_OBJECTS"));
    }
    dialog->Let("arrGridData", Variant(""));
    return changed;
}

}  // namespace noxsimplelinks
