#include "ArrayValue.h"

#include "Values.h"
#include "automation/AutomationError.h"

namespace py = pybind11;
using automation::Bounds;
using automation::SafeArray;

namespace noxpython {

void ArrayValue::Define(py::module_& module) {
    py::class_<ArrayValue>(module, "Array", "An array that keeps its bounds: Array((lower, upper)[, (lower, upper)]).")
        .def(py::init(&ArrayValue::WithBounds))
        .def("LBound", [](const ArrayValue& a, int dimension) { return a.array_.LBound(dimension); },
             py::arg("dimension") = 1)
        .def("UBound", [](const ArrayValue& a, int dimension) { return a.array_.UBound(dimension); },
             py::arg("dimension") = 1)
        .def_property_readonly("dimensions", [](const ArrayValue& a) { return a.array_.Dimensions(); })
        .def("__len__", [](const ArrayValue& a) { return a.array_.Count(); })
        .def("__getitem__", &ArrayValue::Item)
        .def("__setitem__", &ArrayValue::SetItem)
        .def("tolist", &ArrayValue::ToList)
        .def("__eq__", [](const ArrayValue& a, const ArrayValue& b) { return a.array_ == b.array_; }, py::is_operator())
        .def("__repr__", &ArrayValue::Repr);
}

ArrayValue ArrayValue::WithBounds(const py::args& bounds) {
    auto pair = [&](size_t i) {
        auto [lower, upper] = bounds[i].cast<std::pair<int32_t, int32_t>>();
        return Bounds{lower, upper};
    };
    if (bounds.size() == 1) return ArrayValue(SafeArray(pair(0)));
    if (bounds.size() == 2) return ArrayValue(SafeArray(pair(0), pair(1)));
    throw py::type_error("Array takes one (lower, upper) pair per dimension, one or two of them");
}

namespace {

// The cell an index names: an int, or an (i, j) tuple for two dimensions.
template <class Array>
auto& CellOf(Array& array, py::handle index) {
    if (py::isinstance<py::tuple>(index)) {
        auto [i, j] = index.cast<std::pair<int32_t, int32_t>>();
        return array.At(i, j);
    }
    return array.At(index.cast<int32_t>());
}

}  // namespace

py::object ArrayValue::Item(py::handle index) const { return ToPython(CellOf(array_, index)); }

void ArrayValue::SetItem(py::handle index, py::handle value) { CellOf(array_, index) = ToVariant(value); }

py::list ArrayValue::ToList() const {
    py::list out;
    if (array_.Dimensions() == 1) {
        for (int32_t i = array_.LBound(1); i <= array_.UBound(1); ++i) out.append(ToPython(array_.At(i)));
        return out;
    }
    for (int32_t i = array_.LBound(1); i <= array_.UBound(1); ++i) {
        py::list row;
        for (int32_t j = array_.LBound(2); j <= array_.UBound(2); ++j) row.append(ToPython(array_.At(i, j)));
        out.append(row);
    }
    return out;
}

std::string ArrayValue::Repr() const {
    std::string bounds;
    for (int d = 1; d <= array_.Dimensions(); ++d) {
        if (d > 1) bounds += ", ";
        bounds += "(" + std::to_string(array_.LBound(d)) + ", " + std::to_string(array_.UBound(d)) + ")";
    }
    return "noxsimplelinks.Array(" + bounds + ") " + std::string(py::repr(ToList()));
}

}  // namespace noxpython
