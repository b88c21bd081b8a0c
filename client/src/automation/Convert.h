#pragma once
// Conversions between Variants and the typed parameters and results of C++ members, used by the
// member table and the event sinks so that both speak the same rules.
#include <optional>
#include <type_traits>
#include <vector>

#include "automation/AutomationError.h"
#include "automation/Dispatch.h"
#include "automation/SafeArray.h"

namespace automation {

template <class T>
struct VariantConvert;

template <class T>
T FromVariant(const Variant& v) {
    return VariantConvert<std::remove_cvref_t<T>>::From(v);
}
template <class T>
Variant ToVariant(T&& value) {
    return VariantConvert<std::remove_cvref_t<T>>::To(std::forward<T>(value));
}

inline void RequirePresent(const Variant& v) {
    if (v.IsMissing()) Raise(errors::kArgumentNotOptional);
}

template <>
struct VariantConvert<Variant> {
    static Variant From(const Variant& v) { return v; }
    static Variant To(Variant v) { return v; }
};
template <>
struct VariantConvert<std::string> {
    static std::string From(const Variant& v) { RequirePresent(v); return v.ToString(); }
    static Variant To(std::string v) { return Variant(std::move(v)); }
};
template <>
struct VariantConvert<bool> {
    static bool From(const Variant& v) { RequirePresent(v); return v.ToBool(); }
    static Variant To(bool v) { return Variant(v); }
};
template <>
struct VariantConvert<int16_t> {
    static int16_t From(const Variant& v) { RequirePresent(v); return v.ToInteger(); }
    static Variant To(int16_t v) { return Variant(v); }
};
template <>
struct VariantConvert<int32_t> {
    static int32_t From(const Variant& v) { RequirePresent(v); return v.ToLong(); }
    static Variant To(int32_t v) { return Variant(v); }
};
template <>
struct VariantConvert<float> {
    static float From(const Variant& v) { RequirePresent(v); return v.ToSingle(); }
    static Variant To(float v) { return Variant(v); }
};
template <>
struct VariantConvert<double> {
    static double From(const Variant& v) { RequirePresent(v); return v.ToDouble(); }
    static Variant To(double v) { return Variant(v); }
};
template <>
struct VariantConvert<Date> {
    static Date From(const Variant& v) { RequirePresent(v); return v.ToDate(); }
    static Variant To(Date v) { return Variant(v); }
};
template <>
struct VariantConvert<SafeArray> {
    static SafeArray From(const Variant& v) { RequirePresent(v); return v.ToArray(); }
    static Variant To(SafeArray v) { return Variant(std::move(v)); }
};
// An object parameter of a class of this runtime: Nothing stays Nothing, an object of another
// class raises 13.
template <class T>
ObjectRef<T> TypedObject(const Variant& v) {
    RequirePresent(v);
    DispatchPtr object = v.ToObject();
    if (!object) return nullptr;
    auto typed = std::dynamic_pointer_cast<T>(object);
    if (!typed) Raise(errors::kTypeMismatch);
    return typed;
}
template <class T>
struct VariantConvert<std::shared_ptr<T>> {
    static std::shared_ptr<T> From(const Variant& v) { return TypedObject<T>(v); }
    static Variant To(std::shared_ptr<T> v) { return Variant(DispatchPtr(std::move(v))); }
};
template <class T>
struct VariantConvert<ObjectRef<T>> {
    static ObjectRef<T> From(const Variant& v) { return TypedObject<T>(v); }
    static Variant To(ObjectRef<T> v) { return Variant(DispatchPtr(std::move(v))); }
};
template <class T>
struct VariantConvert<std::optional<T>> {
    static std::optional<T> From(const Variant& v) {
        if (v.IsMissing()) return std::nullopt;
        return FromVariant<T>(v);
    }
    static Variant To(std::optional<T> v) { return v ? ToVariant(std::move(*v)) : Variant::Missing(); }
};
template <class T>
struct VariantConvert<std::vector<T>> {
    static std::vector<T> From(const Variant& v) {
        std::vector<T> out;
        for (const Variant& cell : VariantConvert<SafeArray>::From(v).Cells()) out.push_back(FromVariant<T>(cell));
        return out;
    }
    static Variant To(std::vector<T> values) {
        std::vector<Variant> cells;
        cells.reserve(values.size());
        for (auto& value : values) cells.push_back(ToVariant(std::move(value)));
        return Variant(SafeArray::Of(std::move(cells)));
    }
};

}  // namespace automation
