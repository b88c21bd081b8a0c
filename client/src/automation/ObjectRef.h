#pragma once
// The object reference of the runtime: a shared reference that may be Nothing, and that raises
// "Object variable or With block variable not set" (91) on every use through Nothing instead of
// crashing. Everything a shared_ptr does otherwise (copying, comparing, casting, testing) it does.
#include <memory>
#include <type_traits>
#include <utility>

namespace automation {

// Raises error 91; out of line, so that this header needs no more than <memory>.
[[noreturn]] void RaiseObjectNotSet();

template <class T>
class ObjectRef : public std::shared_ptr<T> {
    using Base = std::shared_ptr<T>;

public:
    constexpr ObjectRef() noexcept = default;
    constexpr ObjectRef(std::nullptr_t) noexcept {}
    ObjectRef(Base object) noexcept : Base(std::move(object)) {}
    template <class U, class = std::enable_if_t<std::is_convertible_v<U*, T*>>>
    ObjectRef(std::shared_ptr<U> object) noexcept : Base(std::move(object)) {}

    T* operator->() const {
        if (!*this) RaiseObjectNotSet();
        return Base::get();
    }
    T& operator*() const { return *operator->(); }
};

}  // namespace automation
