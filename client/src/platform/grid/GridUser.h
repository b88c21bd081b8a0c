#pragma once
// A person at the grid, for hosts and tests: clicks (with Shift and Ctrl), right clicks, keys,
// header clicks that sort, column drags and column resizes. Each changes the grid as the control
// does and raises the control's events, with their parameters, in the order the control raises them.
#include <cstdint>

#include "platform/grid/FlexGrid.h"

namespace platform {

class GridUser {
public:
    // Shift-state bits and mouse buttons, as the events report them.
    static constexpr int16_t kShift = 1, kCtrl = 2, kAlt = 4;
    static constexpr int16_t kLeftButton = 1, kRightButton = 2;
    static constexpr int16_t kKeyA = 65;

    explicit GridUser(FlexGrid& grid) : grid_(grid) {}

    // A left click on a cell. On a data row it moves the current cell and selects: Shift extends
    // the selection from the anchor, Ctrl adds or removes the row in list-box mode (only while
    // AllowSelection is on). On a fixed row it sorts by the column when ExplorerBar allows sorting.
    void Click(int32_t row, int32_t col, int16_t shift = 0);
    // A right click: the mouse cell moves and the mouse events are raised; the selection stays.
    void RightClick(int32_t row, int32_t col, int16_t shift = 0);
    // Key down and key up (Ctrl+A is PressKey(kKeyA, kCtrl)); the grid itself selects nothing.
    void PressKey(int16_t keyCode, int16_t shift = 0);
    // Dragging a column header to another position, when ExplorerBar allows moving. A handler of
    // BeforeMoveColumn refuses the move by setting the position to -1 or to the column itself.
    // Returns whether the column moved.
    bool MoveColumn(int32_t col, int32_t position);
    // Dragging a column's border, when AllowUserResizing allows columns; BeforeUserResize's Cancel
    // refuses it. Returns whether the width changed.
    bool ResizeColumn(int32_t col, int32_t width);

private:
    void Mouse(const char* event, int16_t button, int16_t shift, int32_t row, int32_t col);
    void SelectByClick(int32_t row, int32_t col, int16_t shift);
    void SortByHeader(int32_t col);
    automation::EventSource& Events() { return *grid_.Events(); }

    FlexGrid& grid_;
};

}  // namespace platform
