#include "platform/recordset/Recordset.h"

#include "platform/recordset/RecordsetField.h"
#include "platform/recordset/RecordsetReader.h"

namespace platform {

using automation::Variant;

const automation::MemberTable<Recordset>& Recordset::Members() {
    static const automation::MemberTable<Recordset> table = [] {
        automation::MemberTable<Recordset> t;
        t.Property("RecordCount", &Recordset::RecordCount)
            .Property("EOF", &Recordset::Eof)
            .Property("BOF", &Recordset::Bof)
            .Method("MoveFirst", &Recordset::MoveFirst)
            .Method("MoveLast", &Recordset::MoveLast)
            .Method("MoveNext", &Recordset::MoveNext)
            .Method("MovePrevious", &Recordset::MovePrevious)
            .Property("AbsolutePosition", &Recordset::AbsolutePosition, &Recordset::SetAbsolutePosition)
            .Property("Fields", &Recordset::Fields)
            .Property("Collect", &Recordset::Collect);
        return t;
    }();
    return table;
}

Recordset::Recordset(std::shared_ptr<const RecordsetData> data)
    : cursor_(std::make_shared<RecordsetCursor>(RecordsetCursor{std::move(data), 0})),
      fields_(std::make_shared<RecordsetFields>(cursor_)) {}

std::shared_ptr<Recordset> Recordset::FromXml(std::shared_ptr<const std::string> text) {
    auto data = RecordsetReader::Read(std::move(text));
    return data ? std::make_shared<Recordset>(std::move(data)) : nullptr;
}

void Recordset::MoveNext() {
    if (Eof()) throw automation::AutomationError(RecordsetCursor::kNoCurrentRecord, "The row set is at its end.");
    ++cursor_->position;
}

void Recordset::MovePrevious() {
    if (cursor_->position < 0 || RecordCount() == 0)
        throw automation::AutomationError(RecordsetCursor::kNoCurrentRecord, "The row set is at its beginning.");
    --cursor_->position;
}

int32_t Recordset::AbsolutePosition() const {
    return Bof() || Eof() ? -1 : static_cast<int32_t>(cursor_->position + 1);
}

void Recordset::SetAbsolutePosition(int32_t position) {
    if (position < 1 || position > RecordCount())
        throw automation::AutomationError(RecordsetCursor::kNoCurrentRecord,
                                          "There is no record " + std::to_string(position) + ".");
    cursor_->position = position - 1;
}

automation::DispatchPtr Recordset::Fields() { return fields_; }

Variant Recordset::Collect(const Variant& indexOrName) {
    return cursor_->data->Value(cursor_->Current(), fields_->IndexOf(indexOrName));
}

}  // namespace platform
