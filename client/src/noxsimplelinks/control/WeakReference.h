#pragma once
// A reference to an automation object that does not keep it alive: calls go through to the object
// while it lives and raise 91 afterwards. The control hands itself out this way to the objects it
// owns (the action mapping calls it back), so that neither keeps the other alive.
#include <memory>
#include <string>

#include "automation/Dispatch.h"

namespace noxsimplelinks {

class WeakReference : public automation::Dispatch {
public:
    explicit WeakReference(std::weak_ptr<automation::Dispatch> target) : target_(std::move(target)) {}

    automation::Variant Invoke(std::string_view name, automation::InvokeKind kind, automation::Arguments& args) override;
    std::string TypeName() const override;
    automation::MemberInfo Describe(std::string_view name) const override;
    automation::EventSource* Events() override;

private:
    std::shared_ptr<automation::Dispatch> Target() const;

    std::weak_ptr<automation::Dispatch> target_;
};

}  // namespace noxsimplelinks
