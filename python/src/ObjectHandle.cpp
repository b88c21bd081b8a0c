#include "ObjectHandle.h"

#include "Invocation.h"
#include "MemberHandle.h"
#include "Values.h"
#include "automation/AutomationError.h"

namespace py = pybind11;
using automation::InvokeKind;

namespace noxpython {
namespace {

bool IsPythonSpecialName(const std::string& name) {
    return name.size() > 4 && name.rfind("__", 0) == 0 && name.compare(name.size() - 2, 2, "__") == 0;
}

}  // namespace

void ObjectHandle::Define(py::module_& module) {
    // Only special names are defined here, so that every other attribute is a member of the object.
    py::class_<ObjectHandle>(module, "Object", "An automation object, reached by member name.")
        .def("__getattr__", &ObjectHandle::GetAttribute)
        .def("__setattr__", &ObjectHandle::SetAttribute)
        .def("__getitem__", &ObjectHandle::Item)
        .def("__len__", &ObjectHandle::Count)
        .def("__iter__", &ObjectHandle::Iterate)
        .def("__bool__", [](const ObjectHandle&) { return true; })
        .def("__eq__", [](const ObjectHandle& a, const ObjectHandle& b) { return a.object_ == b.object_; },
             py::is_operator())
        .def("__hash__", [](const ObjectHandle& h) { return std::hash<automation::Dispatch*>()(h.object_.get()); })
        .def("__repr__", &ObjectHandle::Repr);
}

py::object ObjectHandle::GetAttribute(const std::string& name) const {
    if (IsPythonSpecialName(name)) throw py::attribute_error(name);
    automation::MemberInfo info = object_->Describe(name);
    if (!info.exists) {
        // Python's own probing (private names such as IPython's _repr_html_) sees a plain attribute error.
        if (name.rfind('_', 0) == 0) throw py::attribute_error(name);
        constexpr int32_t kNumber = automation::errors::kObjectDoesNotSupportMember;
        throw automation::AutomationError(kNumber, automation::AutomationError::StandardDescription(kNumber) + ": " + name,
                                          object_->TypeName());
    }
    if (info.isMethod && !info.isProperty) return py::cast(MemberHandle(object_, name, InvokeKind::Method));
    if (info.isProperty && info.getterParameters > 0)
        return py::cast(MemberHandle(object_, name, InvokeKind::PropertyGet));
    if (info.isProperty && !info.isMethod) return InvokeFromPython(object_, name, InvokeKind::PropertyGet, {});
    return ReadUndescribed(name);
}

// The object cannot tell a method from a property: read the member, and hand it back to be called
// when it needs arguments.
py::object ObjectHandle::ReadUndescribed(const std::string& name) const {
    try {
        return InvokeFromPython(object_, name, InvokeKind::PropertyGet, {});
    } catch (const automation::AutomationError& e) {
        if (e.Number() != automation::errors::kArgumentNotOptional &&
            e.Number() != automation::errors::kWrongNumberOfArguments)
            throw;
        return py::cast(MemberHandle(object_, name, InvokeKind::Method));
    }
}

void ObjectHandle::SetAttribute(const std::string& name, py::handle value) const {
    AssignFromPython(object_, name, {}, value);
}

py::object ObjectHandle::Item(py::handle indexOrKey) const {
    return InvokeFromPython(object_, "Item", InvokeKind::PropertyGet, {ToVariant(indexOrKey)});
}

int32_t ObjectHandle::Count() const { return object_->Get("Count").ToLong(); }

py::iterator ObjectHandle::Iterate() const {
    py::list items;
    for (int32_t i = 1, count = Count(); i <= count; ++i) items.append(Item(py::int_(i)));
    return py::iter(items);
}

std::string ObjectHandle::Repr() const { return "<noxsimplelinks.Object " + object_->TypeName() + ">"; }

}  // namespace noxpython
