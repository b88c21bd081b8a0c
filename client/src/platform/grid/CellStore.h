#pragma once
// The texts of a grid's cells, row after row in one flat vector, so that a hundred thousand rows
// load and sort without a separate allocation per row. Cells cut off (fewer rows or columns) stay in
// the vector out of sight and are emptied when cells are added again: a grid laid out again and
// reloaded reuses them, and the room of their texts, instead of destroying them and making new ones.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/grid/LargeBlockAllocator.h"

namespace platform {

class CellStore {
public:
    using Cells = std::vector<std::string, LargeBlockAllocator<std::string>>;

    int32_t Rows() const { return rows_; }
    int32_t Cols() const { return cols_; }

    const std::string& At(int32_t row, int32_t col) const { return cells_[Offset(row, col)]; }
    std::string& At(int32_t row, int32_t col) { return cells_[Offset(row, col)]; }

    // New size; the cells both sizes share keep their text, new cells are empty.
    void Resize(int32_t rows, int32_t cols);
    // Keeps the first `keep` rows (cut or padded to `cols` columns) and makes `rows` new rows of empty
    // cells after them in one pass, text(r, cells) writing the `cols` cells of each new row (r counted
    // from the first new row). The rows are made in the room the store already has when it is enough
    // (a grid loaded again), so that a load meets memory already in use; the room of a load more than
    // twice as large is given back first. If text() raises, the store keeps the first `keep` rows.
    template <class Source>
    void Rebuild(int32_t keep, int32_t rows, int32_t cols, Source&& text) {
        Resize(keep, cols);
        const size_t needed = static_cast<size_t>(keep + rows) * static_cast<size_t>(cols);
        if (cells_.capacity() / 2 > needed) GiveBackRoom(needed);
        cells_.reserve(needed);
        try {
            for (int32_t r = 0; r < rows; ++r) {  // a row at a time, while its cells are in the cache
                text(r, AddEmptyCells(static_cast<size_t>(cols)));
                ++rows_;
            }
        } catch (...) {
            rows_ = keep;
            throw;
        }
    }
    // Moves a column to another index; the columns between shift by one.
    void MoveColumn(int32_t from, int32_t to);
    // Reorders the rows from `first` on: the row at first + i becomes the row that was at first + order[i].
    void PermuteRows(int32_t first, const std::vector<int32_t>& order);
    // Empties the cells of the rectangle (inclusive bounds).
    void ClearRange(int32_t row1, int32_t col1, int32_t row2, int32_t col2);

private:
    size_t Live() const { return static_cast<size_t>(rows_) * static_cast<size_t>(cols_); }
    // Makes the `count` cells after the live ones empty (out of sight ones first) and returns the first.
    std::string* AddEmptyCells(size_t count);
    // Destroys the cells out of sight beyond `keep` cells and gives back the vector's spare room.
    void GiveBackRoom(size_t keep);

    size_t Offset(int32_t row, int32_t col) const { return Offset(row, col, cols_); }
    static size_t Offset(int32_t row, int32_t col, int32_t cols) {
        return static_cast<size_t>(row) * static_cast<size_t>(cols) + static_cast<size_t>(col);
    }
    int32_t rows_ = 0;
    int32_t cols_ = 0;
    Cells cells_;
};

}  // namespace platform
