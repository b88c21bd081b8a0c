#pragma once
// One method of a request as the server reads it: its name, the user it runs for, and its
// fragments (<OBJECTS>, <PARAMS>, and the elements of a hand-built method) found by name.
#include <string>

#include <pugixml.hpp>

namespace server {

class MethodCall {
public:
    MethodCall(pugi::xml_node method, std::string user);

    const std::string& Name() const { return name_; }
    const std::string& User() const { return user_; }
    pugi::xml_node Element() const { return method_; }

    pugi::xml_node Objects() const { return method_.child("OBJECTS"); }
    // The element of a role in <OBJECTS> ("IN_OBJECT", "PARENT_OBJECT", ...); empty when absent.
    pugi::xml_node Role(const char* role) const { return Objects().child(role); }
    // As Role, raising "missing" when the request does not hold it.
    pugi::xml_node RequireRole(const char* role) const;
    // The trimmed text of a parameter in <PARAMS>; empty when absent.
    std::string Param(const char* name) const;
    // The trimmed text of a direct child of the method element (hand-built methods).
    std::string Text(const char* name) const;
    std::string RequireText(const char* name) const;

private:
    pugi::xml_node method_;
    std::string name_;
    std::string user_;
};

std::string Trimmed(std::string_view text);

}  // namespace server
