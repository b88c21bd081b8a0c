// clsGrid: filling the grid from a server answer. The rows go into one array, converted by the
// columns' data types, and reach the grid in one LoadArray.
#include <cmath>

#include "automation/SafeArray.h"
#include "noxsimplelinks/comm/clsXmlWrapper.h"
#include "noxsimplelinks/env/modRegional.h"
#include "noxsimplelinks/grid/LateGrid.h"
#include "noxsimplelinks/grid/RowSetTable.h"
#include "noxsimplelinks/grid/clsGrid.h"
#include "noxsimplelinks/metadata/ReportedCall.h"

namespace noxsimplelinks {

using automation::Bounds;
using automation::SafeArray;
using automation::Variant;

namespace {

constexpr int32_t kDateType = 7;
constexpr int32_t kDoubleType = 5;
constexpr int32_t kLongType = 3;
constexpr const char* kShortTime = "Short time";

// How the values of one grid column are read and shown.
struct ColumnRule {
    int32_t field = -1;  // the row set's field, -1 when it has none of that name
    bool dateOnly = false;
    bool number = false;
};

Variant Shown(Variant value, const ColumnRule& rule) {
    if (rule.dateOnly && value.Type() == automation::VarType::Date)
        return Variant(automation::Date{std::trunc(value.ToDate().serial)});
    if (rule.number && !value.IsEmpty() && !value.IsNull())
        return Variant(modRegional::FormatNumberForDisplay(value.ToString()));
    return value;
}

// The row set of the answer, or null when the text holds none (or is not XML at all).
std::unique_ptr<RowSetTable> RowsOf(const std::string& xml) {
    if (xml.empty()) return nullptr;
    automation::DispatchPtr rowSet;
    try {
        rowSet = clsXmlWrapper().getRecordset(xml);
    } catch (const std::exception&) {
        return nullptr;
    }
    if (!rowSet) return nullptr;
    auto table = std::make_unique<RowSetTable>(rowSet);
    return table->RecordCount() > 0 ? std::move(table) : nullptr;
}

}  // namespace

bool clsGrid::FillGrid(const Variant& grid, const std::string& xml) {
    return ReportedCall<bool>("clsGrid:FillGrid", [&] { return Fill(grid, xml); });
}

bool clsGrid::Fill(const Variant& grid, const std::string& xml) {
    LateGrid target(grid);
    std::unique_ptr<RowSetTable> rows = RowsOf(xml);
    if (!rows) {
        target.Put("Rows", Variant(int32_t{0}));
        target.Put("Cols", Variant(int32_t{0}));
        return false;
    }

    int32_t columns = target.Long("Cols");
    std::vector<ColumnRule> rules(static_cast<size_t>(columns));
    for (int32_t c = 0; c < columns; ++c) {
        ColumnRule& rule = rules[static_cast<size_t>(c)];
        rule.field = rows->FieldIndex(target.Text("ColKey", c));
        int32_t dataType = target.Long("ColDataType", c);
        rule.dateOnly = dataType == kDateType && target.Text("ColFormat", c) != kShortTime;
        rule.number = dataType == kDoubleType || dataType == kLongType;
    }

    int32_t records = rows->RecordCount();
    SafeArray cells(Bounds{0, records - 1}, Bounds{0, columns - 1});
    for (int32_t c = 0; c < columns; ++c) {
        const ColumnRule& rule = rules[static_cast<size_t>(c)];
        if (rule.field < 0) continue;
        for (int32_t r = 0; r < records; ++r) cells.At(r, c) = Shown(rows->Value(r, rule.field), rule);
    }
    rows.reset();
    target.Call("LoadArray", Variant(std::move(cells)));

    target.Put("AutoSizeMode", Variant(int32_t{0}));
    for (int32_t c = 0; c < columns; ++c) {
        Variant stored = target.Get("ColData", c);
        if (stored.IsNumeric() && !stored.IsEmpty() && stored.ToLong() == kNoStoredWidth) target.Call("AutoSize", c, c);
    }
    ApplySort(grid);
    return true;
}

}  // namespace noxsimplelinks
