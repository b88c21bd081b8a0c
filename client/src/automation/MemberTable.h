#pragma once
// The declarative table that makes a C++ class dispatchable: each entry binds a member name to a
// typed C++ member (or a raw handler), and arguments and results are converted here, in one place.
#include <functional>
#include <optional>
#include <string>
#include <tuple>
#include <unordered_map>
#include <utility>
#include <vector>

#include "automation/Convert.h"

namespace automation {

namespace detail {

// Holds one converted argument for the duration of a call; non-const reference parameters are
// written back into their slot afterwards, which is what makes them by-reference arguments.
// A non-const reference parameter is a by-reference argument.
template <class P>
inline constexpr bool kByReference = std::is_lvalue_reference_v<P> && !std::is_const_v<std::remove_reference_t<P>>;

// How many parameters a bound member takes, and which of them are by-reference.
struct ParameterList {
    int count = 0;
    std::vector<int> byReference;
};

template <class... P>
ParameterList ParametersOf() {
    ParameterList list{static_cast<int>(sizeof...(P)), {}};
    int position = 0;
    ((kByReference<P> ? list.byReference.push_back(position++) : void(position++)), ...);
    return list;
}

template <class P>
class ArgHolder {
    using Value = std::remove_cvref_t<P>;
    static constexpr bool kByRef = kByReference<P>;

public:
    explicit ArgHolder(Variant& slot) : slot_(slot), value_(FromVariant<Value>(slot)) {}
    Value& Get() { return value_; }
    void WriteBack() {
        if constexpr (kByRef) slot_ = ToVariant(value_);
    }

private:
    Variant& slot_;
    Value value_;
};

template <>
class ArgHolder<Variant&> {
public:
    explicit ArgHolder(Variant& slot) : slot_(slot) {}
    Variant& Get() { return slot_; }
    void WriteBack() {}

private:
    Variant& slot_;
};

template <>
class ArgHolder<const Variant&> {
public:
    explicit ArgHolder(Variant& slot) : slot_(slot) {}
    const Variant& Get() { return slot_; }
    void WriteBack() {}

private:
    const Variant& slot_;
};

// A text taken by const reference is read from the argument itself when it holds a text: large
// texts (documents, answers) are not copied on their way into a member.
template <>
class ArgHolder<const std::string&> {
public:
    explicit ArgHolder(Variant& slot) : slot_(slot) {
        if (!slot.IfString()) converted_ = slot.ToString();
    }
    const std::string& Get() { return converted_ ? *converted_ : *slot_.IfString(); }
    void WriteBack() {}

private:
    const Variant& slot_;
    std::optional<std::string> converted_;
};

void CheckArgumentCount(Arguments& args, size_t parameters);

template <class R, class... P, class Fn, size_t... I>
Variant CallTyped(Fn&& fn, Arguments& args, std::index_sequence<I...>) {
    CheckArgumentCount(args, sizeof...(P));
    std::tuple<ArgHolder<P>...> holders{ArgHolder<P>(args[I])...};
    if constexpr (std::is_void_v<R>) {
        fn(std::get<I>(holders).Get()...);
        (std::get<I>(holders).WriteBack(), ...);
        return Variant();
    } else {
        Variant result = ToVariant(fn(std::get<I>(holders).Get()...));
        (std::get<I>(holders).WriteBack(), ...);
        return result;
    }
}

}  // namespace detail

template <class T>
class MemberTable {
public:
    using Invoker = std::function<Variant(T&, Arguments&)>;

    // fn: a member function of T, a callable taking (T&, Arguments&) and returning Variant (raw), or
    // a callable taking (T&, typed parameters...).
    template <class F>
    MemberTable& Method(std::string_view name, F fn) {
        Entry& entry = Slot(name);
        entry.method = Bind(fn);
        entry.methodByReference = Parameters(fn).byReference;
        return *this;
    }
    // A raw handler whose by-reference parameters are at these 0-based positions: a handler that
    // takes the arguments as they come cannot show them by its signature.
    template <class F>
    MemberTable& Method(std::string_view name, F fn, std::vector<int> byReference) {
        Method(name, fn);
        Slot(name).methodByReference = std::move(byReference);
        return *this;
    }
    template <class G>
    MemberTable& Property(std::string_view name, G getter) {
        Entry& entry = Slot(name);
        entry.getter = Bind(getter);
        entry.getterParameters = Parameters(getter).count;
        return *this;
    }
    // A property whose value is assigned with let (plain values).
    template <class G, class S>
    MemberTable& Property(std::string_view name, G getter, S letter) {
        Property(name, getter);
        Slot(name).letter = Bind(letter);
        return *this;
    }
    // A property that can only be assigned (with let): reading it raises 438.
    template <class S>
    MemberTable& WriteOnlyProperty(std::string_view name, S letter) {
        Slot(name).letter = Bind(letter);
        return *this;
    }
    // A property whose value is assigned with set (objects, by reference).
    template <class G, class S>
    MemberTable& ObjectProperty(std::string_view name, G getter, S setter) {
        Property(name, getter);
        Slot(name).setter = Bind(setter);
        return *this;
    }

