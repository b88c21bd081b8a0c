#pragma once
// Base of every C++ automation class: routes late-bound calls to the class's member table.
// A class derives from Dispatchable<Self>, names itself in kTypeName and builds its table once in
// a static Members() function.
#include "automation/MemberTable.h"

namespace automation {

template <class Derived>
class Dispatchable : public Dispatch {
public:
    Variant Invoke(std::string_view name, InvokeKind kind, Arguments& args) override {
        try {
            return Derived::Members().Invoke(static_cast<Derived&>(*this), name, kind, args);
        } catch (AutomationError& e) {
            if (e.Source().empty()) e.SetSource(TypeName());
            throw;
        } catch (const std::exception& e) {
            AutomationError mapped = AutomationError::From(e);
            mapped.SetSource(TypeName());
            throw mapped;
        }
    }
    std::string TypeName() const override { return Derived::kTypeName; }
    MemberInfo Describe(std::string_view name) const override { return Derived::Members().Describe(name); }
};

}  // namespace automation
