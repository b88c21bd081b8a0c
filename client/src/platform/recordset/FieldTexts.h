#pragma once
// The cells of one row-set field as the texts they were written with. A cell is kept as where its
// text starts in the row set's text and how long it is (eight bytes, half a string view), so that
// the table of a large answer takes half the memory to write while it is read and to read while it
// fills a grid.
#include <cstdint>
#include <string_view>

namespace platform {

// A cell's place in the row set's text; a missing cell starts nowhere.
struct CellSpan {
    static constexpr uint32_t kNowhere = UINT32_MAX;  // texts are shorter than this, and start before it
    uint32_t start = kNowhere;
    uint32_t size = 0;
};

class FieldTexts {
public:
    FieldTexts(const CellSpan* cells, const char* text) : cells_(cells), text_(text) {}

    // The record's text; null data for a missing cell.
    std::string_view operator[](size_t record) const {
        const CellSpan cell = cells_[record];
        return cell.start == CellSpan::kNowhere ? std::string_view() : std::string_view(text_ + cell.start, cell.size);
    }

private:
    const CellSpan* cells_;
    const char* text_;
};

}  // namespace platform
