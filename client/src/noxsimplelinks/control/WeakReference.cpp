#include "noxsimplelinks/control/WeakReference.h"

#include "automation/AutomationError.h"

namespace noxsimplelinks {

std::shared_ptr<automation::Dispatch> WeakReference::Target() const {
    auto target = target_.lock();
    if (!target) automation::Raise(automation::errors::kObjectVariableNotSet);
    return target;
}

automation::Variant WeakReference::Invoke(std::string_view name, automation::InvokeKind kind,
                                          automation::Arguments& args) {
    return Target()->Invoke(name, kind, args);
}

std::string WeakReference::TypeName() const {
    auto target = target_.lock();
    return target ? target->TypeName() : "Nothing";
}

automation::MemberInfo WeakReference::Describe(std::string_view name) const {
    auto target = target_.lock();
    return target ? target->Describe(name) : automation::MemberInfo{};
}

automation::EventSource* WeakReference::Events() {
    auto target = target_.lock();
    return target ? target->Events() : nullptr;
}

}  // namespace noxsimplelinks
