#pragma once
// An Error value (an error code carried as data, not raised) as Python sees it:
// noxsimplelinks.ErrorValue(scode).
#include <pybind11/pybind11.h>

#include <cstdint>

namespace noxpython {

struct ErrorValue {
    int32_t scode = 0;

    static void Define(pybind11::module_& module);
};

}  // namespace noxpython
