#pragma once
// Values between Python and the automation runtime: None ↔ Empty, the Null/Nothing/Missing objects,
// bool, int (Long; Integer where a member asks for it), float ↔ Double, str ↔ String, datetime ↔ Date,
// lists and tuples ↔ 0-based arrays (a list of equal-length lists ↔ two dimensions), arrays with
// other bounds ↔ noxsimplelinks.Array, automation objects ↔ noxsimplelinks.Object, and any other
// Python object ↔ an automation object whose members are its attributes.
#include <pybind11/pybind11.h>

#include "automation/Dispatch.h"

namespace noxpython {

automation::Variant ToVariant(pybind11::handle value);
pybind11::object ToPython(const automation::Variant& value);
automation::Arguments ToArguments(pybind11::handle values);
automation::DispatchPtr ToObject(pybind11::handle value);  // raises Type mismatch for a non-object

}  // namespace noxpython