    Variant Invoke(T& self, std::string_view name, InvokeKind kind, Arguments& args) const {
        const Entry* entry = Find(name);
        const Invoker* invoker = entry ? Choose(*entry, kind) : nullptr;
        if (!invoker) Raise(errors::kObjectDoesNotSupportMember);
        return (*invoker)(self, args);
    }

    MemberInfo Describe(std::string_view name) const {
        const Entry* entry = Find(name);
        if (!entry) return {};
        return MemberInfo{true, static_cast<bool>(entry->method), static_cast<bool>(entry->getter),
                          entry->getterParameters, entry->methodByReference};
    }

    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& [key, entry] : entries_) names.push_back(entry.name);
        return names;
    }

private:
    struct Entry {
        std::string name;
        Invoker method, getter, letter, setter;
        int getterParameters = 0;
        std::vector<int> methodByReference;
    };

    Entry& Slot(std::string_view name) {
        Entry& entry = entries_[FoldName(name)];
        if (entry.name.empty()) entry.name = std::string(name);
        return entry;
    }
    const Entry* Find(std::string_view name) const {
        auto it = entries_.find(FoldName(name));
        return it == entries_.end() ? nullptr : &it->second;
    }
    static const Invoker* Choose(const Entry& e, InvokeKind kind) {
        auto first = [](const Invoker& a, const Invoker& b) -> const Invoker* { return a ? &a : b ? &b : nullptr; };
        switch (kind) {
            case InvokeKind::Method: return first(e.method, e.getter);
            case InvokeKind::PropertyGet: return first(e.getter, e.method);
            case InvokeKind::PropertyLet: return first(e.letter, e.setter);
            case InvokeKind::PropertySet: return first(e.setter, e.letter);
        }
        return nullptr;
    }

    template <class R, class C, class... P>
    static Invoker Bind(R (C::*fn)(P...)) {
        return [fn](T& self, Arguments& args) {
            return detail::CallTyped<R, P...>([&](auto&&... a) -> decltype(auto) { return (self.*fn)(a...); }, args,
                                              std::index_sequence_for<P...>{});
        };
    }
    template <class R, class C, class... P>
    static Invoker Bind(R (C::*fn)(P...) const) {
        return [fn](T& self, Arguments& args) {
            return detail::CallTyped<R, P...>([&](auto&&... a) -> decltype(auto) { return (self.*fn)(a...); }, args,
                                              std::index_sequence_for<P...>{});
        };
    }
    template <class F>
    static Invoker Bind(F fn) {
        if constexpr (std::is_invocable_r_v<Variant, F, T&, Arguments&>) {
            return fn;
        } else {
            return BindTyped(std::function{fn});
        }
    }
    template <class R, class... P>
    static Invoker BindTyped(std::function<R(T&, P...)> fn) {
        return [fn](T& self, Arguments& args) {
            return detail::CallTyped<R, P...>([&](auto&&... a) -> decltype(auto) { return fn(self, a...); }, args,
                                              std::index_sequence_for<P...>{});
        };
    }

    template <class R, class C, class... P>
    static detail::ParameterList Parameters(R (C::*)(P...)) { return detail::ParametersOf<P...>(); }
    template <class R, class C, class... P>
    static detail::ParameterList Parameters(R (C::*)(P...) const) { return detail::ParametersOf<P...>(); }
    template <class F>
    static detail::ParameterList Parameters(F fn) {
        if constexpr (std::is_invocable_r_v<Variant, F, T&, Arguments&>) {
            return {};
        } else {
            return ParametersOfFunction(std::function{fn});
        }
    }
    template <class R, class... P>
    static detail::ParameterList ParametersOfFunction(const std::function<R(T&, P...)>&) {
        return detail::ParametersOf<P...>();
    }

    std::unordered_map<std::string, Entry> entries_;
};

}  // namespace automation
