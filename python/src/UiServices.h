#pragma once
// The headless user-interface services as the module's ui submodule: the recorded message boxes,
// the scripted answers, the mouse pointer, and reset.
#include <pybind11/pybind11.h>

namespace noxpython {

void DefineUiServices(pybind11::module_& ui);

}  // namespace noxpython
