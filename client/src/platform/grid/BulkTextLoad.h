#pragma once
// What a grid offers callers in this process that fill it in one go: every data cell's text asked
// for once, in row order, and written straight into its (empty) cell, without making values first.
// The library fills its grid this way when the grid offers it, and through LoadArray otherwise.
#include <cstdint>
#include <functional>
#include <string>

namespace platform {

class BulkTextLoad {
public:
    using CellTextSource = std::function<void(int32_t row, int32_t col, std::string& cell)>;

    virtual ~BulkTextLoad() = default;
    // rows × cols data cells below the fixed rows; Rows becomes FixedRows plus rows.
    virtual void LoadTexts(int32_t rows, int32_t cols, const CellTextSource& text) = 0;
};

}  // namespace platform
