#pragma once
// The late-bound interface: every automation object is reached through it by member name.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "automation/Variant.h"

namespace automation {

enum class InvokeKind { Method, PropertyGet, PropertyLet, PropertySet };

// Positional arguments; each is an in-out slot, so a callee writes by-reference results back into
// it. For a property let or set the new value is the last argument.
using Arguments = std::vector<Variant>;

// What a member is, for callers that must tell a method from a property before calling it.
struct MemberInfo {
    bool exists = false;
    bool isMethod = false;
    bool isProperty = false;
    int getterParameters = 0;  // how many index arguments the property's getter takes
    std::vector<int> byReference;  // 0-based positions of the method's by-reference parameters
};

class EventSource;

class Dispatch : public std::enable_shared_from_this<Dispatch> {
public:
    virtual ~Dispatch() = default;

    // Invokes a member by name, case-insensitively. An unknown member raises 438. A method called as
    // a property get runs as a method, and a property called as a method is read.
    virtual Variant Invoke(std::string_view name, InvokeKind kind, Arguments& args) = 0;
    virtual std::string TypeName() const = 0;
    virtual MemberInfo Describe(std::string_view name) const;
    // The events this object raises, or nullptr when it raises none.
    virtual EventSource* Events() { return nullptr; }

    template <class... A>
    Variant Call(std::string_view name, A&&... args) {
        Arguments list{Variant(std::forward<A>(args))...};
        return Invoke(name, InvokeKind::Method, list);
    }
    template <class... A>
    Variant Get(std::string_view name, A&&... args) {
        Arguments list{Variant(std::forward<A>(args))...};
        return Invoke(name, InvokeKind::PropertyGet, list);
    }
    void Let(std::string_view name, Variant value);
    void Set(std::string_view name, Variant value);
};

// Calls a member on a value that must hold an object: Nothing or a non-object raises 91.
Variant InvokeOn(const Variant& target, std::string_view name, InvokeKind kind, Arguments& args);
template <class... A>
Variant CallOn(const Variant& target, std::string_view name, A&&... args) {
    Arguments list{Variant(std::forward<A>(args))...};
    return InvokeOn(target, name, InvokeKind::Method, list);
}

// The object a value holds; Nothing raises 91 and a value that is no object 13.
DispatchPtr RequireObject(const Variant& value);
// The events an object raises; Nothing raises 91 and an object that raises none 438.
EventSource& EventsOf(const DispatchPtr& object);

// Member names compare without regard to ASCII case.
std::string FoldName(std::string_view name);
bool SameName(std::string_view a, std::string_view b);

}  // namespace automation
