#pragma once
// The facade over the grid component "noxgrid.IclsGrid": created with the component, it forwards
// every operation by name with its arguments in order (by reference) and converts the answer to the
// operation's declared type; Resource, objUI_Def and objViewType are stored into the component.
// Failures of the component reach the caller.
#include "automation/Dispatchable.h"

namespace noxsimplelinks {

class clsGridWrapper : public automation::Dispatchable<clsGridWrapper> {
public:
    static constexpr const char* kTypeName = "clsGridWrapper";
    static constexpr const char* kComponentProgId = "noxgrid.IclsGrid";
    static const automation::MemberTable<clsGridWrapper>& Members();

    clsGridWrapper();

    // The key names of the object type and the row's values of those keys, as the component reads them.
    automation::Variant IGetObjectKeysValues(const automation::Variant& grid, const std::string& objectType,
                                             automation::Variant& keys, automation::Variant& values,
                                             const automation::Variant& row = automation::Variant::Missing());
    void SetResource(automation::DispatchPtr resource);
    const automation::DispatchPtr& Component() const { return component_; }

private:
    automation::Variant Forward(std::string_view name, automation::Arguments& args);

    automation::DispatchPtr component_;
};

}  // namespace noxsimplelinks
