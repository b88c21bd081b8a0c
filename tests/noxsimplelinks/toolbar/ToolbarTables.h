#pragma once
// The two-dimensional tables the toolbar classes read: action mappings and tool-state tables.
#include <vector>

#include "automation/SafeArray.h"

namespace toolbartest {

// Rows of cells as a two-dimensional array from 0; the rows must be equally long.
inline automation::Variant Table(const std::vector<std::vector<automation::Variant>>& rows) {
    automation::SafeArray table(automation::Bounds{0, static_cast<int32_t>(rows.size()) - 1},
                                automation::Bounds{0, static_cast<int32_t>(rows.front().size()) - 1});
    for (size_t i = 0; i < rows.size(); ++i)
        for (size_t j = 0; j < rows[i].size(); ++j) table.At(static_cast<int32_t>(i), static_cast<int32_t>(j)) = rows[i][j];
    return automation::Variant(std::move(table));
}

}  // namespace toolbartest
