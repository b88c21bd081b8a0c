#include "UiServices.h"

#include <pybind11/stl.h>

#include "automation/AutomationError.h"
#include "platform/HeadlessUi.h"

namespace py = pybind11;

namespace noxpython {
namespace {

platform::HeadlessUi& Headless() {
    auto* headless = dynamic_cast<platform::HeadlessUi*>(&platform::Ui());
    if (!headless)
        throw automation::AutomationError(automation::errors::kInvalidProcedureCall,
                                          "The installed user-interface services are not the headless ones");
    return *headless;
}

}  // namespace

void DefineUiServices(py::module_& ui) {
    ui.doc() = "The headless user-interface services: recorded message boxes, scripted answers, mouse pointer.";
    ui.def("messages", [] {
        py::list out;
        for (const auto& m : Headless().Messages()) out.append(py::make_tuple(m.text, m.flags, m.title));
        return out;
    }, "The message boxes shown so far, each a tuple (text, flags, title).");
    ui.def("answers", [](std::vector<int> answers) { Headless().Answer(std::move(answers)); }, py::arg("answers"),
           "The answers the next message boxes give, in order (1 OK, 2 Cancel, 6 Yes, 7 No, ...).");
    ui.def("mouse_pointer", [] { return Headless().MousePointer(); }, "The current mouse pointer (0 default, 11 hourglass).");
    ui.def("reset", [] { Headless().Reset(); }, "Forgets the messages and answers and restores the default pointer.");
}

}  // namespace noxpython
