#include "platform/recordset/RecordsetFields.h"

#include "platform/recordset/RecordsetField.h"

namespace platform {

const automation::MemberTable<RecordsetFields>& RecordsetFields::Members() {
    static const automation::MemberTable<RecordsetFields> table = [] {
        automation::MemberTable<RecordsetFields> t;
        t.Property("Count", &RecordsetFields::Count).Property("Item", &RecordsetFields::Item);
        return t;
    }();
    return table;
}

RecordsetFields::RecordsetFields(std::shared_ptr<RecordsetCursor> cursor) : cursor_(std::move(cursor)) {
    for (size_t c = 0; c < cursor_->data->ColumnCount(); ++c)
        fields_.push_back(std::make_shared<RecordsetField>(cursor_, c));
}

automation::DispatchPtr RecordsetFields::Item(const automation::Variant& indexOrName) const {
    return fields_[IndexOf(indexOrName)];
}

size_t RecordsetFields::IndexOf(const automation::Variant& indexOrName) const {
    int32_t index = indexOrName.IsString() ? cursor_->data->ColumnIndex(indexOrName.ToString()) : indexOrName.ToLong();
    if (index < 0 || index >= Count())
        throw automation::AutomationError(kItemNotFound, "Item cannot be found in the collection corresponding to the "
                                                         "requested name or ordinal: " + indexOrName.TextOr("") + ".");
    return static_cast<size_t>(index);
}

}  // namespace platform
