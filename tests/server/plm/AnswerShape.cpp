#include "AnswerShape.h"

#include <pugixml.hpp>

#include <set>
#include <string_view>

#include "XmlText.h"

namespace plmtest {
namespace {

const std::set<std::string, std::less<>> kOverallCodes = {"OK", "WARNING", "FAILED", "ERROR"};

// XML allows an attribute once per element; pugixml reads a second one without complaint.
struct UniqueAttributes : pugi::xml_tree_walker {
    std::string fault;
    bool for_each(pugi::xml_node& node) override {
        std::set<std::string_view> names;
        for (pugi::xml_attribute a : node.attributes())
            if (!names.insert(a.name()).second) fault = std::string("the attribute ") + a.name() + " twice";
        return fault.empty();
    }
};

}  // namespace

std::string AnswerShape::operator()(const std::string& answer) {
    faults_.clear();
    if (size_t bad = server::FirstBadCharacter(answer); bad != std::string::npos)
        return "a byte that is not an allowed UTF-8 character at " + std::to_string(bad);
    pugi::xml_document document;
    if (pugi::xml_parse_result parsed = document.load_string(answer.c_str()); !parsed)
        return std::string("not well-formed: ") + parsed.description();
    pugi::xml_node root = document.document_element();
    Require(std::string_view(root.name()) == "Answer", "the root is not <Answer>");
    Require(kOverallCodes.count(root.attribute("ResultCode").value()) == 1, "an unknown overall code");
    Require(root.child("MethodResponses"), "no <MethodResponses>");
    size_t messages = Messages(root), responses = 0;
    for (pugi::xml_node response : root.child("MethodResponses").children()) {
        ++responses;
        std::string_view code = response.attribute("ResultCode").value();
        Require(std::string_view(response.name()) == "MethodResponse" && response.attribute("Name"), "a bad method response");
        Require(code == "OK" || code == "FAILED", "an unknown method code");
        Require(code == "OK" || Messages(response) > 0, "a failed method without a message");
        if (pugi::xml_node result = response.child("Result"))
            Require(result.child("xml").child("s:Schema") && result.child("xml").child("rs:data"), "a result that is no row set");
    }
    Require(std::string_view(root.attribute("ResultCode").value()) != "ERROR" || (messages > 0 && responses <= 1),
            "an error without its message");
    UniqueAttributes attributes;
    document.traverse(attributes);
    faults_ += attributes.fault;
    return faults_;
}

void AnswerShape::Require(bool condition, const char* fault) {
    if (!condition) faults_ += std::string(fault) + "; ";
}

size_t AnswerShape::Messages(const pugi::xml_node& owner) {
    size_t count = 0;
    for (pugi::xml_node m : owner.child("Messages").children()) {
        Require(std::string_view(m.name()) == "Message" && *m.attribute("Code").value() && m.child("Description"),
                "a message without code or description");
        ++count;
    }
    return count;
}

}  // namespace plmtest
