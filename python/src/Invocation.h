#pragma once
// Calls from Python into an automation object by member name.
#include <pybind11/pybind11.h>

#include <string>

#include "automation/Dispatch.h"

namespace noxpython {

// Invokes the member and hands the result to Python. A method with by-reference parameters answers
// a tuple: its result first, then the final value of each by-reference argument in order.
pybind11::object InvokeFromPython(const automation::DispatchPtr& object, const std::string& name,
                                  automation::InvokeKind kind, automation::Arguments args);

// Assigns a property: let for plain values, set for objects (Nothing included). `index` holds the
// index arguments of an indexed property, the value goes last.
void AssignFromPython(const automation::DispatchPtr& object, const std::string& name, automation::Arguments index,
                      pybind11::handle value);

}  // namespace noxpython
