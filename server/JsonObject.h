#pragma once
// Writes the JSON text of a flat object of named values, the form in which the store keeps the
// attributes of objects, links and history rows. Texts are escaped; numbers are written as numbers.
#include <string>
#include <string_view>

#include "Statement.h"

namespace server {

class JsonObject {
public:
    JsonObject& Add(std::string_view name, const SqlValue& value);
    // "{...}"; "{}" when nothing was added.
    std::string Text() const { return "{" + body_ + "}"; }

private:
    std::string body_;
};

// The JSON text of one value: a string, a number, or null (Null, or a number that is not finite).
std::string JsonValue(const SqlValue& value);

}  // namespace server
