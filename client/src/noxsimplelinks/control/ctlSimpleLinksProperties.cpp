// The control's properties and the accessors that find its collaborators on first use.
#include <chrono>
#include <cstdio>
#include <ctime>

#include "automation/Collection.h"
#include "automation/ObjectFactory.h"
#include "noxsimplelinks/common/ReportedCall.h"
#include "noxsimplelinks/control/WeakReference.h"
#include "noxsimplelinks/control/ctlSimpleLinks.h"

namespace noxsimplelinks {

using automation::AutomationError;
using automation::DispatchPtr;
using automation::InvokeKind;
using automation::Variant;

DispatchPtr ctlSimpleLinks::Params() {
    if (!params_) params_ = std::make_shared<automation::Collection>();
    return params_;
}

DispatchPtr ctlSimpleLinks::Comm() {
    if (!comm_) comm_ = automation::CreateObject("noxsimplelinks.clsCommWrapper2");
    return comm_;
}

DispatchPtr ctlSimpleLinks::Host() {
    if (host_) return host_;
    try {
        host_ = ContainerObject("Host");
    } catch (...) {
        host_ = nullptr;
    }
    if (!host_) host_ = automation::CreateObject("noxhostservices.clshostservices");
    return host_;
}

DispatchPtr ctlSimpleLinks::Cbars() {
    if (cbars_) return cbars_;
    DispatchPtr fromContainer;
    try {
        fromContainer = ContainerObject("Cbars");
    } catch (...) {
        fromContainer = nullptr;
    }
    cbars_ = fromContainer ? fromContainer : automation::CreateObject("noxsimplelinks.clsCbarsWrapper2");
    return cbars_;
}

std::string ctlSimpleLinks::cacheFilePrefix() const {
    if (!cachePrefix_.empty()) return cachePrefix_;
    std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
    localtime_r(&now, &local);
    char stamp[16];
    std::snprintf(stamp, sizeof stamp, "%02d%02d%02d", local.tm_hour, local.tm_min, local.tm_sec);
    return stamp;
}

std::string ctlSimpleLinks::TreeEffDate() {
    treeEffDate_ = ParamText("EffectivityDate");
    return treeEffDate_;
}

std::string ctlSimpleLinks::WorkspaceMode() {
    workspaceMode_ = ParamText("SpaceMode");
    return workspaceMode_;
}

int32_t ctlSimpleLinks::myHwnd() const {
    // A headless control has no window; its handle is a stable number of its own.
    return static_cast<int32_t>(reinterpret_cast<uintptr_t>(this) & 0x7FFFFFFF);
}

void ctlSimpleLinks::SetWidth(int32_t width) {
    width_ = width;
    Resize();
}

void ctlSimpleLinks::SetHeight(int32_t height) {
    height_ = height;
    Resize();
}

DispatchPtr ctlSimpleLinks::HostOrOwn(DispatchPtr& member, const char* source, const char* hostMember,
                                      const char* ownClass) {
    if (!member) {
        ReportedStep(source, [&] {
            DispatchPtr host = Host();
            member = host ? host->Get(hostMember).ToObject() : automation::CreateObject(ownClass);
        });
    }
    return member;
}

DispatchPtr ctlSimpleLinks::Request() {
    return HostOrOwn(request_, "ctlSimpleLinks:Request", "objRequest", "noxsimplelinks.clsRequestWrapper");
}

DispatchPtr ctlSimpleLinks::Obj_Def() {
    return HostOrOwn(objDef_, "ctlSimpleLinks:Obj_Def", "objObj_Def", "noxsimplelinks.clsObjDefWrapper2");
}

DispatchPtr ctlSimpleLinks::UIDef() {
    if (DispatchPtr fromParams = ParamObject("UI_DEF_OBJ")) return fromParams;
    if (!uiDef_) uiDef_ = automation::CreateObject("noxsimplelinks.clsUI_DefWrapper");
    return uiDef_;
}

DispatchPtr ctlSimpleLinks::Resource() {
    if (!resources_) resources_ = ParamObject("OBJ_RESOURCE");
    return HostOrOwn(resources_, "ctlSimpleLinks.Resource", "objSharedRes", "noxsimplelinks.clsResWrapper");
}

DispatchPtr ctlSimpleLinks::Auth() {
    if (!authorization_) {
        ReportedStep("ctlSimpleLinks.Auth", [&] {
            if (DispatchPtr host = Host()) authorization_ = host->Get("Auth").ToObject();
        });
    }
    return authorization_;
}

DispatchPtr ctlSimpleLinks::ContainerObject(const char* property) {
    automation::Arguments none;
    return automation::InvokeOn(Variant(container_), property, InvokeKind::PropertyGet, none).ToObject();
}

Variant ctlSimpleLinks::Param(const std::string& key) {
    try {
        // Keys that are not there are common: a collection of this runtime is asked without an error.
        DispatchPtr params = Params();
        if (auto own = std::dynamic_pointer_cast<automation::Collection>(params))
            return own->Contains(key) ? own->Item(Variant(key)) : Variant();
        return params->Call("Item", key);
    } catch (...) {
        return Variant();
    }
}

std::string ctlSimpleLinks::ParamText(const std::string& key) {
    try {
        return Param(key).TextOr("");
    } catch (...) {
        return {};
    }
}

DispatchPtr ctlSimpleLinks::ParamObject(const std::string& key) {
    Variant value = Param(key);
    return value.IsObject() ? value.ToObject() : nullptr;
}

DispatchPtr ctlSimpleLinks::SectionNode(const std::string& path) const {
    if (!section_) return nullptr;
    return section_->Call("selectSingleNode", path).ToObject();
}

std::string ctlSimpleLinks::SectionText(const std::string& element) const {
    DispatchPtr node = SectionNode(element);
    if (!node) automation::Raise(automation::errors::kObjectVariableNotSet);
    return node->Get("Text").ToString();
}

std::string ctlSimpleLinks::SectionName() const {
    return section_ ? section_->Get("baseName").ToString() : std::string();
}

automation::Dispatch& ctlSimpleLinks::Fg() const {
    if (!grid_) automation::Raise(automation::errors::kObjectVariableNotSet);
    return *grid_;
}

DispatchPtr ctlSimpleLinks::Self() { return std::make_shared<WeakReference>(weak_from_this()); }

}  // namespace noxsimplelinks
