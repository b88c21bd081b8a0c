#pragma once
// The records of a row set as a table of values by record and field, for filling a grid in one go.
// A row set that offers its columns (platform::ColumnarRows) is read straight from them; any other
// row set object is read once, late-bound, through its Fields.
#include <memory>
#include <optional>
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
    // The texts a field's cells were written with (null data for a missing cell), for a row set that
    // offers its columns; none for any other row set, which Value reads.
    std::optional<platform::FieldTexts> WrittenTexts(int32_t field) const {
        if (!data_) return std::nullopt;
        return data_->Texts(static_cast<size_t>(field));
    }
    // How the field's written texts read as values (Text for a row set that does not offer its columns).
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
