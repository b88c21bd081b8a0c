#pragma once
// What a grid offers callers in this process that fill it in one go: every data row's cell texts
// asked for once, in row order, and written straight into its (empty) cells, without making values
// first.
// The library fills its grid this way when the grid offers it, and through LoadArray otherwise.
#include <cstdint>
#include <functional>
#include <string>

namespace platform {

class BulkTextLoad {
public:
    // Writes the texts of data row `row`: cells[0] to cells[cols - 1], empty when asked for.
    using RowTextSource = std::function<void(int32_t row, std::string* cells)>;

    virtual ~BulkTextLoad() = default;
    // rows × cols data cells below the fixed rows; Rows becomes FixedRows plus rows.
    virtual void LoadTexts(int32_t rows, int32_t cols, const RowTextSource& text) = 0;
};

}  // namespace platform
