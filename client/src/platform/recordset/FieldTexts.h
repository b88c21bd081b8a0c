#pragma once
// The cells of one row-set field as the texts they were written with. A cell is kept as where its
// text starts and how long it is (eight bytes, half a string view), so that the table of a large
// answer takes half the memory to write while it is read and to read while it fills a grid. A cell
// lies in the row set's text, or, when its value had to be decoded, in the decoded values that
// follow the text in the count.
#include <cstdint>
#include <string_view>

namespace platform {

// A cell's place in the row set's text and its decoded values; a missing cell starts nowhere.
struct CellSpan {
    static constexpr uint32_t kNowhere = UINT32_MAX;  // the text and its decoded values are shorter
    uint32_t start = kNowhere;
    uint32_t size = 0;
};

class FieldTexts {
public:
    FieldTexts(const CellSpan* cells, std::string_view text, const char* decoded)
        : cells_(cells), text_(text.data()), decoded_(decoded), textSize_(text.size()) {}

    // The record's text; null data for a missing cell.
    std::string_view operator[](size_t record) const {
        const CellSpan cell = cells_[record];
        if (cell.start == CellSpan::kNowhere) return {};
        const char* data = cell.start < textSize_ ? text_ + cell.start : decoded_ + (cell.start - textSize_);
        return std::string_view(data, cell.size);
    }

private:
    const CellSpan* cells_;
    const char* text_;
    const char* decoded_;
    size_t textSize_;
};

}  // namespace platform
