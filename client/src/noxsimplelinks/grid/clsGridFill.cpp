// clsGrid: filling the grid from a server answer. Each cell's text is made by its column's data type
// and goes straight into the grid (a grid that takes texts in bulk), or into one array for one
// LoadArray.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <functional>
#include <limits>

#include "automation/SafeArray.h"
#include "noxsimplelinks/common/Quietly.h"
#include "noxsimplelinks/common/clsXmlWrapper.h"
#include "noxsimplelinks/env/PlainNumberDisplay.h"
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

// How the texts of one grid column are made from the text the server wrote.
enum class Way {
    AsWritten,    // a text column: the written text
    PlainNumber,  // a number read as a number and shown as a text: the written text when plain
    Number,       // a number column: the written plain number in the user's form
    Converted,    // through the value, once per distinct written text
};

// How the values of one grid column are read and shown.
struct ColumnRule {
    int32_t field = -1;  // the row set's field, -1 when it has none of that name
    platform::FieldKind kind = platform::FieldKind::Text;
    bool dateOnly = false;  // a date column: the user's short date of the day
    bool timeOnly = false;  // a date column formatted "Short time": the user's time
    bool number = false;
    Way way = Way::Converted;
};

// Kinds under which a plain number ("-1234.5") reads as its own text or as a number whose text it is.
bool ReadsBackAsWritten(platform::FieldKind kind) {
    using platform::FieldKind;
    return kind == FieldKind::Text || kind == FieldKind::Integer || kind == FieldKind::Long || kind == FieldKind::Double;
}

Way WayOf(const ColumnRule& rule) {
    if (!ReadsBackAsWritten(rule.kind)) return Way::Converted;
    if (rule.number) return Way::Number;
    return rule.kind == platform::FieldKind::Text ? Way::AsWritten : Way::PlainNumber;
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

// The texts shown for the written texts of one column, in a table indexed by a hash of the written
// text: the dates and numbers of an answer repeat, so most of them are converted once.
class ShownTexts {
public:
    // The text shown for `written` (which lives as long as this table), made by make() when the
    // table does not hold it.
    template <class Make>
    const std::string& Of(std::string_view written, Make&& make) {
        if (entries_.empty()) entries_.resize(size_t{1} << kSlotBits);  // only for a column that converts
        Entry& entry = entries_[Slot(written)];
        if (!entry.written.data() || entry.written != written) {
            entry.shown = make();
            entry.written = written;
        }
        return entry.shown;
    }

private:
    static constexpr unsigned kSlotBits = 10;

    static size_t Slot(std::string_view text) {
        uint64_t hash = text.size();
        for (size_t at = 0; at < text.size(); at += 8) {
            uint64_t word = 0;
            std::memcpy(&word, text.data() + at, std::min<size_t>(8, text.size() - at));
            hash = (hash ^ word) * 0x9E3779B97F4A7C15u;
        }
        return static_cast<size_t>(hash >> (64 - kSlotBits));
    }

    struct Entry {
        std::string_view written;
        std::string shown;
    };
    std::vector<Entry> entries_;
};

// The texts the cells of one answer show, by the rules of their columns. Texts and plain numbers are
// taken from the text the server wrote, without making a value first; they come out as the value
// would show.
class CellTexts {
public:
    CellTexts(const RowSetTable& rows, const std::vector<ColumnRule>& rules)
        : rows_(rows), rules_(rules), days_(rules.size()), shown_(rules.size()),
          numbers_(modRegional::GetDecimalSeparator(), modRegional::GetThousandSeparator()) {
        for (size_t c = 0; c < rules.size(); ++c)
            if (rules[c].field >= 0) filled_.push_back(Filled{c, rows.WrittenTexts(rules[c].field), rules[c].way});
    }

    // Writes the texts of one record's cells into `cells` (one per column, empty).
    void operator()(int32_t record, std::string* cells) {
        for (const Filled& column : filled_) {
            std::string& cell = cells[column.index];
            const std::string_view written = column.written ? (*column.written)[record] : std::string_view();
            if (written.data() && Fast(column.way, written, cell)) continue;
            Slow(record, column.index, written, cell);
        }
    }

private:
    // A column that has a field, and what the rows offer of it.
    struct Filled {
        size_t index;
        std::optional<platform::FieldTexts> written;  // the written texts, none when not offered
        Way way;
    };

    // The text of a written value that needs no value made: false when it does.
    bool Fast(Way way, std::string_view written, std::string& cell) const {
        switch (way) {
            case Way::PlainNumber:
                if (!PlainNumberDisplay::PlainExponent(written)) return false;
                [[fallthrough]];
            case Way::AsWritten: cell.append(written); return true;  // the cell is empty
            case Way::Number: return numbers_.Append(cell, written);
            case Way::Converted: return false;
        }
        return false;
    }

    // Through the value: once per distinct written text, or every time when the text is not offered.
    [[gnu::noinline]] void Slow(int32_t record, size_t column, std::string_view written, std::string& cell) {
        auto shown = [&] { return Shown(rows_.Value(record, rules_[column].field), column); };
        cell = written.data() ? shown_[column].Of(written, shown) : shown();
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
    std::vector<Filled> filled_;
    std::vector<DayTexts> days_;     // per column
    std::vector<ShownTexts> shown_;  // per column
    PlainNumberDisplay numbers_;
};

// The row set of the answer, or null when the text holds none (or is not XML at all).
std::unique_ptr<RowSetTable> RowsOf(Variant xml) {
    if (const std::string* text = xml.IfString(); !text || text->empty()) return nullptr;
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

bool clsGrid::FillGrid(const Variant& grid, Variant xml) {
    xml = std::move(xml).AsText();
    return FalseOnFailure([&] { return Fill(grid, std::move(xml)); });
}

bool clsGrid::Fill(const Variant& grid, Variant xml) {
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
        rule.way = WayOf(rule);
    }

    int32_t records = rows->RecordCount();
    CellTexts text(*rows, rules);
    if (auto bulk = std::dynamic_pointer_cast<platform::BulkTextLoad>(grid.ToObject())) {
        bulk->LoadTexts(records, columns, std::ref(text));
    } else {
        SafeArray cells(Bounds{0, records - 1}, Bounds{0, columns - 1});
        std::vector<std::string> row(static_cast<size_t>(columns));
        for (int32_t r = 0; r < records; ++r) {
            text(r, row.data());
            for (int32_t c = 0; c < columns; ++c) cells.At(r, c) = Variant(std::move(row[static_cast<size_t>(c)]));
            std::fill(row.begin(), row.end(), std::string());
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
