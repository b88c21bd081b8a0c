#include "ErrorValue.h"

#include <string>

namespace py = pybind11;

namespace noxpython {

void ErrorValue::Define(py::module_& module) {
    py::class_<ErrorValue>(module, "ErrorValue", "An error code carried as a value.")
        .def(py::init([](int64_t scode) { return ErrorValue{static_cast<int32_t>(static_cast<uint32_t>(scode))}; }),
             py::arg("scode"))
        .def_readonly("scode", &ErrorValue::scode)
        .def("__eq__", [](const ErrorValue& a, const ErrorValue& b) { return a.scode == b.scode; }, py::is_operator())
        .def("__hash__", [](const ErrorValue& e) { return py::hash(py::int_(e.scode)); })
        .def("__repr__", [](const ErrorValue& e) { return "noxsimplelinks.ErrorValue(" + std::to_string(e.scode) + ")"; });
}

}  // namespace noxpython
