#include "automation/SafeArray.h"

#include "automation/AutomationError.h"

namespace automation {

SafeArray::SafeArray(Bounds first) : bounds_{first}, cells_(static_cast<size_t>(first.Count())) {}

SafeArray::SafeArray(Bounds first, Bounds second)
    : bounds_{first, second}, cells_(static_cast<size_t>(first.Count()) * static_cast<size_t>(second.Count())) {}

SafeArray SafeArray::Of(std::vector<Variant> values) {
    SafeArray array(Bounds{0, static_cast<int32_t>(values.size()) - 1});
    array.cells_ = std::move(values);
    return array;
}

int32_t SafeArray::LBound(int dimension) const {
    if (dimension < 1 || dimension > Dimensions()) Raise(errors::kSubscriptOutOfRange);
    return bounds_[static_cast<size_t>(dimension - 1)].lower;
}

int32_t SafeArray::UBound(int dimension) const {
    if (dimension < 1 || dimension > Dimensions()) Raise(errors::kSubscriptOutOfRange);
    return bounds_[static_cast<size_t>(dimension - 1)].upper;
}

size_t SafeArray::Offset(int32_t i) const {
    if (Dimensions() != 1 || i < bounds_[0].lower || i > bounds_[0].upper) Raise(errors::kSubscriptOutOfRange);
    return static_cast<size_t>(i - bounds_[0].lower);
}

size_t SafeArray::Offset(int32_t i, int32_t j) const {
    if (Dimensions() != 2 || i < bounds_[0].lower || i > bounds_[0].upper || j < bounds_[1].lower ||
        j > bounds_[1].upper)
        Raise(errors::kSubscriptOutOfRange);
    return static_cast<size_t>(i - bounds_[0].lower) +
           static_cast<size_t>(j - bounds_[1].lower) * static_cast<size_t>(bounds_[0].Count());
}

Variant& SafeArray::At(int32_t i) { return cells_[Offset(i)]; }
const Variant& SafeArray::At(int32_t i) const { return cells_[Offset(i)]; }
Variant& SafeArray::At(int32_t i, int32_t j) { return cells_[Offset(i, j)]; }
const Variant& SafeArray::At(int32_t i, int32_t j) const { return cells_[Offset(i, j)]; }

void SafeArray::ReDim(Bounds first, bool preserve) {
    if (!preserve) {
        *this = SafeArray(first);
        return;
    }
    if (Dimensions() != 1 || first.lower != bounds_[0].lower) Raise(errors::kSubscriptOutOfRange);
    bounds_[0] = first;
    cells_.resize(static_cast<size_t>(first.Count()));
}

void SafeArray::ReDim(Bounds first, Bounds second, bool preserve) {
    if (!preserve) {
        *this = SafeArray(first, second);
        return;
    }
    // Storage runs down the first dimension, so growing the last one only appends columns.
    if (Dimensions() != 2 || first != bounds_[0] || second.lower != bounds_[1].lower)
        Raise(errors::kSubscriptOutOfRange);
    bounds_[1] = second;
    cells_.resize(static_cast<size_t>(first.Count()) * static_cast<size_t>(second.Count()));
}

}  // namespace automation
