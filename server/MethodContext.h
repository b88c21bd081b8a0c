#pragma once
// Everything a method runs with: the store, the object definitions, the method as requested, the
// user and the time of the request; and the look-ups every method shares (objects named in
// fragments, history records).
#include <cstdint>
#include <string>
#include <vector>

#include <pugixml.hpp>

#include "MethodCall.h"
#include "ObjectSpec.h"
#include "Right.h"
#include "Store.h"
#include "objdefs/ObjectDefinitions.h"

namespace server {

class MethodContext {
public:
    MethodContext(Store& store, const objdefs::ObjectDefinitions& defs, const MethodCall& call);

    Store& store;
    const objdefs::ObjectDefinitions& defs;
    const MethodCall& call;
    const std::string now;  // ISO date and time of the request

    const std::string& User() const { return call.User(); }

    // Reads an object element (an "ID" attribute naming the type, one child per key or field).
    // The first key is required; a type whose keys the element does not hold is taken from the
    // prefix of the key elements when that names a type.
    ObjectSpec ReadObject(pugi::xml_node element) const;
    // An object from a type and the values of its keys in key order.
    ObjectSpec MakeObject(const std::string& type, std::vector<std::string> keys) const;
    // The object; with fewer keys than the type has, its latest revision. Raises "not found".
    int64_t FindOne(const ObjectSpec& object, bool ignoreCase = false) const;
    // Every object matching the keys given (every revision when the revision is not given).
    std::vector<int64_t> FindAll(const ObjectSpec& object, bool ignoreCase = false) const;
    // The definitions' type, raising "unknown name" when there is none.
    const objdefs::TypeDef& Type(const std::string& name) const;
    // A link definition by name, raising "unknown name" when there is none.
    const objdefs::LinkDef& Link(const std::string& name, const std::string& type = {}) const;

    // The right to do `action` on the object: its type and status (the parent's status when the object
    // has none). An object the store does not hold has no status; the change itself then fails.
    Right RightOn(const std::string& action, const ObjectSpec& object, const ObjectSpec* parent = nullptr) const;

    // Appends a vault-history row for the object: what happened, by the request's user, now.
    void RecordHistory(int64_t objectId, const std::string& checkType, const std::string& comment = {}) const;
};

}  // namespace server
