#pragma once
// A row set read from a persisted row-set document: its records, walked with a cursor, and its
// fields. Typed readers go to Data() directly instead of through field objects.
#include <memory>
#include <string>

#include "automation/Dispatchable.h"
#include "platform/recordset/ColumnarRows.h"
#include "platform/recordset/RecordsetCursor.h"
#include "platform/recordset/RecordsetFields.h"

namespace platform {

class Recordset : public automation::Dispatchable<Recordset>, public ColumnarRows {
public:
    static constexpr const char* kTypeName = "Recordset";
    static const automation::MemberTable<Recordset>& Members();

    explicit Recordset(std::shared_ptr<const RecordsetData> data);
    // The row set of a document text; null when the document holds no data element. A text that
    // is not well-formed raises an automation error.
    static std::shared_ptr<Recordset> FromXml(std::shared_ptr<const std::string> text);

    int32_t RecordCount() const override { return static_cast<int32_t>(cursor_->data->RecordCount()); }
    bool Eof() const { return cursor_->Eof(); }
    bool Bof() const { return cursor_->Bof(); }
    void MoveFirst() { cursor_->position = 0; }
    void MoveLast() { cursor_->position = RecordCount() - 1; }
    void MoveNext();
    void MovePrevious();
    // The current record counted from 1; -1 when there is none.
    int32_t AbsolutePosition() const;
    void SetAbsolutePosition(int32_t position);
    automation::DispatchPtr Fields();
    // The value of a field of the current record.
    automation::Variant Collect(const automation::Variant& indexOrName);

    const RecordsetData& Data() const override { return *cursor_->data; }

private:
    std::shared_ptr<RecordsetCursor> cursor_;
    std::shared_ptr<RecordsetFields> fields_;
};

}  // namespace platform
