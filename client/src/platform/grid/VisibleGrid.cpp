#include "platform/grid/VisibleGrid.h"

#include "platform/grid/LateGrid.h"

namespace platform {

VisibleGrid VisibleGrid::Read(const automation::Variant& grid) {
    LateGrid source(grid);
    VisibleGrid visible;
    for (int32_t c = 0, count = source.Long("Cols"); c < count; ++c)
        if (!source.Get("ColHidden", c).ToBool())
            visible.columns.push_back({c, source.Long("ColDataType", c), source.Long("ColWidth", c)});
    const int32_t fixedRows = source.Long("FixedRows"), rows = source.Long("Rows");
    for (int32_t r = 0; r < rows; ++r) {
        std::vector<std::string> cells;
        for (const Column& column : visible.columns) cells.push_back(source.Cell(r, column.index));
        (r < fixedRows ? visible.head : visible.body).push_back(std::move(cells));
    }
    return visible;
}

}  // namespace platform
