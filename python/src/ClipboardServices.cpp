#include "ClipboardServices.h"

#include "platform/Clipboard.h"

namespace py = pybind11;

namespace noxpython {

void DefineClipboardServices(py::module_& clipboard) {
    clipboard.doc() = "The clipboard the objects put text on: text, set_text, clear, format_id.";
    clipboard.def("text", [] { return platform::Clip().GetText(); }, "The plain text on the clipboard ('' when none).");
    clipboard.def("set_text", [](const std::string& text) { platform::Clip().SetText(text); }, py::arg("text"),
                  "Puts the text on the clipboard.");
    clipboard.def("clear", [] { platform::Clip().Clear(); }, "Empties the clipboard.");
    clipboard.def("format_id", [](const std::string& name) { return platform::Clip().RegisterFormat(name); },
                  py::arg("name"),
                  "The identifier of a format name, registered on first use; the same for the whole process.");
}

}  // namespace noxpython
