#include "platform/grid/CellStore.h"

#include <algorithm>
#include <cstddef>

namespace platform {

void CellStore::Resize(int32_t rows, int32_t cols) {
    const int32_t keepRows = std::min(rows, rows_);
    if (cols < cols_) {  // the kept cells move towards the front: front to back
        for (int32_t r = 1; r < keepRows; ++r)
            for (int32_t c = 0; c < cols; ++c) cells_[Offset(r, c, cols)] = std::move(cells_[Offset(r, c)]);
    } else if (cols > cols_) {  // towards the back: back to front, then the new columns are emptied
        const size_t room = static_cast<size_t>(keepRows) * static_cast<size_t>(cols);
        if (room > cells_.size()) cells_.resize(room);
        for (int32_t r = keepRows - 1; r > 0; --r)
            for (int32_t c = cols_ - 1; c >= 0; --c) cells_[Offset(r, c, cols)] = std::move(cells_[Offset(r, c)]);
        for (int32_t r = 0; r < keepRows; ++r)
            for (int32_t c = cols_; c < cols; ++c) cells_[Offset(r, c, cols)].clear();
    }
    rows_ = keepRows;
    cols_ = cols;
    if (rows > keepRows) AddEmptyCells(static_cast<size_t>(rows - keepRows) * static_cast<size_t>(cols));
    rows_ = rows;
}

std::string* CellStore::AddEmptyCells(size_t count) {
    const size_t first = Live(), end = first + count;
    for (size_t at = first; at < std::min(end, cells_.size()); ++at) cells_[at].clear();
    if (end > cells_.size()) cells_.resize(end);
    return cells_.data() + first;
}

void CellStore::GiveBackRoom(size_t keep) {
    cells_.resize(std::max(keep, Live()));
    cells_.shrink_to_fit();
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
