#pragma once
// The grid's current cell (Row, Col), the other corner of the selected range (RowSel, ColSel) and,
// in list-box mode, the set of selected rows in the order they were selected.
#include <cstdint>
#include <vector>

namespace platform {

class GridSelection {
public:
    int32_t Row() const { return row_; }
    int32_t Col() const { return col_; }
    int32_t RowSel() const { return rowSel_; }
    int32_t ColSel() const { return colSel_; }
    bool ListMode() const { return listMode_; }
    const std::vector<int32_t>& Listed() const { return listed_; }
    int32_t Anchor() const { return anchor_; }

    // Moving the current cell collapses the range onto it. In list-box mode the selected set becomes
    // the new row alone (nothing when the row is a fixed row or -1).
    void SetRow(int32_t row, int32_t fixedRows);
    void SetCol(int32_t col) { col_ = colSel_ = col; }
    // Moves the current cell and collapses the range onto it, leaving the list-box set as it is.
    void MoveCursor(int32_t row, int32_t col) {
        row_ = rowSel_ = row;
        col_ = colSel_ = col;
    }
    void SetRowSel(int32_t row) { rowSel_ = row; }
    void SetColSel(int32_t col) { colSel_ = col; }
    // The range from (row, col) to (rowSel, colSel); in list-box mode its data rows become the set.
    void SetRange(int32_t row, int32_t col, int32_t rowSel, int32_t colSel, int32_t fixedRows);
    // Entering list-box mode takes the data rows of the range as the set; leaving it drops the set.
    void SetListMode(bool on, int32_t fixedRows);

    // List-box set operations.
    void Toggle(int32_t row);
    void SetListed(int32_t row, bool selected);
    void ListRange(int32_t from, int32_t to, int32_t fixedRows);
    void SetAnchor(int32_t row) { anchor_ = row; }

    // Selected data rows: the list-box set, or the data rows of the range when Row is not -1.
    int32_t Count(int32_t fixedRows) const;
    int32_t At(int32_t index, int32_t fixedRows) const;
    bool Contains(int32_t row, int32_t fixedRows) const;

    // After a change of size: indexes past the end move to the last row or column (-1 when none),
    // and rows no longer data rows leave the set.
    void Fit(int32_t rows, int32_t cols, int32_t fixedRows);
    // After a sort: newIndex[r] is where row r went.
    void FollowRows(const std::vector<int32_t>& newIndex);
    // After a column move, so that the current column stays on its column.
    void FollowColumn(int32_t from, int32_t to);
    void Reset();

private:
    int32_t RangeTop(int32_t fixedRows) const;
    int32_t RangeBottom() const;

    int32_t row_ = -1, col_ = -1, rowSel_ = -1, colSel_ = -1;
    bool listMode_ = false;
    std::vector<int32_t> listed_;
    int32_t anchor_ = -1;
};

}  // namespace platform
