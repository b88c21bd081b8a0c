#pragma once
// A Python object in the automation runtime: its attributes and methods are reached by name,
// case-insensitively; a method marked with noxsimplelinks.byref writes its by-reference arguments
// back, and a Python exception leaves as an AutomationError. Safe to call and release on any thread.
#include <pybind11/pybind11.h>

#include <atomic>
#include <optional>

#include "PythonReference.h"
#include "automation/Dispatch.h"

namespace noxpython {

class PythonDispatch : public automation::Dispatch {
public:
    // The adapter of a Python object: the same one for as long as it lives, so that the runtime
    // sees one object (under the GIL).
    static std::shared_ptr<PythonDispatch> For(const pybind11::object& target);

    explicit PythonDispatch(pybind11::object target);
    ~PythonDispatch() override;

    automation::Variant Invoke(std::string_view name, automation::InvokeKind kind, automation::Arguments& args) override;
    std::string TypeName() const override;
    automation::MemberInfo Describe(std::string_view name) const override;

    // Only under the GIL.
    const pybind11::object& Target() const { return target_.Get(); }
    // How many adapters are alive: what the leak checks count.
    static int64_t Live() { return live_; }

private:
    std::optional<std::string> Resolve(std::string_view name) const;
    automation::Variant Read(const std::string& attribute, automation::Arguments& args);
    automation::Variant WriteBack(const pybind11::object& member, const pybind11::object& result,
                                  automation::Arguments& args) const;
    std::string TypeNameHeld() const;

    PythonReference target_;
    PyObject* key_;
    static std::atomic<int64_t> live_;
};

}  // namespace noxpython
