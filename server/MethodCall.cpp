#include "MethodCall.h"

#include "MethodError.h"

namespace server {

std::string Trimmed(std::string_view text) {
    size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return {};
    size_t last = text.find_last_not_of(" \t\r\n");
    return std::string(text.substr(first, last - first + 1));
}

MethodCall::MethodCall(pugi::xml_node method, std::string user)
    : method_(method), name_(Trimmed(method.child_value("Name"))), user_(std::move(user)) {}

pugi::xml_node MethodCall::RequireRole(const char* role) const {
    pugi::xml_node node = Role(role);
    if (!node) throw MethodError(codes::kMissing, "The method " + name_ + " needs the object <" + role + ">");
    return node;
}

std::string MethodCall::Param(const char* name) const {
    return Trimmed(method_.child("PARAMS").child(name).text().get());
}

std::string MethodCall::Text(const char* name) const { return Trimmed(method_.child(name).text().get()); }

std::string MethodCall::RequireText(const char* name) const {
    if (!method_.child(name))
        throw MethodError(codes::kMissing, "The method " + name_ + " needs the element <" + name + ">");
    return Text(name);
}

}  // namespace server
