#pragma once
// The container a host offers one control (its site): the pane's communication object, host object
// and toolbar services as readable properties, and the control's child controls, added by class
// name through the object factory and found again by name.
#include <string>
#include <utility>
#include <vector>

#include "automation/Dispatchable.h"

namespace platform {

class ControlSite : public automation::Dispatchable<ControlSite> {
public:
    static constexpr const char* kTypeName = "ControlSite";
    static constexpr const char* kProgId = "Platform.ControlSite";
    static const automation::MemberTable<ControlSite>& Members();

    // What the host hands its control; Nothing until the host sets it.
    const automation::Variant& Comm() const { return comm_; }
    void SetComm(const automation::Variant& comm) { comm_ = comm; }
    const automation::Variant& Host() const { return host_; }
    void SetHost(const automation::Variant& host) { host_ = host; }
    const automation::Variant& Cbars() const { return cbars_; }
    void SetCbars(const automation::Variant& cbars) { cbars_ = cbars; }

    // Creates a control of the class by ProgID and keeps it under the name; a name already taken
    // raises 457, an unknown class the factory's 429.
    automation::DispatchPtr AddControl(const std::string& className, const std::string& name);
    // The child control of that name (ignoring case), or null.
    automation::DispatchPtr Control(const std::string& name) const;
    const std::vector<std::pair<std::string, automation::DispatchPtr>>& Controls() const { return controls_; }
    int32_t ControlCount() const { return static_cast<int32_t>(controls_.size()); }
    // The child control at a 1-based position; outside the range raises 9.
    automation::DispatchPtr ControlAt(int32_t index) const;
    // Drops the child controls, as when the pane is torn down.
    void RemoveControls() { controls_.clear(); }

private:
    automation::Variant comm_ = automation::Variant::Nothing();
    automation::Variant host_ = automation::Variant::Nothing();
    automation::Variant cbars_ = automation::Variant::Nothing();
    std::vector<std::pair<std::string, automation::DispatchPtr>> controls_;
};

}  // namespace platform
