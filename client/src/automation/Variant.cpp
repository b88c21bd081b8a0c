#include "automation/Variant.h"

#include <cmath>
#include <limits>
#include <utility>

#include "automation/AutomationError.h"
#include "automation/Dispatch.h"
#include "automation/SafeArray.h"
#include "automation/VariantText.h"

namespace automation {
namespace {

// The classic range of dates: 1 January 100 to 31 December 9999.
constexpr double kMinDateSerial = -657434.0;
constexpr double kMaxDateSerial = 2958465.99999;

template <class T>
T RoundToInteger(double value) {
    if (std::isnan(value)) Raise(errors::kOverflow);
    double rounded = std::nearbyint(value);  // ties to even under the default rounding mode
    if (rounded < static_cast<double>(std::numeric_limits<T>::min()) ||
        rounded > static_cast<double>(std::numeric_limits<T>::max()))
        Raise(errors::kOverflow);
    return static_cast<T>(rounded);
}

int64_t DaysFromCivil(int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

void CivilFromDays(int64_t z, int& year, int& month, int& day) {
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(static_cast<int64_t>(yoe) + era * 400 + (month <= 2));
}

const int64_t kEpochDays = DaysFromCivil(1899, 12, 30);

}  // namespace

Variant::Variant(SafeArray array) : value_(std::make_shared<SafeArray>(std::move(array))) {}

Variant Variant::Null() {
    Variant v;
    v.value_ = NullTag{};
    return v;
}

Variant Variant::Missing() {
    Variant v;
    v.value_ = MissingTag{};
    return v;
}

Variant Variant::FromLong(int64_t v) {
    if (v < std::numeric_limits<int32_t>::min() || v > std::numeric_limits<int32_t>::max()) Raise(errors::kOverflow);
    return Variant(static_cast<int32_t>(v));
}

Variant Variant::SharedText(std::shared_ptr<const std::string> text) {
    Variant v;
    v.value_ = text ? std::move(text) : std::make_shared<const std::string>();
    return v;
}

VarType Variant::Type() const noexcept {
    return std::holds_alternative<SharedString>(value_) ? VarType::String : static_cast<VarType>(value_.index());
}

const std::string* Variant::IfString() const noexcept {
    if (auto* shared = std::get_if<SharedString>(&value_)) return shared->get();
    return std::get_if<std::string>(&value_);
}

Variant Variant::AsText() && {
    if (IsString()) return std::move(*this);
    return Variant(ToString());
}

std::shared_ptr<const std::string> Variant::ShareText() && {
    if (auto* shared = std::get_if<SharedString>(&value_)) return *shared;
    return std::make_shared<const std::string>(std::move(*this).ToString());
}

bool Variant::IsNothing() const noexcept {
    auto* object = std::get_if<DispatchPtr>(&value_);
    return object && !*object;
}

bool Variant::IsNumeric() const noexcept {
    switch (Type()) {
        case VarType::Empty:
        case VarType::Boolean:
        case VarType::Integer:
        case VarType::Long:
        case VarType::Single:
        case VarType::Double: return true;
        case VarType::String: return ParseNumber(*IfString()).has_value();
        default: return false;
    }
}

std::string Variant::TypeName() const {
    static const char* const names[] = {"Empty", "Null", "Error", "Boolean", "Integer", "Long", "Single",
                                        "Double", "Date", "String", "Object", "Variant()", "Error"};
    if (IsNothing()) return "Nothing";
    if (auto* object = std::get_if<DispatchPtr>(&value_)) return (*object)->TypeName();
    return names[static_cast<size_t>(Type())];
}

double Variant::ToDouble() const {
    switch (Type()) {
        case VarType::Empty: return 0;
        case VarType::Null: Raise(errors::kInvalidUseOfNull);
        case VarType::Boolean: return std::get<bool>(value_) ? -1 : 0;
        case VarType::Integer: return std::get<int16_t>(value_);
        case VarType::Long: return std::get<int32_t>(value_);
        case VarType::Single: return std::get<float>(value_);
        case VarType::Double: return std::get<double>(value_);
        case VarType::Date: return std::get<Date>(value_).serial;
        case VarType::String: {
            auto number = ParseNumber(*IfString());
            if (!number) Raise(errors::kTypeMismatch);
            if (std::isinf(*number)) Raise(errors::kOverflow);
            return *number;
        }
        default: Raise(errors::kTypeMismatch);
    }
}

int16_t Variant::ToInteger() const { return RoundToInteger<int16_t>(ToDouble()); }
int32_t Variant::ToLong() const {
    if (auto* v = std::get_if<int32_t>(&value_)) return *v;
    return RoundToInteger<int32_t>(ToDouble());
}

float Variant::ToSingle() const {
    double value = ToDouble();
    if (std::fabs(value) > std::numeric_limits<float>::max()) Raise(errors::kOverflow);
    return static_cast<float>(value);
}

bool Variant::ToBool() const {
    if (auto* text = IfString()) {
        std::string folded = FoldName(*text);
        if (folded == "true") return true;
        if (folded == "false") return false;
    }
    return ToDouble() != 0;
}

Date Variant::ToDate() const {
    if (auto* date = std::get_if<Date>(&value_)) return *date;
    if (auto* text = IfString()) {
        if (auto date = ParseDate(*text)) return *date;
        if (!ParseNumber(*text)) Raise(errors::kTypeMismatch);
    }
    double serial = ToDouble();
    if (serial < kMinDateSerial || serial > kMaxDateSerial) Raise(errors::kOverflow);
    return Date{serial};
}

std::string Variant::ToString() const& {
    switch (Type()) {
        case VarType::Empty: return {};
        case VarType::Null: Raise(errors::kInvalidUseOfNull);
        case VarType::Boolean: return std::get<bool>(value_) ? "True" : "False";
        case VarType::Integer: return std::to_string(std::get<int16_t>(value_));
        case VarType::Long: return std::to_string(std::get<int32_t>(value_));
        case VarType::Single: return FormatNumber(std::get<float>(value_), 7);
        case VarType::Double: return FormatNumber(std::get<double>(value_), 15);
        case VarType::Date: return FormatDate(std::get<Date>(value_));
        case VarType::String: return *IfString();
        default: Raise(errors::kTypeMismatch);
    }
}

std::string Variant::ToString() && {
    if (auto* text = std::get_if<std::string>(&value_)) return std::move(*text);
    return std::as_const(*this).ToString();
}

std::string Variant::TextOr(std::string_view fallback) && {
    if (auto* text = std::get_if<std::string>(&value_)) return std::move(*text);
    return std::as_const(*this).TextOr(fallback);
}

std::string Variant::TextOr(std::string_view fallback) const& {
    switch (Type()) {
        case VarType::Empty:
        case VarType::Null:
        case VarType::Missing: return std::string(fallback);
        case VarType::Object: return IsNothing() ? std::string(fallback) : ToString();
        default: return ToString();
    }
}

DispatchPtr Variant::ToObject() const {
    if (auto* object = std::get_if<DispatchPtr>(&value_)) return *object;
    Raise(errors::kTypeMismatch);
}

const SafeArray& Variant::ToArray() const {
    if (auto* array = std::get_if<ArrayRef>(&value_)) return **array;
    Raise(errors::kTypeMismatch);
}

SafeArray& Variant::MutableArray() {
    auto* array = std::get_if<ArrayRef>(&value_);
    if (!array) Raise(errors::kTypeMismatch);
    if (array->use_count() > 1) *array = std::make_shared<SafeArray>(**array);
    return **array;
}

ErrorCode Variant::ToError() const {
    if (auto* error = std::get_if<ErrorCode>(&value_)) return *error;
    Raise(errors::kTypeMismatch);
}

bool operator==(const Variant& a, const Variant& b) {
    if (std::holds_alternative<Variant::SharedString>(a.value_) || std::holds_alternative<Variant::SharedString>(b.value_))
        return a.IsString() && b.IsString() && *a.IfString() == *b.IfString();
    auto* left = std::get_if<Variant::ArrayRef>(&a.value_);
    auto* right = std::get_if<Variant::ArrayRef>(&b.value_);
    if (left && right) return **left == **right;
    return a.value_ == b.value_;
}

Date MakeDate(int year, int month, int day, int hour, int minute, int second) {
    double days = static_cast<double>(DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) - kEpochDays);
    double time = (hour * 3600 + minute * 60 + second) / 86400.0;
    return Date{days < 0 ? days - time : days + time};
}

DateParts SplitDate(Date date) {
    double whole = std::trunc(date.serial);
    int64_t seconds = std::llround(std::fabs(date.serial - whole) * 86400.0);
    int64_t days = static_cast<int64_t>(whole);
    if (seconds >= 86400) seconds -= 86400, days += date.serial < 0 ? -1 : 1;
    DateParts parts{};
    CivilFromDays(days + kEpochDays, parts.year, parts.month, parts.day);
    parts.hour = static_cast<int>(seconds / 3600);
    parts.minute = static_cast<int>(seconds / 60 % 60);
    parts.second = static_cast<int>(seconds % 60);
    return parts;
}

}  // namespace automation
