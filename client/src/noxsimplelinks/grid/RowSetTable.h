#pragma once
// The records of a row set as a table of values by record and field, for filling a grid in one go.
// A row set that offers its columns (platform::ColumnarRows) is read straight from them; any other
// row set object is read once, late-bound, through its Fields.
#include <memory>
#include <string>
#include <vector>

#include "automation/Dispatch.h"
#include "platform/recordset/RecordsetData.h"

namespace noxsimplelinks {

class RowSetTable {
public:
    explicit RowSetTable(const automation::DispatchPtr& rowSet);

    int32_t RecordCount() const { return records_; }
    // The field's index by name, ignoring case; -1 when the row set has no such field.
    int32_t FieldIndex(const std::string& name) const;
    automation::Variant Value(int32_t record, int32_t field) const;
    // The text a cell was written with and how its field reads it, for a row set that offers its
    // columns; null data (and Text) for a missing cell or any other row set, which Value reads.
    std::string_view WrittenText(int32_t record, int32_t field) const {
        return data_ ? data_->Column(static_cast<size_t>(field)).cells[static_cast<size_t>(record)] : std::string_view();
    }
    platform::FieldKind Kind(int32_t field) const;

private:
    void ReadLateBound(const automation::DispatchPtr& rowSet);

    std::shared_ptr<const platform::RecordsetData> data_;
    int32_t records_ = 0;
    std::vector<std::string> names_;                      // late-bound row sets only
    std::vector<std::vector<automation::Variant>> values_;  // per field, per record
    automation::DispatchPtr keepAlive_;
};

}  // namespace noxsimplelinks
