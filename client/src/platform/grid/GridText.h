#pragma once
// The grid as plain text for a terminal: visible columns aligned, the fixed rows as a header under
// which a rule is drawn, selected rows marked with "*".
#include <cstdint>
#include <string>

#include "platform/grid/FlexGrid.h"

namespace platform {

// Cells longer than maxColumnWidth characters are cut and end in "~".
std::string RenderText(const FlexGrid& grid, int32_t maxColumnWidth = 40);

}  // namespace platform
