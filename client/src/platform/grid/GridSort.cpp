#include "platform/grid/GridSort.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
#include <string>

#include "automation/VariantText.h"
#include "platform/LocaleDates.h"

namespace platform {

namespace {

enum class Comparison { Number, Date, NoCaseText, Text };

// Data types (ColDataType) whose values compare as numbers or as dates in a generic sort.
bool IsNumericType(int32_t dataType) {
    switch (dataType) {
        case 2: case 3: case 4: case 5: case 6: case 11: case 14: case 16: case 17: case 18: case 19: case 20:
            return true;
        default:
            return false;
    }
}
constexpr int32_t kDateType = 7;

Comparison ComparisonOf(const SortKey& key) {
    switch (key.setting) {
        case kSortNumericAscending: case kSortNumericDescending: return Comparison::Number;
        case kSortTextAscending: case kSortTextDescending: return Comparison::Text;
        case kSortNoCaseAscending: case kSortNoCaseDescending: return Comparison::NoCaseText;
        default:
            if (key.dataType == kDateType) return Comparison::Date;
            return IsNumericType(key.dataType) ? Comparison::Number : Comparison::NoCaseText;
    }
}

bool Descending(int32_t setting) { return setting != kSortCustom && setting % 2 == 0; }

std::string Folded(std::string text) {
    for (char& ch : text)
        if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
    return text;
}

// Numbers, and the Boolean texts as their classic values (True is -1).
double NumberOf(const std::string& text) {
    if (auto number = automation::ParseNumber(text)) return *number;
    std::string folded = Folded(text);
    if (folded == "true") return -1;
    if (folded == "false") return 0;
    return std::numeric_limits<double>::quiet_NaN();
}

double ParseDateSerial(const std::string& text) {
    auto date = LocaleDates::ReadShownDate(text);
    return date ? date->serial : std::numeric_limits<double>::quiet_NaN();
}

// One sort key with its column's values prepared once, so comparing rows parses nothing.
class PreparedKey {
public:
    PreparedKey(const CellStore& cells, int32_t firstRow, const SortKey& key)
        : comparison_(ComparisonOf(key)), descending_(Descending(key.setting)) {
        int32_t count = cells.Rows() - firstRow;
        if (comparison_ == Comparison::Number || comparison_ == Comparison::Date) {
            numbers_.reserve(static_cast<size_t>(count));
            for (int32_t r = 0; r < count; ++r) {
                const std::string& text = cells.At(firstRow + r, key.col);
                numbers_.push_back(comparison_ == Comparison::Number ? NumberOf(text) : ParseDateSerial(text));
            }
        } else {
            texts_.reserve(static_cast<size_t>(count));
            for (int32_t r = 0; r < count; ++r) {
                const std::string& text = cells.At(firstRow + r, key.col);
                texts_.push_back(comparison_ == Comparison::Text ? text : Folded(text));
            }
        }
    }

    // Negative, zero or positive as row a sorts before, with or after row b.
    int Compare(int32_t a, int32_t b) const {
        int order = numbers_.empty() ? texts_[static_cast<size_t>(a)].compare(texts_[static_cast<size_t>(b)])
                                     : CompareNumbers(numbers_[static_cast<size_t>(a)], numbers_[static_cast<size_t>(b)]);
        return descending_ ? -order : order;
    }

private:
    // Values that are not numbers (empty cells, text) come before every number.
    static int CompareNumbers(double a, double b) {
        bool aNan = std::isnan(a), bNan = std::isnan(b);
        if (aNan || bNan) return aNan == bNan ? 0 : (aNan ? -1 : 1);
        return a < b ? -1 : (a > b ? 1 : 0);
    }

    Comparison comparison_;
    bool descending_;
    std::vector<double> numbers_;
    std::vector<std::string> texts_;
};

}  // namespace

std::vector<int32_t> SortedRowOrder(const CellStore& cells, int32_t firstRow, const std::vector<SortKey>& keys) {
    std::vector<int32_t> order(static_cast<size_t>(std::max(0, cells.Rows() - firstRow)));
    std::iota(order.begin(), order.end(), 0);
    std::vector<PreparedKey> prepared;
    for (const SortKey& key : keys) prepared.emplace_back(cells, firstRow, key);
    std::stable_sort(order.begin(), order.end(), [&](int32_t a, int32_t b) {
        for (const PreparedKey& key : prepared) {
            int c = key.Compare(a, b);
            if (c != 0) return c < 0;
        }
        return false;
    });
    return order;
}

}  // namespace platform
