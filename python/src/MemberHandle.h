#pragma once
// A member read from an automation object but not yet called (noxsimplelinks.Member): a method,
// called with its arguments, or an indexed property, read with m(i, j) or m[i, j] and assigned with
// m[i, j] = value, m.let(i, j, value) or m.set(i, j, object).
#include <pybind11/pybind11.h>

#include <string>

#include "automation/Dispatch.h"

namespace noxpython {

class MemberHandle {
public:
    static void Define(pybind11::module_& module);

    MemberHandle(automation::DispatchPtr object, std::string name, automation::InvokeKind kind)
        : object_(std::move(object)), name_(std::move(name)), kind_(kind) {}

    pybind11::object Call(const pybind11::args& args) const;
    pybind11::object Item(pybind11::handle index) const;
    void SetItem(pybind11::handle index, pybind11::handle value) const;
    void Assign(automation::InvokeKind kind, const pybind11::args& indexThenValue) const;
    std::string Repr() const;

private:
    automation::DispatchPtr object_;
    std::string name_;
    automation::InvokeKind kind_;
};

}  // namespace noxpython
