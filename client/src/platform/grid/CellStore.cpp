#include "platform/grid/CellStore.h"

#include <algorithm>
#include <cstddef>

namespace platform {

void CellStore::Resize(int32_t rows, int32_t cols) {
    if (cols == cols_) {
        cells_.resize(static_cast<size_t>(rows) * static_cast<size_t>(cols));
        rows_ = rows;
        return;
    }
    Cells resized(static_cast<size_t>(rows) * static_cast<size_t>(cols));
    int32_t keepRows = std::min(rows, rows_), keepCols = std::min(cols, cols_);
    for (int32_t r = 0; r < keepRows; ++r)
        for (int32_t c = 0; c < keepCols; ++c)
            resized[static_cast<size_t>(r) * static_cast<size_t>(cols) + static_cast<size_t>(c)] = std::move(At(r, c));
    cells_ = std::move(resized);
    rows_ = rows;
    cols_ = cols;
}

void CellStore::MoveColumn(int32_t from, int32_t to) {
    if (from == to) return;
    for (int32_t r = 0; r < rows_; ++r) {
        auto rowStart = cells_.begin() + static_cast<std::ptrdiff_t>(Offset(r, 0));
        if (from < to) {
            std::rotate(rowStart + from, rowStart + from + 1, rowStart + to + 1);
        } else {
            std::rotate(rowStart + to, rowStart + from, rowStart + from + 1);
        }
    }
}

void CellStore::PermuteRows(int32_t first, const std::vector<int32_t>& order) {
    Cells reordered(order.size() * static_cast<size_t>(cols_));
    auto target = reordered.begin();
    for (int32_t source : order)
        for (int32_t c = 0; c < cols_; ++c) *target++ = std::move(At(first + source, c));
    std::move(reordered.begin(), reordered.end(), cells_.begin() + static_cast<std::ptrdiff_t>(Offset(first, 0)));
}

void CellStore::ClearRange(int32_t row1, int32_t col1, int32_t row2, int32_t col2) {
    for (int32_t r = row1; r <= row2; ++r)
        for (int32_t c = col1; c <= col2; ++c) At(r, c).clear();
}

}  // namespace platform
