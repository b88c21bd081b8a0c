#pragma once
// The table of a row set: its fields (name, type) and, per field, one cell per record. Cells keep
// the text as read and turn into typed values when they are read: dates as dates, numbers as
// numbers, a missing cell as Null.
#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "automation/Variant.h"
#include "platform/recordset/FieldTexts.h"

namespace platform {

// How a field's text becomes a value.
enum class FieldKind { Text, Integer, Long, Single, Double, Boolean, Date };

struct RecordsetColumn {
    std::string name;     // the field name
    std::string xmlName;  // the attribute name in a row (differs when the name is not an XML name)
    int32_t type = 202;   // the field type number (202: variable-length text)
    FieldKind kind = FieldKind::Text;
    // One per record; nowhere where the row has no attribute.
    std::vector<CellSpan> cells;
};

class RecordsetData {
public:
    // `text` is the document text the cells will point into, kept (not copied) for as long as the
    // table lives; shorter than CellSpan::kNowhere.
    explicit RecordsetData(std::shared_ptr<const std::string> text) : text_(std::move(text)) {}
    const std::string& Text() const { return *text_; }
    // The values decoded from the text, for the reader to append to.
    std::string& Decoded() { return decoded_; }

    // Adds a field with every cell missing; returns its index.
    size_t AddColumn(std::string name, std::string xmlName, int32_t type, FieldKind kind);
    // Adds a record with every cell missing; returns its index. The fields' cells are made ahead,
    // a block of records at a time, and cut to the records added by FinishRecords.
    size_t AddRecord() {
        if (records_ == room_) MakeRoom(std::max<size_t>(64, room_ * 2));
        return records_++;
    }
    // Cells for this many records in all, made ahead of adding them.
    void ReserveRecords(size_t records) {
        if (records > room_) MakeRoom(records);
    }
    // Cuts every field's cells to the records added.
    void FinishRecords();
    RecordsetColumn& Column(size_t index) { return columns_[index]; }
    FieldTexts Texts(size_t column) const { return FieldTexts(columns_[column].cells.data(), *text_, decoded_.data()); }
    // Sets a cell to `value`, a part of the text or of the decoded values.
    void SetCell(size_t column, size_t record, std::string_view value) {
        const auto at = reinterpret_cast<uintptr_t>(value.data()), text = reinterpret_cast<uintptr_t>(text_->data());
        const uintptr_t start = at - text <= text_->size()
                                    ? at - text
                                    : text_->size() + (at - reinterpret_cast<uintptr_t>(decoded_.data()));
        columns_[column].cells[record] = CellSpan{static_cast<uint32_t>(start), static_cast<uint32_t>(value.size())};
    }
    const RecordsetColumn& Column(size_t index) const { return columns_[index]; }
    size_t ColumnCount() const { return columns_.size(); }
    size_t RecordCount() const { return records_; }
    // The field index by name, ignoring case; -1 when there is no such field.
    int32_t ColumnIndex(std::string_view name) const;

    automation::Variant Value(size_t record, size_t column) const;

    // The typed value of one cell's text; a text that does not read as its kind stays text.
    static automation::Variant Convert(std::string_view text, FieldKind kind);

private:
    void MakeRoom(size_t records);

    std::shared_ptr<const std::string> text_;  // the document text the cells point into
    std::string decoded_;
    size_t records_ = 0;
    size_t room_ = 0;  // cells made per field, records_ or more until FinishRecords
    std::vector<RecordsetColumn> columns_;
    std::unordered_map<std::string, size_t> byName_;  // folded names
};

}  // namespace platform
