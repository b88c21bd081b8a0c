#include "platform/recordset/RecordsetField.h"

namespace platform {

const automation::MemberTable<RecordsetField>& RecordsetField::Members() {
    static const automation::MemberTable<RecordsetField> table = [] {
        automation::MemberTable<RecordsetField> t;
        t.Property("Name", &RecordsetField::Name).Property("Type", &RecordsetField::Type).Property("Value", &RecordsetField::Value);
        return t;
    }();
    return table;
}

}  // namespace platform
