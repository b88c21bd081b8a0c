#pragma once
// The headless grid control: rows and columns with fixed rows and columns, the current cell and the
// selection (list-box mode included), cell texts, column settings, sorting, loading from arrays,
// layout files, and its events, all reachable by member name.
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "automation/Dispatchable.h"
#include "automation/EventSource.h"
#include "platform/grid/BulkTextLoad.h"
#include "platform/grid/CellStore.h"
#include "platform/grid/ControlFont.h"
#include "platform/grid/GridColumn.h"
#include "platform/grid/GridLayoutFile.h"
#include "platform/grid/GridSelection.h"
#include "platform/grid/GridSort.h"
#include "platform/grid/LookProperties.h"

namespace platform {

enum SelectionMode : int32_t { kSelectionFree = 0, kSelectionByRow = 1, kSelectionByColumn = 2, kSelectionListBox = 3 };

class FlexGrid : public automation::Dispatchable<FlexGrid>, public BulkTextLoad {
public:
    static constexpr const char* kTypeName = "FlexGrid";
    static constexpr const char* kProgId = "VSFlexGrid.VSFlexGridN.1";
    static const automation::MemberTable<FlexGrid>& Members();

    FlexGrid();
    automation::EventSource* Events() override { return &events_; }

    // Size. Fewer rows or columns than fixed ones lowers the fixed count; more fixed ones than there
    // are adds rows or columns.
    int32_t Rows() const { return cells_.Rows(); }
    void SetRows(int32_t rows);
    int32_t Cols() const { return cells_.Cols(); }
    void SetCols(int32_t cols);
    int32_t FixedRows() const { return fixedRows_; }
    void SetFixedRows(int32_t fixedRows);
    int32_t FixedCols() const { return fixedCols_; }
    void SetFixedCols(int32_t fixedCols);

    // Current cell and selection; -1 means none.
    int32_t Row() const { return selection_.Row(); }
    void SetRow(int32_t row);
    int32_t Col() const { return selection_.Col(); }
    void SetCol(int32_t col);
    int32_t RowSel() const { return selection_.RowSel(); }
    void SetRowSel(int32_t row);
    int32_t ColSel() const { return selection_.ColSel(); }
    void SetColSel(int32_t col);
    void Select(int32_t row, int32_t col, std::optional<int32_t> rowSel = std::nullopt,
                std::optional<int32_t> colSel = std::nullopt);
    int32_t SelectedRows() const { return selection_.Count(fixedRows_); }
    int32_t SelectedRow(int32_t index) const;
    bool IsSelected(int32_t row) const;
    void SetIsSelected(int32_t row, bool selected);
    const GridSelection& Selection() const { return selection_; }
    GridSelection& MutableSelection() { return selection_; }

    // Cells.
    const std::string& TextMatrix(int32_t row, int32_t col) const;
    void SetTextMatrix(int32_t row, int32_t col, const std::string& text);
    std::string Text() const;
    void SetText(const std::string& text);

    // Columns.
    const GridColumn& Column(int32_t col) const;
    std::string ColKey(int32_t col) const { return Column(col).key; }
    void SetColKey(int32_t col, const std::string& key);
    // The first column with the key (ignoring case); -1 when none has it.
    int32_t ColIndex(const std::string& key) const;
    bool ColHidden(int32_t col) const { return Column(col).hidden; }
    void SetColHidden(int32_t col, bool hidden);
    int32_t ColWidth(int32_t col) const { return Column(col).width; }
    void SetColWidth(int32_t col, int32_t width);
    automation::Variant ColData(int32_t col) const { return Column(col).data; }
    void SetColData(int32_t col, const automation::Variant& data);
    int32_t ColSort(int32_t col) const { return Column(col).sort; }
    void SetColSort(int32_t col, int32_t setting);
    int32_t ColDataType(int32_t col) const { return Column(col).dataType; }
    void SetColDataType(int32_t col, int32_t dataType);
    std::string ColFormat(int32_t col) const { return Column(col).format; }
    void SetColFormat(int32_t col, const std::string& format);
    int32_t ColAlignment(int32_t col) const { return Column(col).alignment; }
    void SetColAlignment(int32_t col, int32_t alignment);
    int32_t ColPosition(int32_t col) const;
    // Moves the column, with its key, settings and cells, to the position.
    void SetColPosition(int32_t col, int32_t position);
    // How many column moves the grid has made, so that a caller sees whether an event handler moved one.
    int32_t ColumnMoves() const { return columnMoves_; }

