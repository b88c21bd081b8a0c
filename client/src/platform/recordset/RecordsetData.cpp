#include "platform/recordset/RecordsetData.h"

#include <charconv>
#include <cstring>
#include <optional>

#include "automation/Dispatch.h"
#include "automation/VariantText.h"

namespace platform {

using automation::Variant;

namespace {

template <class T>
std::optional<T> ParseWhole(std::string_view text) {
    T value{};
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// Reads exactly `count` digits at `pos`; -1 when they are not there.
int Digits(std::string_view text, size_t pos, size_t count) {
    if (pos + count > text.size()) return -1;
    int value = 0;
    for (size_t i = pos; i < pos + count; ++i) {
        if (text[i] < '0' || text[i] > '9') return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

// "HH:MM[:SS[.fff]]" at pos as a fraction of a day; the end of what was read goes to `end`.
std::optional<double> IsoTime(std::string_view text, size_t pos, size_t& end) {
    int hour = Digits(text, pos, 2), minute = Digits(text, pos + 3, 2);
    if (hour < 0 || minute < 0 || text[pos + 2] != ':' || hour > 24 || minute > 59) return std::nullopt;
    double seconds = 0;
    end = pos + 5;
    if (end < text.size() && text[end] == ':') {
        int whole = Digits(text, end + 1, 2);
        if (whole < 0 || whole > 60) return std::nullopt;
        seconds = whole;
        end += 3;
        if (end < text.size() && text[end] == '.') {
            size_t start = ++end;
            while (end < text.size() && text[end] >= '0' && text[end] <= '9') ++end;
            seconds += std::strtod(std::string("0." + std::string(text.substr(start, end - start))).c_str(), nullptr);
        }
    }
    return (hour * 3600.0 + minute * 60.0 + seconds) / 86400.0;
}

// "YYYY-MM-DD", "YYYY-MM-DDTHH:MM:SS[.fff][zone]" or "HH:MM:SS"; a zone suffix is read over (the
// time stays as written).
std::optional<automation::Date> IsoDate(std::string_view text) {
    size_t end = 0;
    if (text.size() >= 5 && text[2] == ':') {
        auto time = IsoTime(text, 0, end);
        if (time) return automation::Date{*time};
    }
    int year = Digits(text, 0, 4), month = Digits(text, 5, 2), day = Digits(text, 8, 2);
    if (year < 0 || month < 1 || month > 12 || day < 1 || day > 31 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    double serial = automation::MakeDate(year, month, day).serial;
    if (text.size() == 10) return automation::Date{serial};
    if (text[10] != 'T' && text[10] != ' ') return std::nullopt;
    auto time = IsoTime(text, 11, end);
    if (!time) return std::nullopt;
    std::string_view zone = text.substr(end);
    if (!zone.empty() && zone != "Z" && zone[0] != '+' && zone[0] != '-') return std::nullopt;
    return automation::Date{serial + *time};
}

std::optional<bool> BooleanText(std::string_view text) {
    if (text == "1" || text == "-1" || text == "true" || text == "True") return true;
    if (text == "0" || text == "false" || text == "False") return false;
    return std::nullopt;
}

}  // namespace

size_t RecordsetData::AddColumn(std::string name, std::string xmlName, int32_t type, FieldKind kind) {
    byName_.emplace(automation::FoldName(name), columns_.size());
    columns_.push_back(RecordsetColumn{std::move(name), std::move(xmlName), type, kind,
                                       std::vector<CellSpan>(room_)});
    return columns_.size() - 1;
}

void RecordsetData::MakeRoom(size_t records) {
    for (RecordsetColumn& column : columns_) column.cells.resize(records);
    room_ = records;
}

void RecordsetData::FinishRecords() {
    for (RecordsetColumn& column : columns_) column.cells.resize(records_);
    room_ = records_;
}

int32_t RecordsetData::ColumnIndex(std::string_view name) const {
    auto it = byName_.find(automation::FoldName(name));
    return it == byName_.end() ? -1 : static_cast<int32_t>(it->second);
}

Variant RecordsetData::Value(size_t record, size_t column) const {
    return Convert(Texts(column)[record], columns_[column].kind);
}

Variant RecordsetData::Convert(std::string_view view, FieldKind kind) {
    if (!view.data()) return Variant::Null();
    switch (kind) {
        case FieldKind::Text: break;
        case FieldKind::Integer:
            if (auto v = ParseWhole<int16_t>(view)) return Variant(*v);
            break;
        case FieldKind::Long:
            if (auto v = ParseWhole<int32_t>(view)) return Variant(*v);
            break;
        case FieldKind::Single:
            if (auto v = ParseWhole<float>(view)) return Variant(*v);
            break;
        case FieldKind::Double:
            if (auto v = ParseWhole<double>(view)) return Variant(*v);
            break;
        case FieldKind::Boolean:
            if (auto v = BooleanText(view)) return Variant(*v);
            break;
        case FieldKind::Date:
            if (auto v = IsoDate(view)) return Variant(*v);
            if (auto v = automation::ParseDate(view)) return Variant(*v);
            break;
    }
    return Variant(std::string(view));
}

}  // namespace platform
