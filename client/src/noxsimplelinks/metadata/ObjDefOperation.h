#pragma once
// The operations of the object-definition facade as data: each one's name, parameters and result
// kind, so that one forwarding routine serves them all.
#include <string_view>
#include <vector>

namespace noxsimplelinks {

struct ObjDefOperation {
    enum class Param {
        Text,          // a string, copied: a change the component makes stays with the copy
        Value,         // a variant, copied
        OptionalBool,  // a Boolean that may be left out
        Out,           // passed through: what the component writes reaches the caller
        OptionalOut,   // the same, and may be left out
    };
    enum class Result { Value, Text, Boolean, Collection, None };
    enum class Kind { Method, Property, Internal };

    const char* name;
    std::vector<Param> params;
    Result result;
    Kind kind = Kind::Method;
};

// Every operation the facade forwards: the public ones in slot order, then the internal ones.
const std::vector<ObjDefOperation>& ObjDefOperations();
// Raises 438 for a name that is not there.
const ObjDefOperation& FindObjDefOperation(std::string_view name);

}  // namespace noxsimplelinks
