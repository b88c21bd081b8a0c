#include "Marker.h"

namespace py = pybind11;

namespace noxpython {

py::handle Marker::objects_[3];

void Marker::Define(py::module_& module) {
    py::class_<Marker>(module, "Marker", "Null, Nothing or Missing: use the module's three objects.")
        .def("__repr__", [](const Marker& m) { return std::string("noxsimplelinks.") + m.Name(); })
        .def("__bool__", [](const Marker&) { return false; });
    for (Kind kind : {Kind::Null, Kind::Nothing, Kind::Missing}) {
        Marker marker(kind);
        objects_[static_cast<int>(kind)] = py::cast(marker).release();  // one object for the life of the process
        module.attr(marker.Name()) = Of(kind);
    }
}

py::handle Marker::Of(Kind kind) { return objects_[static_cast<int>(kind)]; }

automation::Variant Marker::Value() const {
    switch (kind_) {
        case Kind::Null: return automation::Variant::Null();
        case Kind::Nothing: return automation::Variant::Nothing();
        case Kind::Missing: return automation::Variant::Missing();
    }
    return {};
}

const char* Marker::Name() const {
    switch (kind_) {
        case Kind::Null: return "Null";
        case Kind::Nothing: return "Nothing";
        case Kind::Missing: return "Missing";
    }
    return "";
}

}  // namespace noxpython
