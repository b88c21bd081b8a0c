#pragma once
// What a person sees of a grid, read late-bound: the visible columns in grid order with their index,
// data type and width, the fixed rows' texts (the head) and the data rows' texts (the body). Reports
// and exports write this.
#include <string>
#include <vector>

#include "automation/Variant.h"

namespace platform {

struct VisibleGrid {
    struct Column {
        int32_t index = 0;
        int32_t dataType = 0;  // ColDataType
        int32_t width = 0;     // ColWidth, twips
    };
    std::vector<Column> columns;
    std::vector<std::vector<std::string>> head;
    std::vector<std::vector<std::string>> body;

    // A value that holds no grid object raises 91.
    static VisibleGrid Read(const automation::Variant& grid);
};

}  // namespace platform
