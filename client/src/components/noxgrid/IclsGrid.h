#pragma once
// The grid component ("noxgrid.IclsGrid") as far as this system needs it: it keeps the Resource,
// objUI_Def and objViewType objects it is given and reads an object's key values off a grid row
// (IGetObjectKeysValues). Every other operation of the component raises a clear error naming itself.
#include "automation/Dispatchable.h"

namespace components {

class IclsGrid : public automation::Dispatchable<IclsGrid> {
public:
    static constexpr const char* kTypeName = "IclsGrid";
    static const automation::MemberTable<IclsGrid>& Members();
    // The error of an operation this component does not carry out.
    static constexpr int32_t kNotAvailable = automation::errors::kNotImplemented;

    // keys: the object type's key names ("ITEM.ITEM_KEY", ...); values: the texts of those columns in
    // the row (the grid's current row when omitted; "" for a key without a column). True when the row
    // is a data row and every key has a column.
    bool IGetObjectKeysValues(const automation::Variant& grid, const std::string& objectType, automation::Variant& keys,
                              automation::Variant& values, const automation::Variant& row);

private:
    automation::DispatchPtr resource_, uiDef_, viewType_;
};

}  // namespace components
