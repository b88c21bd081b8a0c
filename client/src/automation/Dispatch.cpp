#include "automation/Dispatch.h"

#include "automation/AutomationError.h"

namespace automation {

MemberInfo Dispatch::Describe(std::string_view) const { return MemberInfo{true, true, true, 0, {}}; }

void Dispatch::Let(std::string_view name, Variant value) {
    Arguments list{std::move(value)};
    Invoke(name, InvokeKind::PropertyLet, list);
}

void Dispatch::Set(std::string_view name, Variant value) {
    Arguments list{std::move(value)};
    Invoke(name, InvokeKind::PropertySet, list);
}

Variant InvokeOn(const Variant& target, std::string_view name, InvokeKind kind, Arguments& args) {
    if (!target.IsObject() || target.IsNothing()) Raise(errors::kObjectVariableNotSet);
    return target.ToObject()->Invoke(name, kind, args);
}

DispatchPtr RequireObject(const Variant& value) {
    DispatchPtr object = value.ToObject();
    if (!object) Raise(errors::kObjectVariableNotSet);
    return object;
}

EventSource& EventsOf(const DispatchPtr& object) {
    EventSource* events = object->Events();
    if (!events)
        throw AutomationError(errors::kObjectDoesNotSupportMember, "The object raises no events", object->TypeName());
    return *events;
}

std::string FoldName(std::string_view name) {
    std::string folded(name);
    for (char& c : folded)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return folded;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

}  // namespace automation
