#pragma once
// What a row set offers callers in this process that read it whole: its records as columns of the
// texts the server wrote, with each column's kind, without a cursor or field objects. The library
// reads row sets this way when they offer it, and through Fields and MoveNext otherwise.
#include <cstdint>

#include "platform/recordset/RecordsetData.h"

namespace platform {

class ColumnarRows {
public:
    virtual ~ColumnarRows() = default;
    virtual int32_t RecordCount() const = 0;
    // Lives as long as the row set.
    virtual const RecordsetData& Data() const = 0;
};

}  // namespace platform
