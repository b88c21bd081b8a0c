#pragma once
// Owns a Python object on behalf of C++ code that may be destroyed on any thread or after the
// interpreter has finished: the reference is dropped under the GIL, or left alone once Python is gone.
#include <pybind11/pybind11.h>

namespace noxpython {

class PythonReference {
public:
    explicit PythonReference(pybind11::object object) : object_(std::move(object)) {}
    ~PythonReference();
    PythonReference(const PythonReference&) = delete;
    PythonReference& operator=(const PythonReference&) = delete;

    // Only under the GIL.
    const pybind11::object& Get() const { return object_; }

private:
    pybind11::object object_;
};

}  // namespace noxpython
