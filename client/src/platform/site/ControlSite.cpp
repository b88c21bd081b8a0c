#include "platform/site/ControlSite.h"

#include "automation/ObjectFactory.h"

namespace platform {

using automation::DispatchPtr;
using automation::Variant;

const automation::MemberTable<ControlSite>& ControlSite::Members() {
    static const auto table = [] {
        automation::MemberTable<ControlSite> t;
        t.ObjectProperty("Comm", &ControlSite::Comm, &ControlSite::SetComm)
            .ObjectProperty("Host", &ControlSite::Host, &ControlSite::SetHost)
            .ObjectProperty("Cbars", &ControlSite::Cbars, &ControlSite::SetCbars)
            .Method("AddControl", &ControlSite::AddControl)
            .Method("Control", [](ControlSite& s, const std::string& name) { return Variant(s.Control(name)); })
            .Property("ControlCount", &ControlSite::ControlCount)
            .Method("ControlAt", &ControlSite::ControlAt)
            .Method("RemoveControls", &ControlSite::RemoveControls);
        return t;
    }();
    return table;
}

DispatchPtr ControlSite::AddControl(const std::string& className, const std::string& name) {
    if (Control(name)) {
        throw automation::AutomationError(automation::errors::kKeyAlreadyAssociated,
                                          "There is already a control named \"" + name + "\"", kTypeName);
    }
    DispatchPtr control = automation::CreateObject(className);
    controls_.emplace_back(name, control);
    return control;
}

DispatchPtr ControlSite::Control(const std::string& name) const {
    for (const auto& [controlName, control] : controls_) {
        if (automation::SameName(controlName, name)) return control;
    }
    return nullptr;
}

DispatchPtr ControlSite::ControlAt(int32_t index) const {
    if (index < 1 || index > ControlCount()) automation::Raise(automation::errors::kSubscriptOutOfRange);
    return controls_[static_cast<size_t>(index - 1)].second;
}

}  // namespace platform
