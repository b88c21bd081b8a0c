#pragma once
// An automation object as Python sees it (noxsimplelinks.Object): reading an attribute reads a
// property or hands back the method or indexed property to call, assigning an attribute lets or
// sets a property, all by member name; an object with Count and Item iterates and indexes from 1.
#include <pybind11/pybind11.h>

#include "automation/Dispatch.h"

namespace noxpython {

class ObjectHandle {
public:
    static void Define(pybind11::module_& module);

    explicit ObjectHandle(automation::DispatchPtr object) : object_(std::move(object)) {}
    const automation::DispatchPtr& Object() const { return object_; }

    pybind11::object GetAttribute(const std::string& name) const;
    void SetAttribute(const std::string& name, pybind11::handle value) const;
    pybind11::object Item(pybind11::handle indexOrKey) const;
    int32_t Count() const;
    pybind11::iterator Iterate() const;
    std::string Repr() const;

private:
    pybind11::object ReadUndescribed(const std::string& name) const;
    automation::DispatchPtr object_;
};

}  // namespace noxpython
