#include "noxsimplelinks/grid/RowSetTable.h"

#include "platform/recordset/ColumnarRows.h"

namespace noxsimplelinks {

using automation::Arguments;
using automation::InvokeKind;
using automation::Variant;

namespace {

Variant Property(const Variant& target, const char* name) {
    Arguments none;
    return automation::InvokeOn(target, name, InvokeKind::PropertyGet, none);
}

}  // namespace

RowSetTable::RowSetTable(const automation::DispatchPtr& rowSet) : keepAlive_(rowSet) {
    if (auto columns = std::dynamic_pointer_cast<platform::ColumnarRows>(rowSet)) {
        records_ = columns->RecordCount();
        data_ = std::shared_ptr<const platform::RecordsetData>(rowSet, &columns->Data());
        return;
    }
    ReadLateBound(rowSet);
}

void RowSetTable::ReadLateBound(const automation::DispatchPtr& rowSet) {
    Variant set(rowSet);
    Variant fields = Property(set, "Fields");
    int32_t count = Property(fields, "Count").ToLong();
    for (int32_t f = 0; f < count; ++f)
        names_.push_back(Property(automation::CallOn(fields, "Item", f), "Name").ToString());
    values_.resize(names_.size());
    records_ = Property(set, "RecordCount").ToLong();
    if (records_ <= 0) return;
    automation::CallOn(set, "MoveFirst");
    for (int32_t r = 0; r < records_ && !Property(set, "EOF").ToBool(); ++r) {
        for (int32_t f = 0; f < count; ++f)
            values_[static_cast<size_t>(f)].push_back(Property(automation::CallOn(fields, "Item", f), "Value"));
        automation::CallOn(set, "MoveNext");
    }
}

int32_t RowSetTable::FieldIndex(const std::string& name) const {
    if (data_) return data_->ColumnIndex(name);
    for (size_t f = 0; f < names_.size(); ++f)
        if (automation::SameName(names_[f], name)) return static_cast<int32_t>(f);
    return -1;
}

Variant RowSetTable::Value(int32_t record, int32_t field) const {
    if (data_) return data_->Value(static_cast<size_t>(record), static_cast<size_t>(field));
    const auto& column = values_[static_cast<size_t>(field)];
    return static_cast<size_t>(record) < column.size() ? column[static_cast<size_t>(record)] : Variant();
}

platform::FieldKind RowSetTable::Kind(int32_t field) const {
    return data_ ? data_->Column(static_cast<size_t>(field)).kind : platform::FieldKind::Text;
}

}  // namespace noxsimplelinks
