#pragma once
// The automation value: one of Empty, Null, Missing, Boolean, Integer, Long, Single, Double, Date,
// String, Object (Nothing when null), Array and Error, with the classic conversions between them.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <variant>

#include "automation/ObjectRef.h"

namespace automation {

class Dispatch;
class SafeArray;
// A reference to an automation object; Nothing when null, and any use of Nothing raises 91.
using DispatchPtr = ObjectRef<Dispatch>;

enum class VarType { Empty, Null, Missing, Boolean, Integer, Long, Single, Double, Date, String, Object, Array, Error };

// A point in time as days since 1899-12-30, the fraction being the time of day.
struct Date {
    double serial = 0.0;
    friend bool operator==(Date a, Date b) { return a.serial == b.serial; }
};

struct ErrorCode {
    int32_t scode = 0;
    friend bool operator==(ErrorCode a, ErrorCode b) { return a.scode == b.scode; }
};

class Variant {
public:
    Variant() = default;  // Empty
    Variant(bool v) : value_(v) {}
    Variant(int16_t v) : value_(v) {}
    Variant(int32_t v) : value_(v) {}
    Variant(float v) : value_(v) {}
    Variant(double v) : value_(v) {}
    Variant(Date v) : value_(v) {}
    Variant(ErrorCode v) : value_(v) {}
    Variant(std::string v) : value_(std::move(v)) {}
    Variant(std::string_view v) : value_(std::string(v)) {}
    Variant(const char* v) : value_(std::string(v)) {}
    Variant(DispatchPtr v) : value_(std::move(v)) {}
    Variant(SafeArray array);
    template <class T, class = std::enable_if_t<std::is_base_of_v<Dispatch, T>>>
    Variant(std::shared_ptr<T> v) : value_(DispatchPtr(std::move(v))) {}

    static Variant Null();
    static Variant Missing();
    static Variant Nothing() { return Variant(DispatchPtr{}); }
    static Variant FromLong(int64_t v);  // Long, raising Overflow outside 32 bits
    // A String whose text is shared with its other holders instead of copied: a large text (an
    // answer, a document) that several objects keep crosses between them as one. Null gives "".
    static Variant SharedText(std::shared_ptr<const std::string> text);

    VarType Type() const noexcept;
    bool IsEmpty() const noexcept { return Type() == VarType::Empty; }
    bool IsNull() const noexcept { return Type() == VarType::Null; }
    bool IsMissing() const noexcept { return Type() == VarType::Missing; }
    bool IsObject() const noexcept { return Type() == VarType::Object; }
    bool IsNothing() const noexcept;
    bool IsArray() const noexcept { return Type() == VarType::Array; }
    bool IsString() const noexcept { return Type() == VarType::String; }
    bool IsNumeric() const noexcept;  // as the classic IsNumeric: numbers, Booleans, numeric texts, Empty
    // The classic type name: "Empty", "Null", "Boolean", "Integer", "Long", "String", "Nothing", ...
    std::string TypeName() const;

    // Classic conversions; Null raises 94, a failed conversion 13, an overflow 6.
    std::string ToString() const&;
    std::string ToString() &&;  // a text is moved out, leaving an empty text behind
    bool ToBool() const;
    int16_t ToInteger() const;
    int32_t ToLong() const;
    float ToSingle() const;
    double ToDouble() const;
    Date ToDate() const;
    DispatchPtr ToObject() const;  // Nothing gives null; a non-object raises 13
    const SafeArray& ToArray() const;  // a non-array raises 13
    SafeArray& MutableArray();  // the array for change (copied first when shared)
    ErrorCode ToError() const;

    // The text the value holds, or null when it holds no text (no conversion).
    const std::string* IfString() const noexcept;
    // The text the value holds as a shared one (a text of its own is moved into it); a value of
    // another kind converts as ToString does.
    std::shared_ptr<const std::string> ShareText() &&;
    // The value as a String: a text stays as it is (shared or not), another value converts as
    // ToString does.
    Variant AsText() &&;

    // Text of the value, or the fallback for Empty, Null, Missing and Nothing (never raises for those).
    std::string TextOr(std::string_view fallback) const&;
    std::string TextOr(std::string_view fallback) &&;  // a text is moved out

    // Strict equality of kind and value (objects by identity, arrays element by element).
    friend bool operator==(const Variant& a, const Variant& b);

private:
    struct NullTag { friend bool operator==(NullTag, NullTag) { return true; } };
    struct MissingTag { friend bool operator==(MissingTag, MissingTag) { return true; } };
    using ArrayRef = std::shared_ptr<SafeArray>;
    using SharedString = std::shared_ptr<const std::string>;  // a String too, never null
    std::variant<std::monostate, NullTag, MissingTag, bool, int16_t, int32_t, float, double, Date, std::string,
                 DispatchPtr, ArrayRef, ErrorCode, SharedString>
        value_;
};

// Date helpers for the serial form.
Date MakeDate(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);
struct DateParts {
    int year, month, day, hour, minute, second;
};
DateParts SplitDate(Date date);

}  // namespace automation
