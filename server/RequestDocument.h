#pragma once
// A request document read: the <Request> element with an optional connection text (whose <USER>
// names the user; for an authenticated request it may only name the authenticated user) and one <Method>; for "MultiMethodsRequest" and "GeneralRequest" the methods
// nested, escaped, in PARAMS/RequestBody, each with or without its own <Request> element.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <pugixml.hpp>

#include "MethodCall.h"

namespace server {

class RequestDocument {
public:
    // The user of a request that names none.
    static constexpr const char* kDefaultUser = "anonymous";

    // Raises MethodError (bad request) for text that is not a request document, and (other user)
    // for a connection text naming another user than `account`, the authenticated one when not null.
    // A request that names no user is `defaultUser`'s (kDefaultUser when empty).
    explicit RequestDocument(std::string_view text, const std::string* account = nullptr, const std::string& defaultUser = {});

    const MethodCall& Call() const { return *call_; }
    bool IsMultiMethod() const;
    // The nested methods of a multi-method request, in order. Raises MethodError when the body is
    // not a sequence of methods.
    std::vector<MethodCall> NestedCalls();

private:
    // The user of a <Request> element: the authenticated one, else its connection text's, else `fallback`.
    std::string UserOf(pugi::xml_node request, const std::string& fallback) const;

    const std::string* account_;
    pugi::xml_document document_;
    pugi::xml_document body_;
    std::unique_ptr<MethodCall> call_;
};

}  // namespace server
