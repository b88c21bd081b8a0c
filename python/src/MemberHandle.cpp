#include "MemberHandle.h"

#include "Invocation.h"
#include "Values.h"
#include "automation/AutomationError.h"

namespace py = pybind11;
using automation::InvokeKind;

namespace noxpython {
namespace {

// m[i] indexes with one argument, m[i, j] with two.
automation::Arguments IndexArguments(py::handle index) {
    if (py::isinstance<py::tuple>(index)) return ToArguments(index);
    return {ToVariant(index)};
}

}  // namespace

void MemberHandle::Define(py::module_& module) {
    py::class_<MemberHandle>(module, "Member", "A method or an indexed property of an automation object.")
        .def("__call__", &MemberHandle::Call)
        .def("__getitem__", &MemberHandle::Item)
        .def("__setitem__", &MemberHandle::SetItem)
        .def("let", [](const MemberHandle& m, const py::args& args) { m.Assign(InvokeKind::PropertyLet, args); })
        .def("set", [](const MemberHandle& m, const py::args& args) { m.Assign(InvokeKind::PropertySet, args); })
        .def("__repr__", &MemberHandle::Repr);
}

py::object MemberHandle::Call(const py::args& args) const {
    return InvokeFromPython(object_, name_, kind_, ToArguments(args));
}

py::object MemberHandle::Item(py::handle index) const {
    return InvokeFromPython(object_, name_, InvokeKind::PropertyGet, IndexArguments(index));
}

void MemberHandle::SetItem(py::handle index, py::handle value) const {
    AssignFromPython(object_, name_, IndexArguments(index), value);
}

void MemberHandle::Assign(InvokeKind kind, const py::args& indexThenValue) const {
    automation::Arguments args = ToArguments(indexThenValue);
    if (args.empty()) automation::Raise(automation::errors::kArgumentNotOptional);
    object_->Invoke(name_, kind, args);
}

std::string MemberHandle::Repr() const {
    return "<noxsimplelinks.Member " + object_->TypeName() + "." + name_ + ">";
}

}  // namespace noxpython
