#pragma once
// One field of a row set: its name, its type and its value in the current record.
#include <memory>

#include "automation/Dispatchable.h"
#include "platform/recordset/RecordsetCursor.h"

namespace platform {

class RecordsetField : public automation::Dispatchable<RecordsetField> {
public:
    static constexpr const char* kTypeName = "Field";
    static const automation::MemberTable<RecordsetField>& Members();

    RecordsetField(std::shared_ptr<RecordsetCursor> cursor, size_t column) : cursor_(std::move(cursor)), column_(column) {}

    std::string Name() const { return cursor_->data->Column(column_).name; }
    int32_t Type() const { return cursor_->data->Column(column_).type; }
    automation::Variant Value() const { return cursor_->data->Value(cursor_->Current(), column_); }

private:
    std::shared_ptr<RecordsetCursor> cursor_;
    size_t column_;
};

}  // namespace platform
