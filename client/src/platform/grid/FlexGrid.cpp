#include "platform/grid/FlexGrid.h"

#include <algorithm>
#include <numeric>

#include "automation/SafeArray.h"
#include "platform/grid/ControlErrors.h"

namespace platform {

using automation::Arguments;
using automation::Variant;

namespace {

std::vector<LookProperties::Entry> GridLookDefaults() {
    auto color = [](uint32_t value) { return Variant(static_cast<int32_t>(value)); };
    return {
        {"SelectionMode", Variant(int32_t{kSelectionFree})},
        {"AllowSelection", Variant(true)},
        {"AllowBigSelection", Variant(true)},
        {"AllowUserResizing", Variant(int32_t{0})},  // 1 columns, 2 rows, 3 both
        {"ExplorerBar", Variant(int32_t{0})},        // 1 sort by header click, 2 move columns, 3 both
        {"ExtendLastCol", Variant(false)},
        {"AutoSizeMode", Variant(int32_t{0})},       // 0 column widths, 1 row heights
        {"Editable", Variant(int32_t{0})},
        {"FocusRect", Variant(int32_t{1})},
        {"ScrollBars", Variant(int32_t{3})},
        {"GridLines", Variant(int32_t{1})},
        {"Appearance", Variant(int32_t{1})},
        {"BorderStyle", Variant(int32_t{1})},
        {"SheetBorder", color(0)},
        {"BackColor", color(0x80000005u)},
        {"ForeColor", color(0x80000008u)},
        {"BackColorBkg", color(0x8000000Cu)},
        {"BackColorFixed", color(0x8000000Fu)},
        {"ForeColorFixed", color(0x80000012u)},
        {"BackColorSel", color(0x8000000Du)},
        {"ForeColorSel", color(0x8000000Eu)},
        {"GridColor", color(0x80000010u)},
        {"Redraw", Variant(true)},
        {"Visible", Variant(true)},
        {"Enabled", Variant(true)},
        {"Left", Variant(int32_t{0})},
        {"Top", Variant(int32_t{0})},
        {"Width", Variant(int32_t{4800})},
        {"Height", Variant(int32_t{3600})},
        {"Tag", Variant(std::string())},
    };
}

const std::vector<std::string>& GridEventNames() {
    static const std::vector<std::string> names = {
        "Click", "DblClick", "MouseDown", "MouseUp", "KeyDown", "KeyUp", "RowColChange", "SelChange", "AfterSelChange",
        "BeforeMoveColumn", "AfterMoveColumn", "BeforeUserResize", "AfterUserResize", "BeforeSort", "AfterSort"};
    return names;
}

void CheckChoice(int32_t value, int32_t first, int32_t last, const std::string& what) {
    if (value < first || value > last)
        RaiseInvalidValue(what + " " + std::to_string(value) + " (valid: " + std::to_string(first) + " to " +
                          std::to_string(last) + ")");
}

}  // namespace

const automation::MemberTable<FlexGrid>& FlexGrid::Members() {
    static const automation::MemberTable<FlexGrid> table = [] {
        automation::MemberTable<FlexGrid> t;
        t.Property("Rows", &FlexGrid::Rows, &FlexGrid::SetRows)
            .Property("Cols", &FlexGrid::Cols, &FlexGrid::SetCols)
            .Property("FixedRows", &FlexGrid::FixedRows, &FlexGrid::SetFixedRows)
            .Property("FixedCols", &FlexGrid::FixedCols, &FlexGrid::SetFixedCols)
            .Property("Row", &FlexGrid::Row, &FlexGrid::SetRow)
            .Property("Col", &FlexGrid::Col, &FlexGrid::SetCol)
            .Property("RowSel", &FlexGrid::RowSel, &FlexGrid::SetRowSel)
            .Property("ColSel", &FlexGrid::ColSel, &FlexGrid::SetColSel)
            .Method("Select", &FlexGrid::Select)
            .Property("SelectedRows", &FlexGrid::SelectedRows)
            .Property("SelectedRow", &FlexGrid::SelectedRow)
            .Property("IsSelected", &FlexGrid::IsSelected, &FlexGrid::SetIsSelected)
            .Property("TextMatrix", &FlexGrid::TextMatrix, &FlexGrid::SetTextMatrix)
            .Property("Text", &FlexGrid::Text, &FlexGrid::SetText)
            .Property("ColKey", &FlexGrid::ColKey, &FlexGrid::SetColKey)
            .Property("ColIndex", &FlexGrid::ColIndex)
            .Property("ColHidden", &FlexGrid::ColHidden, &FlexGrid::SetColHidden)
            .Property("ColWidth", &FlexGrid::ColWidth, &FlexGrid::SetColWidth)
            .Property("ColData", &FlexGrid::ColData, &FlexGrid::SetColData)
            .Property("ColSort", &FlexGrid::ColSort, &FlexGrid::SetColSort)
            .Property("ColDataType", &FlexGrid::ColDataType, &FlexGrid::SetColDataType)
            .Property("ColFormat", &FlexGrid::ColFormat, &FlexGrid::SetColFormat)
            .Property("ColAlignment", &FlexGrid::ColAlignment, &FlexGrid::SetColAlignment)
            .Property("ColPosition", &FlexGrid::ColPosition, &FlexGrid::SetColPosition)
            .Property("Sort", &FlexGrid::Sort, &FlexGrid::SetSort)
            .Method("LoadArray", &FlexGrid::LoadArray)
            .Method("AutoSize", &FlexGrid::AutoSize)
            .Method("Clear", &FlexGrid::Clear)
            .Method("Refresh", &FlexGrid::Refresh)
            .Method("SaveGrid", &FlexGrid::SaveGrid)
            .Method("LoadGrid", &FlexGrid::LoadGrid)
            .Property("MouseRow", &FlexGrid::MouseRow)
            .Property("MouseCol", &FlexGrid::MouseCol)
            .Property("Font", [](FlexGrid& g, Arguments&) { return Variant(g.Font()); })
            .Property("Object", [](FlexGrid& g, Arguments&) { return Variant(g.shared_from_this()); });
        for (const auto& look : GridLookDefaults()) {
            const auto name = look.first;  // a copy to capture: clang 14 captures no structured binding
            t.Property(
                name, [name](FlexGrid& g, Arguments&) { return g.GetLook(name); },
                [name](FlexGrid& g, Arguments& args) {
                    g.SetLook(name, args.back());
                    return Variant();
                });
        }
        return t;
    }();
    return table;
}

FlexGrid::FlexGrid() : look_(GridLookDefaults()), font_(std::make_shared<ControlFont>()), events_(GridEventNames()) {}

// --- size ---

void FlexGrid::Resize(int32_t rows, int32_t cols) {
    cells_.Resize(rows, cols);
    columns_.resize(static_cast<size_t>(cols));
    fixedRows_ = std::min(fixedRows_, rows);
    fixedCols_ = std::min(fixedCols_, cols);
    selection_.Fit(rows, cols, fixedRows_);
    if (mouseRow_ >= rows || mouseCol_ >= cols) mouseRow_ = mouseCol_ = -1;
}

void FlexGrid::SetRows(int32_t rows) {
    if (rows < 0) RaiseInvalidValue("Rows " + std::to_string(rows));
    Resize(rows, Cols());
}

void FlexGrid::SetCols(int32_t cols) {
    if (cols < 0) RaiseInvalidValue("Cols " + std::to_string(cols));
    Resize(Rows(), cols);
}

void FlexGrid::SetFixedRows(int32_t fixedRows) {
    if (fixedRows < 0) RaiseInvalidValue("FixedRows " + std::to_string(fixedRows));
    if (fixedRows > Rows()) Resize(fixedRows, Cols());
    fixedRows_ = fixedRows;
    selection_.Fit(Rows(), Cols(), fixedRows_);
}

void FlexGrid::SetFixedCols(int32_t fixedCols) {
    if (fixedCols < 0) RaiseInvalidValue("FixedCols " + std::to_string(fixedCols));
    if (fixedCols > Cols()) Resize(Rows(), fixedCols);
    fixedCols_ = fixedCols;
}

// --- current cell and selection ---

void FlexGrid::CheckRow(int32_t row, const char* what) const { CheckIndex(row, 0, Rows() - 1, what); }
void FlexGrid::CheckCol(int32_t col, const char* what) const { CheckIndex(col, 0, Cols() - 1, what); }
void FlexGrid::CheckCursorRow(int32_t row, const char* what) const {
    if (row != -1) CheckRow(row, what);
}
void FlexGrid::CheckCursorCol(int32_t col, const char* what) const {
    if (col != -1) CheckCol(col, what);
}

void FlexGrid::SetRow(int32_t row) {
    CheckCursorRow(row, "Row");
    selection_.SetRow(row, fixedRows_);
}

void FlexGrid::SetCol(int32_t col) {
    CheckCursorCol(col, "Col");
    selection_.SetCol(col);
}

void FlexGrid::SetRowSel(int32_t row) {
    CheckCursorRow(row, "RowSel");
    selection_.SetRowSel(row);
}

void FlexGrid::SetColSel(int32_t col) {
    CheckCursorCol(col, "ColSel");
    selection_.SetColSel(col);
}

void FlexGrid::Select(int32_t row, int32_t col, std::optional<int32_t> rowSel, std::optional<int32_t> colSel) {
    CheckCursorRow(row, "Row");
    CheckCursorCol(col, "Col");
    CheckCursorRow(rowSel.value_or(row), "RowSel");
    CheckCursorCol(colSel.value_or(col), "ColSel");
    selection_.SetRange(row, col, rowSel.value_or(row), colSel.value_or(col), fixedRows_);
}

int32_t FlexGrid::SelectedRow(int32_t index) const {
    CheckIndex(index, 0, SelectedRows() - 1, "SelectedRow index");
    return selection_.At(index, fixedRows_);
}

bool FlexGrid::IsSelected(int32_t row) const {
    CheckRow(row, "IsSelected row");
    return selection_.Contains(row, fixedRows_);
}

void FlexGrid::SetIsSelected(int32_t row, bool selected) {
    CheckRow(row, "IsSelected row");
    if (!selection_.ListMode()) RaiseInvalidValue("IsSelected is set only in list-box selection mode (SelectionMode 3)");
    if (row < fixedRows_) RaiseInvalidValue("row " + std::to_string(row) + " is a fixed row and cannot be selected");
    selection_.SetListed(row, selected);
}

// --- cells ---

const std::string& FlexGrid::TextMatrix(int32_t row, int32_t col) const {
    CheckRow(row);
    CheckCol(col);
    return cells_.At(row, col);
}

void FlexGrid::SetTextMatrix(int32_t row, int32_t col, const std::string& text) {
    CheckRow(row);
    CheckCol(col);
    cells_.At(row, col) = text;
}

std::string FlexGrid::Text() const { return TextMatrix(Row(), Col()); }
void FlexGrid::SetText(const std::string& text) { SetTextMatrix(Row(), Col(), text); }

// --- columns ---

const GridColumn& FlexGrid::Column(int32_t col) const {
    CheckCol(col);
    return columns_[static_cast<size_t>(col)];
}

GridColumn& FlexGrid::MutableColumn(int32_t col) {
    CheckCol(col);
    return columns_[static_cast<size_t>(col)];
}

void FlexGrid::SetColKey(int32_t col, const std::string& key) { MutableColumn(col).key = key; }

int32_t FlexGrid::ColIndex(const std::string& key) const {
    if (key.empty()) return -1;
    for (size_t c = 0; c < columns_.size(); ++c)
        if (automation::SameName(columns_[c].key, key)) return static_cast<int32_t>(c);
    return -1;
}

void FlexGrid::SetColHidden(int32_t col, bool hidden) { MutableColumn(col).hidden = hidden; }

void FlexGrid::SetColWidth(int32_t col, int32_t width) {
    if (width < -1) RaiseInvalidValue("ColWidth " + std::to_string(width));
    MutableColumn(col).width = width == -1 ? kDefaultColumnWidth : width;
}

void FlexGrid::SetColData(int32_t col, const Variant& data) { MutableColumn(col).data = data; }

void FlexGrid::SetColSort(int32_t col, int32_t setting) {
    CheckChoice(setting, kSortNone, kSortCustom, "ColSort");
    MutableColumn(col).sort = setting;
}

void FlexGrid::SetColDataType(int32_t col, int32_t dataType) {
    if (dataType < 0) RaiseInvalidValue("ColDataType " + std::to_string(dataType));
    MutableColumn(col).dataType = dataType;
}

void FlexGrid::SetColFormat(int32_t col, const std::string& format) { MutableColumn(col).format = format; }

void FlexGrid::SetColAlignment(int32_t col, int32_t alignment) {
    CheckChoice(alignment, 0, kAlignGeneral, "ColAlignment");
    MutableColumn(col).alignment = alignment;
}

int32_t FlexGrid::ColPosition(int32_t col) const {
    CheckCol(col);
    return col;
}

void FlexGrid::SetColPosition(int32_t col, int32_t position) {
    CheckCol(col);
    CheckCol(position, "ColPosition");
    if (col == position) return;
    auto first = columns_.begin();
    if (col < position) {
        std::rotate(first + col, first + col + 1, first + position + 1);
    } else {
        std::rotate(first + position, first + col, first + col + 1);
    }
    cells_.MoveColumn(col, position);
    selection_.FollowColumn(col, position);
    ++columnMoves_;
}

// --- operations ---

void FlexGrid::SetSort(int32_t setting) {
    CheckChoice(setting, kSortNone, kSortUseColSort, "Sort");
    lastSort_ = setting;
    if (setting == kSortNone || Col() < 0) return;
    int32_t other = ColSel() < 0 ? Col() : ColSel();
    std::vector<SortKey> keys;
    for (int32_t c = std::min(Col(), other); c <= std::max(Col(), other); ++c) {
        const GridColumn& column = columns_[static_cast<size_t>(c)];
        int32_t own = setting == kSortUseColSort ? column.sort : setting;
        if (own != kSortNone) keys.push_back(SortKey{c, own, column.dataType});
    }
    SortRows(keys);
}

void FlexGrid::SortRows(const std::vector<SortKey>& keys) {
    if (keys.empty() || Rows() <= fixedRows_) return;
    std::vector<int32_t> order = SortedRowOrder(cells_, fixedRows_, keys);
    cells_.PermuteRows(fixedRows_, order);
    std::vector<int32_t> newIndex(static_cast<size_t>(Rows()));
    std::iota(newIndex.begin(), newIndex.end(), 0);
    for (size_t i = 0; i < order.size(); ++i)
        newIndex[static_cast<size_t>(fixedRows_ + order[i])] = fixedRows_ + static_cast<int32_t>(i);
    selection_.FollowRows(newIndex);
}

bool FlexGrid::RowsInOrder(const std::vector<SortKey>& keys) const {
    std::vector<int32_t> order = SortedRowOrder(cells_, fixedRows_, keys);
    for (size_t i = 0; i < order.size(); ++i)
        if (order[i] != static_cast<int32_t>(i)) return false;
    return true;
}

void FlexGrid::LoadArray(const Variant& array) {
    const automation::SafeArray& source = array.ToArray();
    bool twoDimensions = source.Dimensions() == 2;
    int32_t rows = twoDimensions ? source.UBound(1) - source.LBound(1) + 1 : source.Count();
    int32_t cols = twoDimensions ? source.UBound(2) - source.LBound(2) + 1 : 1;
    // Texts first, so that a value without text (an object) leaves the grid as it was.
    std::vector<std::string> texts;
    texts.reserve(source.Cells().size());
    for (const Variant& cell : source.Cells()) texts.push_back(cell.TextOr(""));
    // Storage order runs down the rows first: cell (r, c) is texts[r + c * rows].
    LoadTexts(rows, cols, [&](int32_t r, std::string* cells) {
        for (int32_t c = 0; c < cols; ++c) cells[c] = std::move(texts[static_cast<size_t>(r + c * rows)]);
    });
}

void FlexGrid::LoadTexts(int32_t rows, int32_t cols, const RowTextSource& text) {
    // The data rows' cells outside the loaded ones are left empty.
    try {
        cells_.Rebuild(fixedRows_, rows, std::max(Cols(), fixedCols_ + cols),
                       [&](int32_t r, std::string* row) { text(r, row + fixedCols_); });
    } catch (...) {  // the store kept the fixed rows: the rest of the grid follows it
        Resize(cells_.Rows(), cells_.Cols());
        throw;
    }
    Resize(cells_.Rows(), cells_.Cols());
    selection_.Reset();
}

void FlexGrid::AutoSize(int32_t col1, std::optional<int32_t> col2, std::optional<bool> equal,
                        std::optional<int32_t> extra) {
    int32_t last = col2.value_or(col1);
    CheckCol(col1);
    CheckCol(last);
    if (look_.Long("AutoSizeMode") != 0) return;  // row heights: every row has the one height here
    std::vector<int32_t> widths;
    for (int32_t c = std::min(col1, last); c <= std::max(col1, last); ++c) {
        int32_t longest = 0;
        for (int32_t r = 0; r < Rows(); ++r) {
            const std::string& text = cells_.At(r, c);
            // A text has no more characters than bytes: only longer ones are counted.
            if (static_cast<int32_t>(text.size()) > longest) longest = std::max(longest, TextLength(text));
        }
        widths.push_back(longest * kTwipsPerCharacter + kCellPadding + extra.value_or(0));
    }
    int32_t widest = widths.empty() ? 0 : *std::max_element(widths.begin(), widths.end());
    for (int32_t c = std::min(col1, last), i = 0; c <= std::max(col1, last); ++c, ++i)
        columns_[static_cast<size_t>(c)].width = equal.value_or(false) ? widest : widths[static_cast<size_t>(i)];
}

void FlexGrid::Clear(std::optional<int32_t> where, std::optional<int32_t> what) {
    CheckChoice(where.value_or(0), 0, 2, "Clear where");
    CheckChoice(what.value_or(0), 0, 3, "Clear what");
    if (what.value_or(0) > 1) return;  // formatting and data: cells carry only their text here
    switch (where.value_or(0)) {
        case 0: cells_.ClearRange(0, 0, Rows() - 1, Cols() - 1); break;
        case 1: cells_.ClearRange(fixedRows_, fixedCols_, Rows() - 1, Cols() - 1); break;
        default: {
            if (Col() < 0) return;
            int32_t otherCol = ColSel() < 0 ? Col() : ColSel();
            for (int32_t i = 0; i < SelectedRows(); ++i) {
                int32_t row = SelectedRow(i);
                cells_.ClearRange(row, std::min(Col(), otherCol), row, std::max(Col(), otherCol));
            }
        }
    }
}

void FlexGrid::SaveGrid(const std::string& path, std::optional<int32_t> what, std::optional<bool> fixedCells) const {
    CheckChoice(what.value_or(kGridFileAll), kGridFileAll, kGridFileFormat, "SaveGrid content");
    WriteGridLayout(path, Snapshot(what.value_or(kGridFileAll), fixedCells.value_or(true)));
}

void FlexGrid::LoadGrid(const std::string& path, std::optional<int32_t> what) {
    CheckChoice(what.value_or(kGridFileAll), kGridFileAll, kGridFileFormat, "LoadGrid content");
    Apply(ReadGridLayout(path), what.value_or(kGridFileAll));
}

GridLayout FlexGrid::Snapshot(int32_t what, bool fixedCells) const {
    GridLayout layout;
    layout.rows = Rows();
    layout.cols = Cols();
    layout.fixedRows = fixedRows_;
    layout.fixedCols = fixedCols_;
    layout.hasFormat = what != kGridFileData;
    layout.hasData = what != kGridFileFormat;
    layout.fixedCells = fixedCells;
    if (layout.hasFormat) {
        layout.columns = columns_;
        layout.look = look_.Entries();
    }
    if (layout.hasData) layout.cells = cells_;
    return layout;
}

void FlexGrid::Apply(GridLayout layout, int32_t what) {
    if (what != kGridFileData && layout.hasFormat) {
        look_.LetKnown(layout.look, &CheckLookValue);  // all or nothing, before the grid changes
        Resize(std::max(Rows(), layout.fixedRows), layout.cols);
        columns_ = std::move(layout.columns);
        fixedRows_ = layout.fixedRows;
        fixedCols_ = layout.fixedCols;
        ApplySelectionMode();
    }
    if (what != kGridFileFormat && layout.hasData) {
        Resize(layout.rows, std::max(Cols(), layout.cols));
        for (int32_t r = 0; r < layout.rows; ++r)
            for (int32_t c = 0; c < layout.cols; ++c)
                if (layout.fixedCells || (r >= layout.fixedRows && c >= layout.fixedCols))
                    cells_.At(r, c) = std::move(layout.cells.At(r, c));
        selection_.Reset();
    }
    selection_.Fit(Rows(), Cols(), fixedRows_);
}

// --- mouse and look ---

void FlexGrid::SetMouseCell(int32_t row, int32_t col) {
    CheckCursorRow(row, "MouseRow");
    CheckCursorCol(col, "MouseCol");
    mouseRow_ = row;
    mouseCol_ = col;
}

std::pair<float, float> FlexGrid::CellCenter(int32_t row, int32_t col) const {
    int32_t x = 0;
    for (int32_t c = 0; c < col; ++c)
        if (!columns_[static_cast<size_t>(c)].hidden) x += columns_[static_cast<size_t>(c)].width;
    if (!Column(col).hidden) x += Column(col).width / 2;
    return {static_cast<float>(x), static_cast<float>(row * kRowHeight + kRowHeight / 2)};
}

void FlexGrid::SetLook(const std::string& name, const Variant& value) {
    CheckLookValue(name, value);
    look_.Let(name, value);
    if (automation::SameName(name, "SelectionMode")) ApplySelectionMode();
}

void FlexGrid::CheckLookValue(const std::string& name, const Variant& value) {
    if (automation::SameName(name, "SelectionMode"))
        CheckChoice(value.ToLong(), kSelectionFree, kSelectionListBox, "SelectionMode");
}

void FlexGrid::ApplySelectionMode() {
    selection_.SetListMode(look_.Long("SelectionMode") == kSelectionListBox, fixedRows_);
}

}  // namespace platform
