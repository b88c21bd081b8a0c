#include "JsonObject.h"

#include <cmath>
#include <cstdio>

namespace server {

namespace {

void AppendString(std::string& out, std::string_view text) {
    out += '"';
    for (unsigned char c : text) {
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (c < 0x20) {
                    char buffer[8];
                    std::snprintf(buffer, sizeof buffer, "\\u%04x", c);
                    out += buffer;
                } else {
                    out += static_cast<char>(c);
                }
        }
    }
    out += '"';
}

void AppendValue(std::string& out, const SqlValue& value) {
    if (const auto* text = std::get_if<std::string>(&value)) {
        AppendString(out, *text);
    } else if (const auto* integer = std::get_if<int64_t>(&value)) {
        out += std::to_string(*integer);
    } else if (const auto* real = std::get_if<double>(&value); real && std::isfinite(*real)) {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%.17g", *real);
        out += buffer;
    } else {
        out += "null";
    }
}

}  // namespace

JsonObject& JsonObject::Add(std::string_view name, const SqlValue& value) {
    if (!body_.empty()) body_ += ',';
    AppendString(body_, name);
    body_ += ':';
    AppendValue(body_, value);
    return *this;
}

std::string JsonValue(const SqlValue& value) {
    std::string out;
    AppendValue(out, value);
    return out;
}

}  // namespace server
