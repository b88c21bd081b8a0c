#pragma once
// Carries automation errors across the Python boundary both ways: an AutomationError reaches Python
// as the exception noxsimplelinks.AutomationError (number, description, source), and an exception
// raised by Python code reaches C++ as an AutomationError.
#include <pybind11/pybind11.h>

#include <string>

#include "automation/AutomationError.h"

namespace noxpython {

class ErrorBridge {
public:
    // Defines the exception class (and the byref decorator that goes with Python-implemented
    // members) in the module and translates AutomationErrors thrown by C++; once, at import.
    static void Install(pybind11::module_& module);

    // The automation error for a Python exception; `source` stands in when the exception names none.
    static automation::AutomationError FromPython(const pybind11::error_already_set& error, const std::string& source);

private:
    static void SetPythonError(const automation::AutomationError& error);
    static int32_t NumberFrom(pybind11::handle value);
    static pybind11::handle type_;
};

}  // namespace noxpython
