#pragma once
// An array of Variants with one or two dimensions, each with its own lower and upper bound.
#include <cstdint>
#include <vector>

#include "automation/Variant.h"

namespace automation {

struct Bounds {
    int32_t lower = 0;
    int32_t upper = -1;  // upper < lower: an empty dimension
    int32_t Count() const { return upper >= lower ? upper - lower + 1 : 0; }
    friend bool operator==(Bounds, Bounds) = default;
};

class SafeArray {
public:
    SafeArray() : SafeArray(Bounds{0, -1}) {}
    explicit SafeArray(Bounds first);
    SafeArray(Bounds first, Bounds second);
    // A 0-based one-dimensional array of the given values.
    static SafeArray Of(std::vector<Variant> values);

    int Dimensions() const { return static_cast<int>(bounds_.size()); }
    int32_t LBound(int dimension = 1) const;  // dimensions count from 1; a bad one raises 9
    int32_t UBound(int dimension = 1) const;
    int32_t Count() const { return static_cast<int32_t>(cells_.size()); }

    Variant& At(int32_t i);  // out of bounds or wrong dimension count raises 9
    const Variant& At(int32_t i) const;
    Variant& At(int32_t i, int32_t j);
    const Variant& At(int32_t i, int32_t j) const;

    // ReDim: new bounds, contents cleared unless preserve; with preserve only the last dimension's
    // upper bound may change, as the classic rule says (anything else raises 9).
    void ReDim(Bounds first, bool preserve = false);
    void ReDim(Bounds first, Bounds second, bool preserve = false);

    // Cells in storage order (first index varies fastest).
    const std::vector<Variant>& Cells() const { return cells_; }
    friend bool operator==(const SafeArray&, const SafeArray&) = default;

private:
    size_t Offset(int32_t i) const;
    size_t Offset(int32_t i, int32_t j) const;
    std::vector<Bounds> bounds_;
    std::vector<Variant> cells_;
};

}  // namespace automation
