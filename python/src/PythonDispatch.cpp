#include "PythonDispatch.h"

#include <mutex>
#include <unordered_map>

#include "ErrorBridge.h"
#include "Values.h"
#include "automation/AutomationError.h"

namespace py = pybind11;
using automation::Arguments;
using automation::AutomationError;
using automation::InvokeKind;
using automation::Variant;

namespace noxpython {

std::atomic<int64_t> PythonDispatch::live_{0};

namespace {

// The living adapters by the Python object they stand for. An entry is valid while its adapter
// lives, and the adapter keeps its object alive, so an address is never confused with a later one.
std::mutex adaptersMutex;
std::unordered_map<PyObject*, std::weak_ptr<PythonDispatch>>& Adapters() {
    static auto* adapters = new std::unordered_map<PyObject*, std::weak_ptr<PythonDispatch>>();
    return *adapters;
}

// Trailing Missing arguments are left out, so that a Python method's own defaults apply.
py::tuple PythonArguments(const Arguments& args) {
    size_t count = args.size();
    while (count > 0 && args[count - 1].IsMissing()) --count;
    py::tuple out(count);
    for (size_t i = 0; i < count; ++i) out[i] = ToPython(args[i]);
    return out;
}

}  // namespace

std::shared_ptr<PythonDispatch> PythonDispatch::For(const py::object& target) {
    std::lock_guard lock(adaptersMutex);
    std::weak_ptr<PythonDispatch>& slot = Adapters()[target.ptr()];
    std::shared_ptr<PythonDispatch> adapter = slot.lock();
    if (!adapter) slot = adapter = std::make_shared<PythonDispatch>(target);
    return adapter;
}

PythonDispatch::PythonDispatch(py::object target) : target_(std::move(target)), key_(target_.Get().ptr()) { ++live_; }

PythonDispatch::~PythonDispatch() {
    {
        std::lock_guard lock(adaptersMutex);
        auto it = Adapters().find(key_);
        if (it != Adapters().end() && it->second.expired()) Adapters().erase(it);
    }
    --live_;
}

std::optional<std::string> PythonDispatch::Resolve(std::string_view name) const {
    std::string exact(name);
    if (py::hasattr(Target(), exact.c_str())) return exact;
    py::list attributes = py::reinterpret_steal<py::list>(PyObject_Dir(Target().ptr()));
    if (!attributes) throw py::error_already_set();
    for (py::handle attribute : attributes) {
        std::string candidate = py::str(attribute);
        if (automation::SameName(candidate, name)) return candidate;
    }
    return std::nullopt;
}

Variant PythonDispatch::Invoke(std::string_view name, InvokeKind kind, Arguments& args) {
    py::gil_scoped_acquire gil;
    try {
        std::optional<std::string> attribute = Resolve(name);
        if (kind == InvokeKind::PropertyLet || kind == InvokeKind::PropertySet) {
            if (args.size() != 1) automation::Raise(automation::errors::kWrongNumberOfArguments);
            py::setattr(Target(), attribute.value_or(std::string(name)).c_str(), ToPython(args[0]));
            return Variant();
        }
        if (!attribute) automation::Raise(automation::errors::kObjectDoesNotSupportMember);
        return Read(*attribute, args);
    } catch (py::error_already_set& e) {
        throw ErrorBridge::FromPython(e, TypeNameHeld());
    } catch (AutomationError& e) {
        if (e.Source().empty()) e.SetSource(TypeNameHeld());
        throw;
    } catch (const std::exception& e) {
        AutomationError mapped = AutomationError::From(e);
        mapped.SetSource(TypeNameHeld());
        throw mapped;
    }
}

Variant PythonDispatch::Read(const std::string& attribute, Arguments& args) {
    py::object member = Target().attr(attribute.c_str());
    py::tuple arguments = PythonArguments(args);
    if (PyCallable_Check(member.ptr())) return WriteBack(member, member(*arguments), args);
    if (!arguments.empty()) automation::Raise(automation::errors::kWrongNumberOfArguments);
    return ToVariant(member);
}

Variant PythonDispatch::WriteBack(const py::object& member, const py::object& result, Arguments& args) const {
    py::object positions = py::getattr(member, "__noxbyref__", py::none());
    if (positions.is_none()) return ToVariant(result);
    if (!py::isinstance<py::tuple>(result) || py::len(result) != py::len(positions) + 1)
        throw AutomationError(automation::errors::kTypeMismatch,
                              "A method with by-reference parameters returns a tuple: its result, then the "
                              "final value of each by-reference parameter");
    py::tuple values = py::reinterpret_borrow<py::tuple>(result);
    size_t next = 1;
    for (py::handle position : positions) {
        size_t slot = position.cast<size_t>();
        if (slot < args.size()) args[slot] = ToVariant(values[next]);
        ++next;
    }
    return ToVariant(values[0]);
}

automation::MemberInfo PythonDispatch::Describe(std::string_view name) const {
    py::gil_scoped_acquire gil;
    automation::MemberInfo info;
    std::optional<std::string> attribute = Resolve(name);
    if (!attribute) return info;
    info.exists = true;
    try {
        py::object member = Target().attr(attribute->c_str());
        info.isMethod = PyCallable_Check(member.ptr());
        info.isProperty = !info.isMethod;
        py::object positions = py::getattr(member, "__noxbyref__", py::none());
        if (!positions.is_none()) info.byReference = positions.cast<std::vector<int>>();
    } catch (py::error_already_set&) {
        info.isProperty = true;  // reading it fails: it is a property whose getter raises
    }
    return info;
}

std::string PythonDispatch::TypeName() const {
    py::gil_scoped_acquire gil;
    return TypeNameHeld();
}

std::string PythonDispatch::TypeNameHeld() const { return py::str(py::type::of(Target()).attr("__name__")); }

}  // namespace noxpython
