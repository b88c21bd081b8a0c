// The Python module noxsimplelinks: automation objects created by ProgID and called by member name,
// Python objects standing in for any component, events to Python handlers, and the headless
// user-interface services and the clipboard.
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <algorithm>

#include "ArrayValue.h"
#include "ClipboardServices.h"
#include "ErrorBridge.h"
#include "ErrorValue.h"
#include "Invocation.h"
#include "Marker.h"
#include "MemberHandle.h"
#include "ObjectHandle.h"
#include "PythonDispatch.h"
#include "TestProbe.h"
#include "UiServices.h"
#include "Values.h"
#include "automation/Apartment.h"
#include "automation/AutomationError.h"
#include "automation/EventSource.h"
#include "automation/ObjectFactory.h"
#include "hosting/Registration.h"
#include "hosting/ShippedProfile.h"

namespace py = pybind11;
using automation::AutomationError;
using automation::InvokeKind;
using automation::ObjectFactory;

namespace noxpython {
namespace {

py::object CreateObject(const std::string& progId) {
    return ToPython(automation::Variant(automation::CreateObject(progId)));
}

// CreateObject(progId) calls the factory from now on, until UnregisterObject brings back the
// registration it replaced.
void RegisterObject(const std::string& progId, py::object factory) {
    auto held = std::make_shared<PythonReference>(std::move(factory));
    ObjectFactory::Instance().Register(progId, [held, progId]() -> automation::DispatchPtr {
        py::gil_scoped_acquire gil;
        try {
            return ToObject(held->Get()());
        } catch (py::error_already_set& e) {
            throw ErrorBridge::FromPython(e, progId);
        }
    });
}

std::vector<std::string> ProgIds() {
    std::vector<std::string> ids = ObjectFactory::Instance().ProgIds();
    std::sort(ids.begin(), ids.end());
    return ids;
}

automation::EventSource& EventsOf(py::handle object) { return automation::EventsOf(ToObject(object)); }

// The handler's method named after each event (in any case) is called with the event's arguments.
int Connect(py::handle object, const py::object& handler) {
    return EventsOf(object).Connect(automation::DispatchPtr(PythonDispatch::For(handler)));
}

void Disconnect(py::handle object, int cookie) { EventsOf(object).Disconnect(cookie); }

std::string TypeName(py::handle value) {
    automation::Variant v = ToVariant(value);
    return v.IsObject() && !v.IsNothing() ? v.ToObject()->TypeName() : v.TypeName();
}

void RegisterEverythingOnce() {
    static const bool registered = (hosting::UseShippedAllUsersProfile(), hosting::RegisterAll(), true);
    (void)registered;
}

}  // namespace
}  // namespace noxpython

using namespace noxpython;

PYBIND11_MODULE(noxsimplelinks, m) {
    m.doc() = "Automation objects of noxsimplelinks, created by ProgID and called by member name.";
    ErrorBridge::Install(m);
    Marker::Define(m);
    ErrorValue::Define(m);
    ArrayValue::Define(m);
    ObjectHandle::Define(m);
    MemberHandle::Define(m);
    py::enum_<InvokeKind>(m, "InvokeKind")
        .value("Method", InvokeKind::Method)
        .value("PropertyGet", InvokeKind::PropertyGet)
        .value("PropertyLet", InvokeKind::PropertyLet)
        .value("PropertySet", InvokeKind::PropertySet);

    m.def("CreateObject", &CreateObject, py::arg("progid"), "Creates an automation object by ProgID.");
    m.def("RegisterObject", &RegisterObject, py::arg("progid"), py::arg("factory"),
          "Makes CreateObject(progid) call factory(), which returns the object (any Python object will do).");
    m.def("UnregisterObject", [](const std::string& progId) { ObjectFactory::Instance().Unregister(progId); },
          py::arg("progid"), "Removes the newest registration of the ProgID, restoring the one it replaced.");
    m.def("ProgIds", &ProgIds, "Every registered ProgID, sorted.");
    m.def("Invoke",
          [](py::handle object, const std::string& name, InvokeKind kind, const py::args& args) {
              return InvokeFromPython(ToObject(object), name, kind, ToArguments(args));
          },
          py::arg("object"), py::arg("name"), py::arg("kind"),
          "Invokes a member by name as the given kind (method, property get, let or set).");
    m.def("TypeName", &TypeName, py::arg("value"), "The automation type name of a value, or an object's class name.");
    m.def("Connect", &Connect, py::arg("object"), py::arg("handler"),
          "Subscribes handler to the object's events; returns a cookie for Disconnect.");
    m.def("Disconnect", &Disconnect, py::arg("object"), py::arg("cookie"));
    m.def("Pump", [] { return automation::Apartment::Current()->Pump(); },
          "Delivers the work posted to this thread's apartment (events from other threads); returns how much ran.");

    py::module_ ui = m.def_submodule("ui");
    DefineUiServices(ui);
    py::module_ clipboard = m.def_submodule("clipboard");
    DefineClipboardServices(clipboard);
    py::module_ testing = m.def_submodule("_testing");
    TestProbe::DefineTesting(testing);

    RegisterEverythingOnce();
}
