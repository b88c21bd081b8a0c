#include "UiServices.h"

#include <pybind11/stl.h>

#include "automation/AutomationError.h"
#include "platform/HeadlessUi.h"
#include "platform/dialog/DialogText.h"

namespace py = pybind11;

namespace noxpython {
namespace {

py::list States(const std::vector<platform::DialogControlState>& states) {
    py::list out;
    for (const auto& s : states) {
        py::dict control;
        control["name"] = s.name;
        control["kind"] = s.kind;
        control["caption"] = s.caption;
        control["value"] = s.value;
        control["enabled"] = s.enabled;
        control["visible"] = s.visible;
        control["items"] = s.items;
        control["rows"] = s.rows;
        out.append(control);
    }
    return out;
}

py::dict Record(const platform::DialogRecord& r) {
    py::dict record;
    record["name"] = r.name;
    record["caption"] = r.caption;
    record["modal"] = r.modal;
    record["shown"] = States(r.shown);
    record["closed"] = States(r.closed);
    record["steps"] = r.steps;
    record["result"] = r.result;
    record["text"] = platform::RenderDialogRecord(r);
    return record;
}

platform::HeadlessUi& Headless() {
    auto* headless = dynamic_cast<platform::HeadlessUi*>(&platform::Ui());
    if (!headless)
        throw automation::AutomationError(automation::errors::kInvalidProcedureCall,
                                          "The installed user-interface services are not the headless ones");
    return *headless;
}

}  // namespace

void DefineUiServices(py::module_& ui) {
    ui.doc() = "The headless user-interface services: recorded message boxes and dialogs, scripted answers, mouse pointer.";
    ui.def("messages", [] {
        py::list out;
        for (const auto& m : Headless().Messages()) out.append(py::make_tuple(m.text, m.flags, m.title));
        return out;
    }, "The message boxes shown so far, each a tuple (text, flags, title).");
    ui.def("answers", [](std::vector<int> answers) { Headless().Answer(std::move(answers)); }, py::arg("answers"),
           "The answers the next message boxes give, in order (1 OK, 2 Cancel, 6 Yes, 7 No, ...).");
    ui.def("script_dialog",
           [](const std::string& name, const std::vector<std::string>& steps) {
               platform::Ui().ScriptDialog(name, platform::DialogScript(steps));
           },
           py::arg("name"), py::arg("steps"),
           "What a person does in the next showing of the dialog of that name, in order: 'control=value' "
           "enters a value, 'button' presses a button. Afterwards the dialog's cancel button is pressed.");
    ui.def("dialogs", [] {
        py::list out;
        for (const auto& record : Headless().Dialogs()) out.append(Record(record));
        return out;
    }, "The dialogs shown so far, each a dict: name, caption, modal, shown and closed (the controls: name, "
       "kind, caption, value, enabled, visible, items, rows), steps, result, text (as the terminal prints it).");
    ui.def("mouse_pointer", [] { return Headless().MousePointer(); }, "The current mouse pointer (0 default, 11 hourglass).");
    ui.def("reset", [] { Headless().Reset(); },
           "Forgets the messages, dialogs, answers and dialog scripts and restores the default pointer.");
}

}  // namespace noxpython
