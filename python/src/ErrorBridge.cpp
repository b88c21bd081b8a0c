#include "ErrorBridge.h"

#include <pybind11/eval.h>

namespace py = pybind11;
using automation::AutomationError;

namespace noxpython {

py::handle ErrorBridge::type_;

namespace {

const char* const kPythonDefinitions = R"py(
class AutomationError(Exception):
    """An automation error: number (signed 32-bit), description and source."""

    def __init__(self, number, description="", source=""):
        number = (int(number) + 2**31) % 2**32 - 2**31  # 0x800403E8 as written is the signed -2147220504
        super().__init__(number, description, source)
        self.number = number
        self.description = description
        self.source = source

    def __str__(self):
        where = f" in {self.source}" if self.source else ""
        return f"{self.description} (error {self.number}{where})"


def byref(*positions):
    """Marks a Python method whose parameters at these 0-based positions are by-reference: the
    method returns a tuple, its result first, then the final value of each of those parameters."""
    def mark(method):
        method.__noxbyref__ = positions
        return method
    return mark
)py";

}  // namespace

void ErrorBridge::Install(py::module_& module) {
    py::dict scope = module.attr("__dict__");
    py::exec(kPythonDefinitions, scope);
    module.attr("AutomationError").attr("__module__") = module.attr("__name__");
    module.attr("byref").attr("__module__") = module.attr("__name__");
    py::object type = module.attr("AutomationError");
    type_ = type.release();  // kept for the life of the process
    py::register_exception_translator([](std::exception_ptr thrown) {
        try {
            if (thrown) std::rethrow_exception(thrown);
        } catch (const AutomationError& error) {
            SetPythonError(error);
        }
    });
}

void ErrorBridge::SetPythonError(const AutomationError& error) {
    py::object instance = type_(error.Number(), error.Description(), error.Source());
    PyErr_SetObject(type_.ptr(), instance.ptr());
}

int32_t ErrorBridge::NumberFrom(py::handle value) {
    // Numbers travel as signed 32-bit values; 0x800403E8 written as a positive Python int is the same error.
    long long number = PyLong_AsLongLong(value.ptr());
    if (number == -1 && PyErr_Occurred()) {
        PyErr_Clear();
        return automation::errors::kInvalidProcedureCall;
    }
    return static_cast<int32_t>(static_cast<uint32_t>(number));
}

AutomationError ErrorBridge::FromPython(const py::error_already_set& error, const std::string& source) {
    py::gil_scoped_acquire gil;
    py::object value = error.value();
    if (error.matches(type_)) {
        std::string description = py::str(py::getattr(value, "description", py::str()));
        std::string named = py::str(py::getattr(value, "source", py::str()));
        return AutomationError(NumberFrom(py::getattr(value, "number", py::int_(0))), description,
                               named.empty() ? source : named);
    }
    int32_t number = error.matches(PyExc_NotImplementedError) ? automation::errors::kNotImplemented
                                                              : automation::errors::kInvalidProcedureCall;
    std::string kind = py::str(error.type().attr("__name__"));
    std::string message = py::str(value);
    return AutomationError(number, message.empty() ? kind : kind + ": " + message, source);
}

}  // namespace noxpython