    // Operations.
    int32_t Sort() const { return lastSort_; }
    // Sorts the data rows by the columns from Col to ColSel; 10 sorts each by its own ColSort.
    void SetSort(int32_t setting);
    void SortRows(const std::vector<SortKey>& keys);
    // Whether the data rows already stand in the order the keys give.
    bool RowsInOrder(const std::vector<SortKey>& keys) const;
    // A two-dimensional array (rows × columns) fills the data rows; Rows becomes FixedRows plus its
    // row count, Cols grows when it has more columns. A one-dimensional array fills one column.
    void LoadArray(const automation::Variant& array);
    // The typed form of LoadArray for callers in this process (BulkTextLoad).
    void LoadTexts(int32_t rows, int32_t cols, const RowTextSource& text) override;
    void AutoSize(int32_t col1, std::optional<int32_t> col2, std::optional<bool> equal, std::optional<int32_t> extra);
    // where: 0 everywhere, 1 the data cells, 2 the selection; what: 0 and 1 clear texts.
    void Clear(std::optional<int32_t> where, std::optional<int32_t> what);
    void Refresh() { ++refreshCount_; }
    int32_t RefreshCount() const { return refreshCount_; }
    void SaveGrid(const std::string& path, std::optional<int32_t> what, std::optional<bool> fixedCells) const;
    void LoadGrid(const std::string& path, std::optional<int32_t> what);
    GridLayout Snapshot(int32_t what, bool fixedCells) const;
    void Apply(GridLayout layout, int32_t what);

    // The cell under the mouse, as the last mouse action left it (-1 outside the cells).
    int32_t MouseRow() const { return mouseRow_; }
    int32_t MouseCol() const { return mouseCol_; }
    void SetMouseCell(int32_t row, int32_t col);
    // The middle of a cell in twips from the grid's top left corner (hidden columns take no room).
    std::pair<float, float> CellCenter(int32_t row, int32_t col) const;

    // Look and behaviour properties by name ("SelectionMode", "ExplorerBar", "SheetBorder", ...).
    automation::Variant GetLook(const std::string& name) const { return look_.Get(name); }
    void SetLook(const std::string& name, const automation::Variant& value);
    std::shared_ptr<ControlFont> Font() const { return font_; }

private:
    void Resize(int32_t rows, int32_t cols);
    // Raises as the property's setter does for a value out of its range; changes nothing.
    static void CheckLookValue(const std::string& name, const automation::Variant& value);
    void ApplySelectionMode();
    void CheckRow(int32_t row, const char* what = "Row") const;
    void CheckCol(int32_t col, const char* what = "Col") const;
    void CheckCursorRow(int32_t row, const char* what) const;
    void CheckCursorCol(int32_t col, const char* what) const;
    GridColumn& MutableColumn(int32_t col);

    CellStore cells_;
    std::vector<GridColumn> columns_;
    int32_t fixedRows_ = 0;
    int32_t fixedCols_ = 0;
    GridSelection selection_;
    LookProperties look_;
    std::shared_ptr<ControlFont> font_;
    automation::EventSource events_;
    int32_t mouseRow_ = -1, mouseCol_ = -1;
    int32_t lastSort_ = 0;
    int32_t columnMoves_ = 0;
    int32_t refreshCount_ = 0;
};

}  // namespace platform
