#include "Invocation.h"

#include "Values.h"

namespace py = pybind11;
using automation::InvokeKind;

namespace noxpython {

py::object InvokeFromPython(const automation::DispatchPtr& object, const std::string& name, InvokeKind kind,
                            automation::Arguments args) {
    automation::Variant result = object->Invoke(name, kind, args);
    std::vector<int> byReference = kind == InvokeKind::Method ? object->Describe(name).byReference : std::vector<int>{};
    if (byReference.empty()) return ToPython(result);
    py::tuple out(byReference.size() + 1);
    out[0] = ToPython(result);
    for (size_t i = 0; i < byReference.size(); ++i) {
        size_t slot = static_cast<size_t>(byReference[i]);
        out[i + 1] = slot < args.size() ? ToPython(args[slot]) : py::none();
    }
    return out;
}

void AssignFromPython(const automation::DispatchPtr& object, const std::string& name, automation::Arguments index,
                      py::handle value) {
    index.push_back(ToVariant(value));
    InvokeKind kind = index.back().IsObject() ? InvokeKind::PropertySet : InvokeKind::PropertyLet;
    object->Invoke(name, kind, index);
}

}  // namespace noxpython
