#include "platform/grid/GridUser.h"

#include "platform/grid/ControlErrors.h"

namespace platform {

using automation::Arguments;
using automation::Variant;

namespace {

constexpr int32_t kExplorerSort = 1, kExplorerMove = 2;
constexpr int32_t kResizeColumns = 1;

}  // namespace

void GridUser::Mouse(const char* event, int16_t button, int16_t shift, int32_t row, int32_t col) {
    auto [x, y] = grid_.CellCenter(row, col);
    Events().Fire(event, button, shift, x, y);
}

void GridUser::Click(int32_t row, int32_t col, int16_t shift) {
    grid_.SetMouseCell(row, col);
    Mouse("MouseDown", kLeftButton, shift, row, col);
    if (row >= grid_.FixedRows()) {
        SelectByClick(row, col, shift);
    } else if (grid_.GetLook("ExplorerBar").ToLong() & kExplorerSort) {
        SortByHeader(col);
    }
    Mouse("MouseUp", kLeftButton, shift, row, col);
    Events().Fire("Click");
}

void GridUser::SelectByClick(int32_t row, int32_t col, int16_t shift) {
    const GridSelection before = grid_.Selection();
    GridSelection& selection = grid_.MutableSelection();
    int32_t fixedRows = grid_.FixedRows();
    bool allowed = grid_.GetLook("AllowSelection").ToBool();
    bool extend = allowed && (shift & kShift);
    bool toggle = allowed && (shift & kCtrl) && !extend;
    if (!extend && !toggle) {
        selection.SetRow(row, fixedRows);
        selection.SetCol(col);
    } else if (!selection.ListMode()) {
        selection.SetRowSel(row);
        selection.SetColSel(col);
    } else if (extend) {
        int32_t anchor = before.Anchor() >= fixedRows ? before.Anchor() : row;
        selection.ListRange(anchor, row, fixedRows);
        selection.MoveCursor(row, col);
    } else {
        selection.Toggle(row);
        selection.SetAnchor(row);
        selection.MoveCursor(row, col);
    }
    const GridSelection& after = grid_.Selection();
    if (before.Row() != after.Row() || before.Col() != after.Col()) Events().Fire("RowColChange");
    if (before.RowSel() != after.RowSel() || before.ColSel() != after.ColSel() || before.Listed() != after.Listed() ||
        before.Row() != after.Row()) {
        Events().Fire("SelChange");
        Events().Fire("AfterSelChange", before.RowSel(), before.ColSel(), after.RowSel(), after.ColSel());
    }
}

void GridUser::SortByHeader(int32_t col) {
    SortKey ascending{col, kSortGenericAscending, grid_.ColDataType(col)};
    int16_t order = grid_.RowsInOrder({ascending}) && grid_.Rows() - grid_.FixedRows() > 1 ? kSortGenericDescending
                                                                                           : kSortGenericAscending;
    Arguments args{Variant(col), Variant(order)};
    Events().Raise("BeforeSort", args);
    order = args[1].ToInteger();
    if (order == kSortNone) return;
    if (order < kSortGenericAscending || order > kSortCustom)
        RaiseInvalidValue("sort order " + std::to_string(order) + " set by BeforeSort");
    grid_.SortRows({SortKey{col, order, grid_.ColDataType(col)}});
    Events().Fire("AfterSort", col, order);
}

void GridUser::RightClick(int32_t row, int32_t col, int16_t shift) {
    grid_.SetMouseCell(row, col);
    Mouse("MouseDown", kRightButton, shift, row, col);
    Mouse("MouseUp", kRightButton, shift, row, col);
}

void GridUser::PressKey(int16_t keyCode, int16_t shift) {
    Events().Fire("KeyDown", keyCode, shift);
    Events().Fire("KeyUp", keyCode, shift);
}

bool GridUser::MoveColumn(int32_t col, int32_t position) {
    grid_.ColPosition(col);
    CheckIndex(position, 0, grid_.Cols() - 1, "Position");
    if (!(grid_.GetLook("ExplorerBar").ToLong() & kExplorerMove) || col == position) return false;
    int32_t movesBefore = grid_.ColumnMoves();
    Arguments args{Variant(col), Variant(position)};
    Events().Raise("BeforeMoveColumn", args);
    position = args[1].ToLong();
    // Refused, or the handler rearranged the columns itself.
    if (position < 0 || position == col || grid_.ColumnMoves() != movesBefore) return false;
    grid_.SetColPosition(col, position);
    Events().Fire("AfterMoveColumn", col, position);
    return true;
}

bool GridUser::ResizeColumn(int32_t col, int32_t width) {
    grid_.ColPosition(col);
    if (width < 0) RaiseInvalidValue("column width " + std::to_string(width));
    if (!(grid_.GetLook("AllowUserResizing").ToLong() & kResizeColumns)) return false;
    Arguments args{Variant(int32_t{-1}), Variant(col), Variant(false)};
    Events().Raise("BeforeUserResize", args);
    if (args[2].ToBool()) return false;
    grid_.SetColWidth(col, width);
    Events().Fire("AfterUserResize", int32_t{-1}, col);
    return true;
}

}  // namespace platform
