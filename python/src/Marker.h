#pragma once
// The values Python has no word for: Null, Nothing and Missing, each one object of the module
// (noxsimplelinks.Null, .Nothing, .Missing), compared by identity and false in a condition.
#include <pybind11/pybind11.h>

#include "automation/Variant.h"

namespace noxpython {

class Marker {
public:
    enum class Kind { Null, Nothing, Missing };

    // Defines the class and its three objects in the module; once, at import.
    static void Define(pybind11::module_& module);
    static pybind11::handle Of(Kind kind);

    explicit Marker(Kind kind) : kind_(kind) {}
    automation::Variant Value() const;
    const char* Name() const;

private:
    Kind kind_;
    static pybind11::handle objects_[3];
};

}  // namespace noxpython
