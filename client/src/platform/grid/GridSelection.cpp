#include "platform/grid/GridSelection.h"

#include <algorithm>

namespace platform {

namespace {

int32_t FitIndex(int32_t index, int32_t count) { return std::min(index, count - 1); }

int32_t MovedIndex(int32_t index, int32_t from, int32_t to) {
    if (index == from) return to;
    if (from < to && index > from && index <= to) return index - 1;
    if (to < from && index >= to && index < from) return index + 1;
    return index;
}

}  // namespace

void GridSelection::SetRow(int32_t row, int32_t fixedRows) {
    row_ = rowSel_ = row;
    if (!listMode_) return;
    listed_.clear();
    if (row >= fixedRows) listed_.push_back(row);
    anchor_ = row;
}

void GridSelection::SetRange(int32_t row, int32_t col, int32_t rowSel, int32_t colSel, int32_t fixedRows) {
    row_ = row;
    col_ = col;
    rowSel_ = rowSel;
    colSel_ = colSel;
    anchor_ = row;
    if (listMode_) {
        listed_.clear();
        if (row >= 0) ListRange(row, rowSel, fixedRows);
    }
}

void GridSelection::SetListMode(bool on, int32_t fixedRows) {
    if (on == listMode_) return;
    if (on) {
        listed_.clear();
        for (int32_t i = 0, n = Count(fixedRows); i < n; ++i) listed_.push_back(At(i, fixedRows));
    } else {
        listed_.clear();
    }
    listMode_ = on;
}

void GridSelection::Toggle(int32_t row) { SetListed(row, std::find(listed_.begin(), listed_.end(), row) == listed_.end()); }

void GridSelection::SetListed(int32_t row, bool selected) {
    auto it = std::find(listed_.begin(), listed_.end(), row);
    if (selected && it == listed_.end()) listed_.push_back(row);
    if (!selected && it != listed_.end()) listed_.erase(it);
}

void GridSelection::ListRange(int32_t from, int32_t to, int32_t fixedRows) {
    listed_.clear();
    for (int32_t r = std::max(std::min(from, to), fixedRows); r <= std::max(from, to); ++r) listed_.push_back(r);
}

int32_t GridSelection::RangeTop(int32_t fixedRows) const { return std::max(std::min(row_, rowSel_), fixedRows); }
int32_t GridSelection::RangeBottom() const { return std::max(row_, rowSel_); }

int32_t GridSelection::Count(int32_t fixedRows) const {
    if (listMode_) return static_cast<int32_t>(listed_.size());
    if (row_ < 0 || rowSel_ < 0) return 0;
    return std::max(0, RangeBottom() - RangeTop(fixedRows) + 1);
}

int32_t GridSelection::At(int32_t index, int32_t fixedRows) const {
    return listMode_ ? listed_[static_cast<size_t>(index)] : RangeTop(fixedRows) + index;
}

bool GridSelection::Contains(int32_t row, int32_t fixedRows) const {
    if (listMode_) return std::find(listed_.begin(), listed_.end(), row) != listed_.end();
    return Count(fixedRows) > 0 && row >= RangeTop(fixedRows) && row <= RangeBottom();
}

void GridSelection::Fit(int32_t rows, int32_t cols, int32_t fixedRows) {
    row_ = FitIndex(row_, rows);
    rowSel_ = FitIndex(rowSel_, rows);
    col_ = FitIndex(col_, cols);
    colSel_ = FitIndex(colSel_, cols);
    anchor_ = FitIndex(anchor_, rows);
    std::erase_if(listed_, [&](int32_t r) { return r < fixedRows || r >= rows; });
}

void GridSelection::FollowRows(const std::vector<int32_t>& newIndex) {
    auto follow = [&](int32_t& r) {
        if (r >= 0 && r < static_cast<int32_t>(newIndex.size())) r = newIndex[static_cast<size_t>(r)];
    };
    follow(row_);
    follow(rowSel_);
    follow(anchor_);
    for (int32_t& r : listed_) follow(r);
}

void GridSelection::FollowColumn(int32_t from, int32_t to) {
    col_ = MovedIndex(col_, from, to);
    colSel_ = MovedIndex(colSel_, from, to);
}

void GridSelection::Reset() {
    bool listMode = listMode_;
    *this = GridSelection();
    listMode_ = listMode;
}

}  // namespace platform
