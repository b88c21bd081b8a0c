#pragma once
// An object of another make as far as the library can tell: it forwards every call by name to the
// object it wraps, and the objects it answers come wrapped too, so that only the late-bound paths
// serve (none of the platform's typed interfaces is offered).
#include <memory>
#include <string>

#include "automation/Dispatch.h"

namespace testsupport {

class LateBoundProxy : public automation::Dispatch {
public:
    explicit LateBoundProxy(automation::DispatchPtr inner) : inner_(std::move(inner)) {}

    static automation::DispatchPtr Of(automation::DispatchPtr inner) {
        return std::make_shared<LateBoundProxy>(std::move(inner));
    }

    automation::Variant Invoke(std::string_view name, automation::InvokeKind kind,
                               automation::Arguments& args) override {
        automation::Variant answer = inner_->Invoke(name, kind, args);
        if (answer.IsObject() && !answer.IsNothing()) return automation::Variant(Of(answer.ToObject()));
        return answer;
    }
    std::string TypeName() const override { return inner_->TypeName(); }
    automation::MemberInfo Describe(std::string_view name) const override { return inner_->Describe(name); }
    automation::EventSource* Events() override { return inner_->Events(); }

private:
    automation::DispatchPtr inner_;
};

}  // namespace testsupport
