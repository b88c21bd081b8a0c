#pragma once
// The fields of a row set: Count, and Item by index (from 0) or by name (ignoring case).
#include <memory>
#include <vector>

#include "automation/Dispatchable.h"
#include "platform/recordset/RecordsetCursor.h"

namespace platform {

class RecordsetFields : public automation::Dispatchable<RecordsetFields> {
public:
    static constexpr const char* kTypeName = "Fields";
    static const automation::MemberTable<RecordsetFields>& Members();
    // The error number of an unknown field.
    static constexpr int32_t kItemNotFound = 3265;

    explicit RecordsetFields(std::shared_ptr<RecordsetCursor> cursor);

    int32_t Count() const { return static_cast<int32_t>(fields_.size()); }
    automation::DispatchPtr Item(const automation::Variant& indexOrName) const;
    // The field index of a position or a name; an unknown one raises 3265.
    size_t IndexOf(const automation::Variant& indexOrName) const;

private:
    std::shared_ptr<RecordsetCursor> cursor_;
    std::vector<automation::DispatchPtr> fields_;
};

}  // namespace platform
