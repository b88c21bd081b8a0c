#pragma once
// The table of a row set and its current record, shared by the row set and its field objects so
// that a field reads the record the row set stands on.
#include <memory>

#include "automation/AutomationError.h"
#include "platform/recordset/RecordsetData.h"

namespace platform {

struct RecordsetCursor {
    // The error number of a read or move without a current record.
    static constexpr int32_t kNoCurrentRecord = 3021;

    std::shared_ptr<const RecordsetData> data;
    int64_t position = 0;  // -1 before the first record, RecordCount after the last

    bool Bof() const { return position < 0 || data->RecordCount() == 0; }
    bool Eof() const { return position >= static_cast<int64_t>(data->RecordCount()); }
    size_t Current() const {
        if (Bof() || Eof())
            throw automation::AutomationError(kNoCurrentRecord,
                                              "Either BOF or EOF is True: there is no current record.");
        return static_cast<size_t>(position);
    }
};

}  // namespace platform
