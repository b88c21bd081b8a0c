#pragma once
// An object as a request names it: its type, the key values given (leading keys in key order) and
// the other elements of its fragment (attribute values, or criteria such as a route id).
#include <string>
#include <utility>
#include <vector>

namespace server {

struct ObjectSpec {
    std::string type;
    std::vector<std::string> keys;
    std::vector<std::pair<std::string, std::string>> fields;  // full name and text, in order

    // The text of a field by full or short name; empty when absent.
    std::string Field(const std::string& name) const;
    // "ITEM A1/B" for messages.
    std::string Describe() const;
};

}  // namespace server
