// clsGrid: filling the grid from a server answer. Each cell's text is made by its column's data type
// and goes straight into the grid (a grid that takes texts in bulk), or into one array for one
// LoadArray.
#include <cmath>
#include <functional>
#include <array>
#include <limits>

#include "automation/SafeArray.h"
#include "noxsimplelinks/common/Quietly.h"
#include "noxsimplelinks/common/clsXmlWrapper.h"
#include "noxsimplelinks/env/modRegional.h"
#include "noxsimplelinks/grid/RowSetTable.h"
#include "noxsimplelinks/grid/clsGrid.h"
#include "platform/LocaleDates.h"
#include "platform/grid/BulkTextLoad.h"
#include "platform/grid/LateGrid.h"

namespace noxsimplelinks {

using automation::Bounds;
using automation::SafeArray;
using automation::Variant;

namespace {

// How the values of one grid column are read and shown.
struct ColumnRule {
    int32_t field = -1;  // the row set's field, -1 when it has none of that name
    platform::FieldKind kind = platform::FieldKind::Text;
    bool dateOnly = false;  // a date column: the user's short date of the day
    bool timeOnly = false;  // a date column formatted "Short time": the user's time
    bool number = false;
};

// Kinds under which a plain number ("-1234.5") reads as its own text or as a number whose text it is.
bool ReadsBackAsWritten(platform::FieldKind kind) {
    using platform::FieldKind;
    return kind == FieldKind::Text || kind == FieldKind::Integer || kind == FieldKind::Long || kind == FieldKind::Double;
}

// The texts of the days one date column shows (the user's short dates), in a small cache indexed by
// the day's serial: the dates of an answer cluster, so most days are made once.
class DayTexts {
public:
    DayTexts() { days_.fill(std::numeric_limits<double>::quiet_NaN()); }

    const std::string& Of(double day) {
        size_t slot = static_cast<size_t>(static_cast<int64_t>(day)) % kSlots;
        if (days_[slot] != day) {
            days_[slot] = day;
            texts_[slot] = platform::LocaleDates::ShortDate(automation::Date{day});
        }
        return texts_[slot];
    }

private:
    static constexpr size_t kSlots = 256;
    std::array<double, kSlots> days_;
    std::array<std::string, kSlots> texts_;
};

// The texts the cells of one answer show, by the rules of their columns. Texts and plain numbers are
// taken from the text the server wrote, without making a value first; they come out as the value
// would show.
class CellTexts {
public:
    CellTexts(const RowSetTable& rows, const std::vector<ColumnRule>& rules)
        : rows_(rows), rules_(rules), days_(rules.size()), decimal_(modRegional::GetDecimalSeparator()),
          thousands_(modRegional::GetThousandSeparator()) {}

    // Writes the text of one cell into `cell` (empty).
    void operator()(int32_t record, int32_t column, std::string& cell) {
        const ColumnRule& rule = rules_[static_cast<size_t>(column)];
        if (rule.field < 0) return;
        if (!FromWritten(rows_.WrittenText(record, rule.field), rule, cell))
            cell = Shown(rows_.Value(record, rule.field), static_cast<size_t>(column));
    }

private:
    // The cell's text straight from the text the server wrote, where that is what the value would
    // show; false when the value must be made first.
    bool FromWritten(std::string_view written, const ColumnRule& rule, std::string& cell) const {
        if (!written.data()) return false;
        bool asWritten = rule.kind == platform::FieldKind::Text ||
                         (ReadsBackAsWritten(rule.kind) && modRegional::IsPlainNumber(written));
        if (!rule.number && asWritten) {
            cell.assign(written);
            return true;
        }
        return rule.number && ReadsBackAsWritten(rule.kind) &&
               modRegional::AppendPlainNumberForDisplay(cell, written, decimal_, thousands_);
    }

    std::string Shown(const Variant& value, size_t column) {
        const ColumnRule& rule = rules_[column];
        if (value.Type() == automation::VarType::Date) {
            if (rule.dateOnly) return days_[column].Of(std::trunc(value.ToDate().serial));
            if (rule.timeOnly) return platform::LocaleDates::ShortTime(value.ToDate());
        }
        if (rule.number && !value.IsEmpty() && !value.IsNull()) return modRegional::FormatNumberForDisplay(value.ToString());
        return value.TextOr("");
    }

    const RowSetTable& rows_;
    const std::vector<ColumnRule>& rules_;
    std::vector<DayTexts> days_;  // per column
    std::string decimal_, thousands_;
};

// The row set of the answer, or null when the text holds none (or is not XML at all).
std::unique_ptr<RowSetTable> RowsOf(std::string xml) {
    if (xml.empty()) return nullptr;
    automation::DispatchPtr rowSet;
    try {
        rowSet = clsXmlWrapper().getRecordset(std::move(xml));
    } catch (const std::exception&) {
        return nullptr;
    }
    if (!rowSet) return nullptr;
    auto table = std::make_unique<RowSetTable>(rowSet);
    return table->RecordCount() > 0 ? std::move(table) : nullptr;
}

}  // namespace

bool clsGrid::FillGrid(const Variant& grid, std::string xml) {
    return FalseOnFailure([&] { return Fill(grid, std::move(xml)); });
}

bool clsGrid::Fill(const Variant& grid, std::string xml) {
    platform::LateGrid target(grid);
    std::unique_ptr<RowSetTable> rows = RowsOf(std::move(xml));
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
        if (rule.field >= 0) rule.kind = rows->Kind(rule.field);
        int32_t dataType = target.Long("ColDataType", c);
        const bool shortTime = target.Text("ColFormat", c) == kShortTime;
        rule.dateOnly = dataType == kDateType && !shortTime;
        rule.timeOnly = dataType == kDateType && shortTime;
        rule.number = dataType == kDoubleType || dataType == kLongType;
    }

    int32_t records = rows->RecordCount();
    CellTexts text(*rows, rules);
    if (auto bulk = std::dynamic_pointer_cast<platform::BulkTextLoad>(grid.ToObject())) {
        bulk->LoadTexts(records, columns, std::ref(text));
    } else {
        SafeArray cells(Bounds{0, records - 1}, Bounds{0, columns - 1});
        for (int32_t c = 0; c < columns; ++c)
            for (int32_t r = 0; r < records; ++r) {
                std::string cell;
                text(r, c, cell);
                cells.At(r, c) = Variant(std::move(cell));
            }
        target.Call("LoadArray", Variant(std::move(cells)));
    }
    rows.reset();

    target.Put("AutoSizeMode", Variant(int32_t{0}));
    for (int32_t c = 0; c < columns; ++c) {
        Variant stored = target.Get("ColData", c);
        if (stored.IsNumeric() && !stored.IsEmpty() && stored.ToLong() == kNoStoredWidth) target.Call("AutoSize", c, c);
    }
    ApplySort(grid);
    return true;
}

}  // namespace noxsimplelinks
