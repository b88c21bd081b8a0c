#pragma once
// The order of a grid's data rows under one or more sort keys, each a column with its own sort
// setting (generic, numeric, text with or without case, ascending or descending).
#include <cstdint>
#include <vector>

#include "platform/grid/CellStore.h"

namespace platform {

// Sort settings, as the grid's Sort and ColSort take them.
enum SortSetting : int32_t {
    kSortNone = 0,
    kSortGenericAscending = 1,
    kSortGenericDescending = 2,
    kSortNumericAscending = 3,
    kSortNumericDescending = 4,
    kSortNoCaseAscending = 5,
    kSortNoCaseDescending = 6,
    kSortTextAscending = 7,
    kSortTextDescending = 8,
    kSortCustom = 9,
    kSortUseColSort = 10,
};

struct SortKey {
    int32_t col;
    int32_t setting;   // 1 to 9
    int32_t dataType;  // the column's ColDataType, which decides how a generic sort compares
};

// The stable order of the rows from firstRow on: element i is the row (counted from firstRow) that
// goes to position i. Keys earlier in the list weigh more.
std::vector<int32_t> SortedRowOrder(const CellStore& cells, int32_t firstRow, const std::vector<SortKey>& keys);

}  // namespace platform
