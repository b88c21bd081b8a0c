#include "RequestDocument.h"

#include <cstdio>

#include "MethodError.h"
#include "XmlText.h"

namespace server {

namespace {

[[noreturn]] void BadRequest(const std::string& why) { throw MethodError(codes::kBadRequest, why); }

// Refuses text holding a byte that is not part of a UTF-8 character XML allows.
void RequireCharacters(std::string_view text, const std::string& what) {
    size_t bad = FirstBadCharacter(text);
    if (bad == std::string_view::npos) return;
    char byte[8];
    std::snprintf(byte, sizeof byte, "0x%02X", static_cast<unsigned char>(text[bad]));
    BadRequest(what + " is not UTF-8 text of characters XML allows: the byte " + byte + " at offset " +
               std::to_string(bad) + " is not one");
}

// Character references may stand for characters XML does not allow (&#1;): every name and value
// the document gives is checked once more as it was read.
class CharacterCheck : public pugi::xml_tree_walker {
public:
    explicit CharacterCheck(const char* what) : what_(what) {}
    bool for_each(pugi::xml_node& node) override {
        Check(node.name());
        Check(node.value());
        for (pugi::xml_attribute attribute : node.attributes()) {
            Check(attribute.name());
            Check(attribute.value());
        }
        return true;
    }

private:
    void Check(std::string_view text) { RequireCharacters(text, std::string("A text of ") + what_); }
    const char* what_;
};

void Parse(pugi::xml_document& document, std::string_view text, const char* what) {
    RequireCharacters(text, what);
    pugi::xml_parse_result parsed = document.load_buffer(text.data(), text.size(), pugi::parse_default | pugi::parse_ws_pcdata_single,
                                                         pugi::encoding_utf8);
    if (!parsed)
        BadRequest(std::string(what) + " is not well-formed XML: " + parsed.description() + " at offset " +
                   std::to_string(parsed.offset));
    CharacterCheck check(what);
    document.traverse(check);
}

}  // namespace

std::string RequestDocument::UserOf(pugi::xml_node request, const std::string& fallback) const {
    std::string user = Trimmed(request.child("CONNECTION").child_value("USER"));
    if (account_ && !user.empty() && user != *account_)
        throw MethodError(codes::kOtherUser, "The request names the user \"" + user + "\" but comes from \"" + *account_ + "\"");
    return account_ ? *account_ : user.empty() ? fallback : user;
}

RequestDocument::RequestDocument(std::string_view text, const std::string* account, const std::string& defaultUser)
    : account_(account) {
    Parse(document_, text, "The request");
    pugi::xml_node request = document_.document_element();
    if (std::string_view(request.name()) != "Request")
        BadRequest(std::string("The request's root element is <") + request.name() + ">, not <Request>");
    pugi::xml_node method = request.child("Method");
    if (!method) BadRequest("The request holds no <Method>");
    call_ = std::make_unique<MethodCall>(method, UserOf(request, defaultUser.empty() ? kDefaultUser : defaultUser));
    if (call_->Name().empty()) BadRequest("The request's method has no <Name>");
}

bool RequestDocument::IsMultiMethod() const {
    return call_->Name() == "MultiMethodsRequest" || call_->Name() == "GeneralRequest";
}

std::vector<MethodCall> RequestDocument::NestedCalls() {
    pugi::xml_node bodyElement = call_->Element().child("PARAMS").child("RequestBody");
    if (!bodyElement) throw MethodError(codes::kMissing, "The multi-method request has no PARAMS/RequestBody");
    std::string text = std::string("<Body>") + bodyElement.text().get() + "</Body>";
    Parse(body_, text, "The request body");
    std::vector<MethodCall> calls;
    for (pugi::xml_node node : body_.document_element().children()) {
        if (node.type() != pugi::node_element) continue;
        std::string_view name = node.name();
        if (name == "Method") {
            calls.emplace_back(node, call_->User());
        } else if (name == "Request" && node.child("Method")) {
            calls.emplace_back(node.child("Method"), UserOf(node, call_->User()));
        } else {
            BadRequest("The request body holds <" + std::string(name) + ">, where a method was expected");
        }
    }
    if (calls.empty()) BadRequest("The request body holds no method");
    return calls;
}

}  // namespace server
