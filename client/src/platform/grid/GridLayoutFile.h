#pragma once
// The grid layout file that SaveGrid writes and LoadGrid reads: size, columns, look and cell texts
// of a grid as tab-separated text records (the format is described in docs/formats.md).
#include <cstdint>
#include <string>
#include <vector>

#include "platform/grid/CellStore.h"
#include "platform/grid/GridColumn.h"
#include "platform/grid/LookProperties.h"

namespace platform {

// What SaveGrid and LoadGrid take as their second argument.
enum GridFileContent : int32_t { kGridFileAll = 0, kGridFileData = 1, kGridFileFormat = 2 };

struct GridLayout {
    int32_t rows = 0, cols = 0, fixedRows = 0, fixedCols = 0;
    bool hasFormat = false;  // columns and look are present
    bool hasData = false;    // cells are present (rows × cols)
    bool fixedCells = true;  // the texts of the fixed rows and columns are part of the data
    std::vector<GridColumn> columns;
    std::vector<LookProperties::Entry> look;
    CellStore cells;
};

// Writing raises 75 when the file cannot be written; reading raises 53 for a missing file and 321
// (with the line) for a file that is not a grid layout file.
void WriteGridLayout(const std::string& path, const GridLayout& layout);
GridLayout ReadGridLayout(const std::string& path);

}  // namespace platform
