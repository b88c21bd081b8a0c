#pragma once
// An array whose bounds a Python list cannot keep (not 0-based, or with an empty dimension) as
// Python sees it: noxsimplelinks.Array, indexed with its own bounds, a[i] or a[i, j].
#include <pybind11/pybind11.h>

#include "automation/SafeArray.h"

namespace noxpython {

class ArrayValue {
public:
    static void Define(pybind11::module_& module);

    explicit ArrayValue(automation::SafeArray array) : array_(std::move(array)) {}
    // One (lower, upper) pair per dimension, one or two of them; the cells start Empty.
    static ArrayValue WithBounds(const pybind11::args& bounds);

    pybind11::object Item(pybind11::handle index) const;
    void SetItem(pybind11::handle index, pybind11::handle value);
    // The cells as lists: a list for one dimension, a list of rows for two.
    pybind11::list ToList() const;
    std::string Repr() const;
    const automation::SafeArray& Array() const { return array_; }

private:
    automation::SafeArray array_;
};

}  // namespace noxpython
