#include "PythonReference.h"

namespace noxpython {

PythonReference::~PythonReference() {
    if (!Py_IsInitialized()) {
        object_.release();  // the interpreter is gone, and with it the object
        return;
    }
    pybind11::gil_scoped_acquire gil;
    object_ = pybind11::object();
}

}  // namespace noxpython
