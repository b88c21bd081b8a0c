#include "Values.h"

// clang-format off
#include <datetime.h>
// clang-format on

#include <cmath>

#include "ArrayValue.h"
#include "ErrorValue.h"
#include "Marker.h"
#include "ObjectHandle.h"
#include "PythonDispatch.h"
#include "automation/AutomationError.h"
#include "automation/SafeArray.h"

namespace py = pybind11;
using automation::SafeArray;
using automation::Variant;

namespace noxpython {
namespace {

constexpr int64_t kMillisecondsPerDay = 86400LL * 1000;

void ImportDateTime() {
    if (!PyDateTimeAPI) PyDateTime_IMPORT;
    if (!PyDateTimeAPI) throw py::error_already_set();
}

// Days since 1899-12-30, the time of day as the fraction, counted away from zero before that day.
Variant DateFrom(py::handle value) {
    double days = automation::MakeDate(PyDateTime_GET_YEAR(value.ptr()), PyDateTime_GET_MONTH(value.ptr()),
                                       PyDateTime_GET_DAY(value.ptr()))
                      .serial;
    double time = 0;
    if (PyDateTime_Check(value.ptr())) {
        PyObject* p = value.ptr();
        time = ((PyDateTime_DATE_GET_HOUR(p) * 60.0 + PyDateTime_DATE_GET_MINUTE(p)) * 60.0 +
                PyDateTime_DATE_GET_SECOND(p) + PyDateTime_DATE_GET_MICROSECOND(p) / 1e6) /
               86400.0;
    }
    return Variant(automation::Date{days < 0 ? days - time : days + time});
}

// A Date's double keeps the time of day to well within a millisecond up to the year 9999, so the
// time comes back rounded to the millisecond.
py::object DateTo(automation::Date date) {
    ImportDateTime();
    double whole = std::trunc(date.serial);
    int64_t millis = std::llround(std::fabs(date.serial - whole) * kMillisecondsPerDay);
    if (millis >= kMillisecondsPerDay) {
        millis -= kMillisecondsPerDay;
        whole += date.serial < 0 ? -1 : 1;
    }
    automation::DateParts day = automation::SplitDate(automation::Date{whole});
    int64_t seconds = millis / 1000;
    PyObject* made = PyDateTime_FromDateAndTime(day.year, day.month, day.day, static_cast<int>(seconds / 3600),
                                                static_cast<int>(seconds / 60 % 60), static_cast<int>(seconds % 60),
                                                static_cast<int>(millis % 1000 * 1000));
    if (!made) throw py::error_already_set();
    return py::reinterpret_steal<py::object>(made);
}

Variant LongFrom(py::handle value) {
    int overflow = 0;
    long long number = PyLong_AsLongLongAndOverflow(value.ptr(), &overflow);
    if (overflow != 0) automation::Raise(automation::errors::kOverflow);
    return Variant::FromLong(number);
}

// A list of lists of one length (at least one row and one column) is a two-dimensional array.
bool IsTable(py::handle value, size_t& columns) {
    if (!py::isinstance<py::list>(value) || py::len(value) == 0) return false;
    py::list rows = py::reinterpret_borrow<py::list>(value);
    py::object first = rows[0];
    if (!py::isinstance<py::list>(first)) return false;
    columns = py::len(first);
    for (py::handle row : rows)
        if (!py::isinstance<py::list>(row) || py::len(row) != columns) return false;
    return columns > 0;
}

Variant ArrayFrom(py::handle value) {
    size_t columns = 0;
    if (!IsTable(value, columns)) return Variant(SafeArray::Of(ToArguments(value)));
    py::list rows = py::reinterpret_borrow<py::list>(value);
    SafeArray table(automation::Bounds{0, static_cast<int32_t>(rows.size()) - 1},
                    automation::Bounds{0, static_cast<int32_t>(columns) - 1});
    for (size_t i = 0; i < rows.size(); ++i) {
        py::list row = rows[i];
        for (size_t j = 0; j < columns; ++j)
            table.At(static_cast<int32_t>(i), static_cast<int32_t>(j)) = ToVariant(row[j]);
    }
    return Variant(std::move(table));
}

// 0-based arrays become lists when a list brings them back unchanged; others keep their bounds.
py::object ArrayTo(const SafeArray& array) {
    bool zeroBased = true;
    for (int d = 1; d <= array.Dimensions(); ++d) zeroBased = zeroBased && array.LBound(d) == 0;
    bool asList = zeroBased && (array.Dimensions() == 1 || array.Count() > 0);
    if (!asList) return py::cast(ArrayValue(array));
    return ArrayValue(array).ToList();
}

}  // namespace

Variant ToVariant(py::handle value) {
    ImportDateTime();
    if (value.is_none()) return Variant();
    if (py::isinstance<py::bool_>(value)) return Variant(value.cast<bool>());
    if (py::isinstance<py::int_>(value)) return LongFrom(value);
    if (py::isinstance<py::float_>(value)) return Variant(value.cast<double>());
    if (py::isinstance<py::str>(value)) return Variant(value.cast<std::string>());
    if (PyDate_Check(value.ptr())) return DateFrom(value);
    if (py::isinstance<py::list>(value) || py::isinstance<py::tuple>(value)) return ArrayFrom(value);
    if (py::isinstance<Marker>(value)) return value.cast<const Marker&>().Value();
    if (py::isinstance<ArrayValue>(value)) return Variant(value.cast<const ArrayValue&>().Array());
    if (py::isinstance<ErrorValue>(value)) return Variant(automation::ErrorCode{value.cast<const ErrorValue&>().scode});
    if (py::isinstance<ObjectHandle>(value)) return Variant(value.cast<const ObjectHandle&>().Object());
    return Variant(PythonDispatch::For(py::reinterpret_borrow<py::object>(value)));
}

py::object ToPython(const Variant& value) {
    using automation::VarType;
    switch (value.Type()) {
        case VarType::Empty: return py::none();
        case VarType::Null: return py::reinterpret_borrow<py::object>(Marker::Of(Marker::Kind::Null));
        case VarType::Missing: return py::reinterpret_borrow<py::object>(Marker::Of(Marker::Kind::Missing));
        case VarType::Boolean: return py::bool_(value.ToBool());
        case VarType::Integer:
        case VarType::Long: return py::int_(value.ToLong());
        case VarType::Single:
        case VarType::Double: return py::float_(value.ToDouble());
        case VarType::Date: return DateTo(value.ToDate());
        case VarType::String: return py::str(value.ToString());
        case VarType::Array: return ArrayTo(value.ToArray());
        case VarType::Error: return py::cast(ErrorValue{value.ToError().scode});
        case VarType::Object: break;
    }
    automation::DispatchPtr object = value.ToObject();
    if (!object) return py::reinterpret_borrow<py::object>(Marker::Of(Marker::Kind::Nothing));
    if (auto* adapter = dynamic_cast<PythonDispatch*>(object.get())) return adapter->Target();
    return py::cast(ObjectHandle(std::move(object)));
}

automation::Arguments ToArguments(py::handle values) {
    automation::Arguments arguments;
    for (py::handle value : values) arguments.push_back(ToVariant(value));
    return arguments;
}

automation::DispatchPtr ToObject(py::handle value) { return ToVariant(value).ToObject(); }

}  // namespace noxpython
