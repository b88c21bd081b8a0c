#pragma once
// What must hold of a grid after every operation: fixed counts inside the size, the current cell,
// the range and the mouse cell inside the grid, the selected rows distinct data rows that agree with
// IsSelected, and ColIndex finding the first column of each key. Also the small grids the grid tests
// build and read.
#include <gtest/gtest.h>

#include <set>

#include "automation/Dispatch.h"
#include "platform/grid/FlexGrid.h"

namespace platform::testing {

inline ::testing::AssertionResult Fails(const std::string& what) { return ::testing::AssertionFailure() << what; }

inline bool Inside(int32_t value, int32_t count) { return value >= -1 && value < count; }

inline ::testing::AssertionResult GridInvariantsHold(const FlexGrid& g) {
    if (g.FixedRows() < 0 || g.FixedRows() > g.Rows()) return Fails("FixedRows outside Rows");
    if (g.FixedCols() < 0 || g.FixedCols() > g.Cols()) return Fails("FixedCols outside Cols");
    if (!Inside(g.Row(), g.Rows()) || !Inside(g.RowSel(), g.Rows())) return Fails("Row or RowSel outside the rows");
    if (!Inside(g.Col(), g.Cols()) || !Inside(g.ColSel(), g.Cols())) return Fails("Col or ColSel outside the columns");
    if (!Inside(g.MouseRow(), g.Rows()) || !Inside(g.MouseCol(), g.Cols())) return Fails("mouse cell outside the grid");

    std::set<int32_t> selected;
    for (int32_t i = 0; i < g.SelectedRows(); ++i) {
        int32_t row = g.SelectedRow(i);
        if (row < g.FixedRows() || row >= g.Rows()) return Fails("selected row " + std::to_string(row) + " is no data row");
        if (!selected.insert(row).second) return Fails("row " + std::to_string(row) + " selected twice");
    }
    for (int32_t r = g.FixedRows(); r < g.Rows(); ++r)
        if (g.IsSelected(r) != (selected.count(r) > 0)) return Fails("IsSelected disagrees at row " + std::to_string(r));

    for (int32_t c = 0; c < g.Cols(); ++c) {
        const std::string key = g.ColKey(c);
        if (key.empty()) continue;
        int32_t first = g.ColIndex(key);
        if (first < 0 || first > c || !automation::SameName(g.ColKey(first), key))
            return Fails("ColIndex(\"" + key + "\") is not the first column with that key");
        for (int32_t before = 0; before < first; ++before)
            if (automation::SameName(g.ColKey(before), key)) return Fails("an earlier column has the key " + key);
    }
    if (g.Rows() > 0 && g.Cols() > 0) (void)g.TextMatrix(g.Rows() - 1, g.Cols() - 1);
    return ::testing::AssertionSuccess();
}

// A grid of the given data rows under one fixed row of keys "K0", "K1", ...; cell texts "r<row>c<col>".
inline std::shared_ptr<FlexGrid> MakeGrid(int32_t dataRows, int32_t cols) {
    auto g = std::make_shared<FlexGrid>();
    g->SetRows(dataRows + 1);
    g->SetCols(cols);
    g->SetFixedRows(1);
    for (int32_t c = 0; c < cols; ++c) {
        g->SetColKey(c, "K" + std::to_string(c));
        g->SetTextMatrix(0, c, "Head" + std::to_string(c));
        for (int32_t r = 1; r <= dataRows; ++r) g->SetTextMatrix(r, c, "r" + std::to_string(r) + "c" + std::to_string(c));
    }
    return g;
}

// A grid of one fixed row and one column per given column of texts.
inline std::shared_ptr<FlexGrid> GridOf(const std::vector<std::vector<std::string>>& columns) {
    auto g = std::make_shared<FlexGrid>();
    g->SetCols(static_cast<int32_t>(columns.size()));
    g->SetRows(static_cast<int32_t>(columns[0].size()) + 1);
    g->SetFixedRows(1);
    for (size_t c = 0; c < columns.size(); ++c)
        for (size_t r = 0; r < columns[c].size(); ++r)
            g->SetTextMatrix(static_cast<int32_t>(r + 1), static_cast<int32_t>(c), columns[c][r]);
    return g;
}

// The texts of a column's data rows.
inline std::vector<std::string> Column(const FlexGrid& g, int32_t col) {
    std::vector<std::string> texts;
    for (int32_t r = g.FixedRows(); r < g.Rows(); ++r) texts.push_back(g.TextMatrix(r, col));
    return texts;
}

// The selected rows in the order the grid lists them.
inline std::vector<int32_t> SelectedRowList(const FlexGrid& g) {
    std::vector<int32_t> rows;
    for (int32_t i = 0; i < g.SelectedRows(); ++i) rows.push_back(g.SelectedRow(i));
    return rows;
}

}  // namespace platform::testing
