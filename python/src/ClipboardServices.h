#pragma once
// The installed clipboard as the module's clipboard submodule: its text, setting and clearing it,
// and the identifiers of registered format names.
#include <pybind11/pybind11.h>

namespace noxpython {

void DefineClipboardServices(pybind11::module_& clipboard);

}  // namespace noxpython
